// The hourly climate overlay in the main window: the overlay's source for the
// chart request, the points button's extra drawing, and the legend of the
// value classes. The drawing itself is the scene's and the overlay core's.
#include "app/UZenita.h"

#include "climate/CityDatabase.h"
#include "math/numbers.h"
#include "overlay/PathMarks.h"
#include "overlay/ValueClasses.h"
#include "scene/ChartScene.h"
#include "widgets/Dialogs.h"

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
    return climate::standardMeridianDegWest(i < cities_.size() ? cities_[i].timeZoneHours
                                                               : std::nullopt);
}

std::optional<QString> TFormZenita::hourlyFilePath() const {
    const int city = selectedCity();
    if (city <= 0) {
        return std::nullopt;
    }
    return scene::hourlyFilePath(services_.baseDirectory, cities_[static_cast<std::size_t>(city)]);
}

std::optional<scene::OverlaySource> TFormZenita::overlaySource(int q) const {
    const int city = selectedCity();
    if (city <= 0) {
        return std::nullopt;
    }
    // The longitude and, with a city, the latitude come from the city's
    // line of the index.
    return scene::loadOverlaySource(
        services_.baseDirectory, cities_[static_cast<std::size_t>(city)], city,
        editLatitude->text(), overlay::quantityFromItem(q), rgPeriodo->currentIndex());
}

void TFormZenita::showOverlayWarning(const std::optional<scene::Warning>& warning) {
    if (warning) {
        services_.dialogs->show(MessageKind::Warning, warning->text, warning->details);
    }
}

void TFormZenita::DrawHourlyPoints(int q) {
    const std::optional<scene::OverlaySource> source = overlaySource(q);
    if (source) {
        showOverlayWarning(scene::drawOverlayPoints(imagem4->canvas(), chartGeometry_, *source));
    }
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
    overlay::drawPathMarks(imagem4->canvas(), chartGeometry_,
                           {*latitude, rgPeriodo->currentIndex(), ckTrajetoria->isChecked()});
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
