// The chart command of the main window: the view switch, the latitude check,
// the reset, the drawing of the chart layers from the controls, and the
// final state, with the hourly overlay and the path labels between the
// drawing and the final state.
#include "app/UZenita.h"

#include "app/HourglassCursor.h"
#include "math/numbers.h"
#include "scene/ChartScene.h"

namespace {

QString numberText(double value) {
    return QString::fromStdString(math::formatGeneral(value));
}

}  // namespace

void TFormZenita::plotarClick() {
    // The menus keep their state until the chart is complete.
    switchView(false);

    const std::optional<double> latitude = checkedLatitude();
    if (!latitude) {
        return;
    }
    novoClick();
    std::optional<scene::Warning> warning;
    {
        // The hourglass while the overlay's file is read and drawn.
        std::optional<HourglassCursor> hourglass;
        if (ckPontos->isChecked()) {
            hourglass.emplace();
        }
        chartRequest_ = readChartRequest(*latitude);
        chartScene_ = scene::renderChart(chartRequest_, chartCanvases());
        maskPerformance_.chartDrawn(chartRequest_, imagem3->canvas());
        chartGeometry_ = chartScene_.geometry;
        if (!chartScene_.warnings.empty()) {
            warning = chartScene_.warnings.front();
        }
    }
    // After the hourglass, so the message box shows the ordinary pointer.
    showOverlayWarning(warning);
    finishChartCommand();
}

std::optional<double> TFormZenita::checkedLatitude() {
    const chart::LatitudeCheck check = chart::checkLatitude(editLatitude->text());
    switch (check.verdict) {
        case chart::LatitudeVerdict::Valid:
            return check.valueDeg;
        case chart::LatitudeVerdict::BelowRange:
            editLatitude->setText(numberText(chart::kSouthmostLatitudeDeg));
            break;
        case chart::LatitudeVerdict::AboveRange:
            editLatitude->setText(numberText(chart::kNorthmostLatitudeDeg));
            break;
        case chart::LatitudeVerdict::Empty:
            break;
    }
    editLatitude->setFocus();
    return std::nullopt;
}

chart::ChartCanvases TFormZenita::chartCanvases() {
    return {imagem->canvas(), imagem4->canvas(), imagem2->canvas(), imagem3->canvas()};
}

scene::ChartRequest TFormZenita::readChartRequest(double latitudeDeg) {
    scene::ChartRequest request;
    request.chart = readChartInputs(latitudeDeg);
    const int city = selectedCity();
    if (city > 0) {
        request.city = cities_[static_cast<std::size_t>(city)];
    }
    request.periodItem = rgPeriodo->currentIndex();
    if (ckPontos->isChecked()) {
        request.overlay = overlaySource(cmbTipoDados->currentIndex());
        request.pathMarks = hourlyFilePath().has_value();
    }
    return request;
}

chart::ChartInputs TFormZenita::readChartInputs(double latitudeDeg) {
    chart::ChartInputs inputs;
    inputs.latitudeDeg = latitudeDeg;
    inputs.latitudeText = editLatitude->text();
    if (selectedCity() > 0) {
        inputs.cityName = cmbCidades->currentText();
    }
    inputs.sunPaths = ckTrajetoria->isChecked();
    inputs.protractor = TransferidorCheck->isChecked();
    inputs.orientation = chart::TypedNumber::parse(editOrient->text());
    inputs.reference = chart::referenceFromItem(rgAngulos->currentIndex());
    inputs.overlayShown = ckPontos->isChecked();

    // Enter confirms an angle without leaving its box: the clamp that leaving
    // it would run comes here, so both give the same chart.
    auto read = [this](QCheckBox* check, TFnpNumericEdit* edit) {
        chart::AngleBox box;
        box.checked = check->isChecked();
        if (box.checked) {
            angleEditInvalidEntry(edit);
        }
        box.angle = chart::TypedNumber::parse(edit->text());
        return box;
    };
    const std::array<chart::AnglePair*, 5> targets{
        &inputs.alpha, &inputs.betaRight, &inputs.betaLeft, &inputs.gammaRight, &inputs.gammaLeft};
    const auto pairs = anglePairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        targets[i]->first = read(pairs[i].firstCheck, pairs[i].firstEdit);
        targets[i]->second = read(pairs[i].secondCheck, pairs[i].secondEdit);
    }
    return inputs;
}

void TFormZenita::finishChartCommand() {
    plotar->setEnabled(true);
    chartDrawn_ = true;
    Imprimir1->setEnabled(true);
    Copiar1->setEnabled(true);
    novo->setEnabled(true);
    drawMaskMode_ = false;
    fillMaskMode_ = false;
    // Unchecking runs the box's handler; for "Desenhar reta" that runs this
    // command once more, which finds the box unchecked and stops there.
    desMascCheck->setChecked(false);
    preMascCheck->setChecked(false);
    preMascCheck->setEnabled(false);
    segmentStart_ = true;
}

void TFormZenita::connectChartHandlers() {
    bind(plotar, &QPushButton::clicked, &TFormZenita::plotarClick);

    const auto pairs = anglePairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        connect(pairs[i].firstCheck, &QCheckBox::toggled, this,
                [this, i] { handle([this, i] { firstAngleCheckClick(i); }); });
        connect(pairs[i].secondCheck, &QCheckBox::toggled, this,
                [this, i] { handle([this, i] { secondAngleCheckClick(i); }); });
        for (TFnpNumericEdit* edit : {pairs[i].firstEdit, pairs[i].secondEdit}) {
            connect(edit, &TFnpNumericEdit::invalidEntry, this,
                    [this, edit] { handle([this, edit] { angleEditInvalidEntry(edit); }); });
            connect(edit, &TFnpNumericEdit::keyPressed, this,
                    [this](QChar key) { handle([this, key] { numericEditKeyPress(key); }); });
        }
    }
    bind(TransferidorCheck, &QCheckBox::toggled, &TFormZenita::TransferidorCheckClick);
    connect(editOrient, &TFnpNumericEdit::keyPressed, this,
            [this](QChar key) { handle([this, key] { numericEditKeyPress(key); }); });
    connect(editLatitude, &QLineEdit::returnPressed, this,
            [this] { handle([this] { editLatitudeKeyPress(QChar(u'\r')); }); });
    bind(editLatitude, &QLineEdit::textChanged, &TFormZenita::editLatitudeChange);
    bind(rgAngulos, &QComboBox::activated, &TFormZenita::rgAngulosClick);

    bind(desMascCheck, &QCheckBox::toggled, &TFormZenita::desMascCheckClick);
    bind(preMascCheck, &QCheckBox::toggled, &TFormZenita::preMascCheckClick);
    connect(imagem3, &ImageLayer::mousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                handle([&] { imagem3MouseDown(button, shift, x, y); });
            });
    connect(imagem3, &ImageLayer::mouseMoved, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
                handle([&] { imagem3MouseMove(buttons, shift, x, y); });
            });
    bind(btnLimparDesenho, &QPushButton::clicked, &TFormZenita::btnLimparDesenhoClick);
}
