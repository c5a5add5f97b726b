// The hourly climate overlay in the main window: the data points and path
// marks of the chart command, the date and hour labels of the paths, and the
// legend of the value classes. The drawing itself is the overlay core's; this
// reads the controls and the city lists into its inputs.
#include "app/UZenita.h"

#include "climate/CityDatabase.h"
#include "climate/HourlyFile.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"
#include "overlay/HalfYear.h"
#include "overlay/HourlyOverlay.h"
#include "overlay/PathLabels.h"
#include "overlay/PathMarks.h"
#include "overlay/ValueClasses.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QFileInfo>

namespace {

// The hourglass for as long as it lives, so that it goes whichever way the
// drawing ends.
class HourglassCursor {
public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

}  // namespace

void TFormZenita::connectOverlayHandlers() {
    bind(pontos, &QPushButton::clicked, &TFormZenita::pontosClick);
    bind(ckPontos, &QCheckBox::toggled, &TFormZenita::ckPontosClick);
    bind(ckTrajetoria, &QCheckBox::toggled, &TFormZenita::ckTrajetoriaClick);
    bind(btnLegenda, &QPushButton::clicked, &TFormZenita::btnLegendaClick);
    bind(btnFechaLegenda, &QPushButton::clicked, &TFormZenita::btnFechaLegendaClick);
    bind(cmbTipoDados, &QComboBox::activated, &TFormZenita::cmbTipoDadosChange);
    bind(rgPeriodo, &QComboBox::activated, &TFormZenita::rgPeriodoClick);
    // The legend follows the quantity also when code sets it, as the city
    // list's reset to "Temperaturas" does.
    bind(cmbTipoDados, &QComboBox::currentIndexChanged, &TFormZenita::FillLegend);
}

double TFormZenita::standardMeridianDeg(int city) const {
    const auto i = static_cast<std::size_t>(city);
    return climate::standardMeridianDegWest(i < listaFusos.size() ? listaFusos[i] : std::nullopt);
}

std::optional<QString> TFormZenita::hourlyFilePath() const {
    const int city = selectedCity();
    if (city <= 0) {
        return std::nullopt;
    }
    const std::string& name = listaArquivosHorarios[static_cast<std::size_t>(city)];
    // The marker is never a file name: under cidades/ it would name a file
    // "a" in a folder "s".
    if (name == climate::kNoFileMarker) {
        return std::nullopt;
    }
    QString path = climate::cityFilePath(services_.baseDirectory, name);
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    return path;
}

std::optional<TFormZenita::OverlayWarning> TFormZenita::drawHourlyOverlay(int q) {
    const std::optional<QString> path = hourlyFilePath();
    if (!path) {
        return std::nullopt;
    }
    const int city = selectedCity();
    const auto i = static_cast<std::size_t>(city);
    // The longitude and, with a city, the latitude come from the city's
    // line of the index.
    auto indexWarning = [&](const char* what, const QString& text) {
        return OverlayWarning{
            QStringLiteral("Arquivo %1 inválido!").arg(climate::indexPath(services_.baseDirectory)),
            QStringLiteral("A %1 '%2' da linha %3 não é um número.")
                .arg(QString::fromUtf8(what), text, QString::number(city))};
    };
    const std::optional<double> longitude = math::parseNumber(listaLongitudes[i]);
    if (!longitude) {
        return indexWarning("longitude", climate::decodeWindows1252(listaLongitudes[i]));
    }
    const std::optional<double> latitude = math::parseNumber(editLatitude->text().toStdString());
    if (!latitude) {
        return indexWarning("latitude", editLatitude->text());
    }

    overlay::HourlyOverlayInputs inputs;
    inputs.latitudeDeg = *latitude;
    inputs.longitudeDeg = *longitude;
    inputs.periodItem = rgPeriodo->currentIndex();
    inputs.quantity = overlay::quantityFromItem(q);
    inputs.standardMeridianDeg = standardMeridianDeg(city);
    // One read of the file per drawing, one split of each line the
    // half-year reads: its days' lines and the one after, which the last
    // step interpolates towards.
    const overlay::DayRange days = overlay::halfYearDays(inputs.periodItem);
    const climate::HourlyColumn column = climate::readHourlyColumn(
        *path, overlay::hourlyField(inputs.quantity), 24 * static_cast<std::size_t>(days.first - 1),
        24 * static_cast<std::size_t>(days.last) + 1);
    const overlay::OverlayResult result =
        overlay::DrawHourlyPoints(imagem4->canvas(), chartGeometry, column, inputs);
    if (result.complete()) {
        return std::nullopt;
    }
    return OverlayWarning{QStringLiteral("Arquivo %1 inválido!").arg(*path),
                          overlay::describeOverlayFailure(*result.failure)};
}

void TFormZenita::showOverlayWarning(const std::optional<OverlayWarning>& warning) {
    if (warning) {
        services_.dialogs->show(MessageKind::Warning, warning->text, warning->details);
    }
}

void TFormZenita::DrawHourlyPoints(int q) {
    showOverlayWarning(drawHourlyOverlay(q));
}

void TFormZenita::DrawPathMarks() {
    if (!hourlyFilePath()) {
        return;
    }
    // Without a latitude the points were not drawn either, and said why.
    const std::optional<double> latitude = math::parseNumber(editLatitude->text().toStdString());
    if (!latitude) {
        return;
    }
    overlay::DrawPathMarks(imagem4->canvas(), chartGeometry,
                           {*latitude, rgPeriodo->currentIndex(), ckTrajetoria->isChecked()});
}

void TFormZenita::drawOverlayStep() {
    if (!ckPontos->isChecked()) {
        return;
    }
    std::optional<OverlayWarning> warning;
    {
        const HourglassCursor hourglass;
        warning = drawHourlyOverlay(cmbTipoDados->currentIndex());
        DrawPathMarks();
    }
    // After the hourglass, so the message box shows the ordinary pointer.
    showOverlayWarning(warning);
}

void TFormZenita::DrawPathLabels() {
    overlay::PathLabelsInputs inputs;
    inputs.latitudeDeg = math::toNumber(editLatitude->text().toStdString());
    inputs.ckPontos = ckPontos->isChecked();
    inputs.ckTrajetoria = ckTrajetoria->isChecked();
    inputs.periodItem = rgPeriodo->currentIndex();
    overlay::DrawPathLabels(imagem4->canvas(), chartGeometry, inputs);
}

void TFormZenita::pontosClick() {
    plotarClick();
    DrawHourlyPoints(cmbTipoDados->currentIndex());
    DrawPathMarks();
}

void TFormZenita::ckPontosClick() {}

void TFormZenita::ckTrajetoriaClick() {}

void TFormZenita::FillLegend() {
    const auto rows = overlay::legendRows(overlay::quantityFromItem(cmbTipoDados->currentIndex()));
    for (std::size_t c = 0; c < rows.size(); ++c) {
        lbRange[c]->setText(rows[c].caption);
        QPalette box = cx[c]->palette();
        box.setColor(QPalette::Window, rows[c].colour);
        cx[c]->setPalette(box);
    }
}

void TFormZenita::btnLegendaClick() {
    FillLegend();
    pnlLegenda->show();
}

void TFormZenita::btnFechaLegendaClick() {
    pnlLegenda->hide();
}

void TFormZenita::cmbTipoDadosChange() {
    FillLegend();
    plotarClick();
}

void TFormZenita::rgPeriodoClick() {
    plotarClick();
}
