#include "app/HeadlessChart.h"

#include "app/ChartPicture.h"
#include "app/UZenita.h"
#include "widgets/Dialogs.h"

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

// The first item of the loaded list with that name; 0 when none.
int cityItem(const TFormZenita& form, const QString& name) {
    const int items = std::min(form.cmbCidades->count(), static_cast<int>(form.listaLatitudes.size()));
    for (int i = 1; i < items; ++i) {
        if (form.cmbCidades->itemText(i) == name) {
            return i;
        }
    }
    return 0;
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
        if (item == 0) {
            throw HeadlessChartError("cidade desconhecida: " + settings.city->toStdString());
        }
        form.cmbCidades->setCurrentIndex(item);
        form.handle([&] { form.cmbCidadesChange(); });
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

QImage drawChartHeadless(Services services, const ChartSettings& settings) {
    CapturingDialogs dialogs;
    services.dialogs = &dialogs;
    TFormZenita form(services);
    runChartCommand(form, dialogs, settings);
    return composeChartPicture(form);
}

void printChartHeadless(Services services, const ChartSettings& settings,
                        const QString& radiusText, output::Printer& printer) {
    CapturingDialogs dialogs;
    services.dialogs = &dialogs;
    services.printer = &printer;
    TFormZenita form(services);
    TdlgRaioCarta radiusDialog;
    radiusDialog.editRaio->setText(radiusText);
    form.dlgRaioCarta = &radiusDialog;
    runChartCommand(form, dialogs, settings);
    form.handle([&] { form.PrintChart(); });
    dialogs.throwIfAny();
}
