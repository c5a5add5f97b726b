#include "app/HeadlessChart.h"

#include "app/ChartPicture.h"
#include "app/UZenita.h"
#include "climate/CityDatabase.h"
#include "widgets/Dialogs.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

// Keeps the messages the window would show; nobody is there to answer.
class CapturingDialogs : public Dialogs {
public:
    void show(MessageKind /*kind*/, const QString& text, const QString& details) override {
        messages << (details.isEmpty() ? text : text + QStringLiteral(" (") + details + u')');
    }
    bool askYesNo(const QString& text, const QString& details) override {
        show(MessageKind::Confirmation, text, details);
        return false;
    }
    void throwIfAny() const {
        if (!messages.isEmpty()) {
            throw HeadlessChartError(messages.join(u' ').toStdString());
        }
    }
    QStringList messages;
};

// A main window that is never shown, its messages captured; with a printer,
// its print commands print there.
struct HeadlessWindow {
    HeadlessWindow(Services services, output::Printer* printer)
        : form(withCapture(services, printer)) {}
    Services withCapture(Services services, output::Printer* printer) {
        services.dialogs = &dialogs;
        if (printer) {
            services.printer = printer;
        }
        return services;
    }
    CapturingDialogs dialogs;
    TFormZenita form;
};

void applySettings(TFormZenita& form, const ChartSettings& settings) {
    if (!settings.city) {
        form.editLatitude->setText(settings.latitude);
    }
    form.TransferidorCheck->setChecked(settings.orientation.has_value());
    if (settings.orientation) {
        form.editOrient->setText(*settings.orientation);
    }
    form.rgAngulos->setCurrentIndex(settings.reference);
    form.ckTrajetoria->setChecked(settings.sunPaths);
    const auto pairs = form.anglePairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto& [first, second] = settings.angles[i];
        if (first) {
            pairs[i].firstCheck->setChecked(true);
            pairs[i].firstEdit->setText(*first);
        }
        if (first && second) {
            pairs[i].secondCheck->setChecked(true);
            pairs[i].secondEdit->setText(*second);
        }
    }
}

// The first item of the loaded list with that name.
int cityItem(const TFormZenita& form, const QString& name) {
    const int items = std::min(form.cmbCidades->count(), static_cast<int>(form.listaLatitudes.size()));
    for (int i = 1; i < items; ++i) {
        if (form.cmbCidades->itemText(i) == name) {
            return i;
        }
    }
    throw HeadlessChartError("cidade desconhecida: " + name.toStdString());
}

void chooseCity(TFormZenita& form, int item) {
    form.cmbCidades->setCurrentIndex(item);
    form.handle([&] { form.cmbCidadesChange(); });
}

// The overlay would draw nothing, without a word, for a city whose hourly
// file is missing: an export without it would pass for one with it.
void requireHourlyFile(const TFormZenita& form, int item, const QString& city) {
    const std::string& name = form.listaArquivosHorarios[static_cast<std::size_t>(item)];
    if (name == climate::kNoFileMarker) {
        throw HeadlessChartError("a cidade " + city.toStdString() + " não tem arquivo horário");
    }
    const QString path = climate::cityFilePath(form.services().baseDirectory, name);
    if (!QFileInfo::exists(path)) {
        throw HeadlessChartError("arquivo horário não encontrado: " + path.toStdString());
    }
}

}  // namespace

namespace {

// Runs the chart command in a window that is never shown; any message the
// window would show is a failure.
void runChartCommand(TFormZenita& form, CapturingDialogs& dialogs, const ChartSettings& settings) {
    if (settings.city) {
        // As a person would: the list is loaded when the window opens, the
        // controls are set, then the city is chosen, which draws the chart.
        form.handle([&] { form.LoadCityList(); });
        form.handle([&] { applySettings(form, settings); });
        const int item = cityItem(form, *settings.city);
        if (settings.overlayQuantity) {
            requireHourlyFile(form, item, *settings.city);
        }
        chooseCity(form, item);
        if (settings.overlayQuantity) {
            // Then the overlay's box, its quantity and half-year, and a redraw.
            form.ckPontos->setChecked(true);
            form.cmbTipoDados->setCurrentIndex(*settings.overlayQuantity);
            form.rgPeriodo->setCurrentIndex(settings.period);
            form.handle([&] { form.plotarClick(); });
        }
    } else {
        form.handle([&] { applySettings(form, settings); });
        form.handle([&] { form.plotarClick(); });
    }
    dialogs.throwIfAny();
    if (!form.chartDrawn) {
        throw HeadlessChartError("a carta não foi desenhada: latitude '" +
                                 form.editLatitude->text().toStdString() + "'");
    }
}

}  // namespace

QImage drawChartHeadless(const Services& services, const ChartSettings& settings) {
    HeadlessWindow window(services, nullptr);
    runChartCommand(window.form, window.dialogs, settings);
    return composeChartPicture(window.form);
}

void printChartHeadless(const Services& services, const ChartSettings& settings,
                        const QString& radiusText, output::Printer& printer) {
    HeadlessWindow window(services, &printer);
    TdlgRaioCarta radiusDialog;
    radiusDialog.editRaio->setText(radiusText);
    window.form.dlgRaioCarta = &radiusDialog;
    runChartCommand(window.form, window.dialogs, settings);
    window.form.handle([&] { window.form.PrintChart(); });
    window.dialogs.throwIfAny();
}

namespace {

// Runs the wind-rose command for the city in a window that is never shown.
void runWindCommand(TFormZenita& form, CapturingDialogs& dialogs, const WindSettings& settings) {
    form.handle([&] { form.LoadCityList(); });
    const int item = cityItem(form, settings.city);
    if (form.listaArquivosVentos[static_cast<std::size_t>(item)] == climate::kNoFileMarker) {
        throw HeadlessChartError("a cidade " + settings.city.toStdString() +
                                 " não tem arquivo de ventos");
    }
    // In the wind view, choosing the city runs the wind-rose command.
    form.handle([&] { form.RosadosVentos1Click(); });
    form.rgVentos->setCurrentIndex(settings.mode);
    chooseCity(form, item);
    dialogs.throwIfAny();
    if (!form.windRoseDrawn) {
        throw HeadlessChartError("a rosa dos ventos não foi desenhada: " +
                                 settings.city.toStdString());
    }
}

}  // namespace

QImage drawWindRoseHeadless(const Services& services, const WindSettings& settings) {
    HeadlessWindow window(services, nullptr);
    runWindCommand(window.form, window.dialogs, settings);
    return window.form.imVentos->canvas().image().copy();
}

void printWindRoseHeadless(const Services& services, const WindSettings& settings,
                           output::Printer& printer) {
    HeadlessWindow window(services, &printer);
    runWindCommand(window.form, window.dialogs, settings);
    window.form.handle([&] { window.form.PrintWindRose(); });
    window.dialogs.throwIfAny();
}
