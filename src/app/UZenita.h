// TFormZenita: the main window of ZENITA.
//
// It owns every control, the four chart layers, the wind image and the
// window's state; its handlers read the controls into plain inputs, call the
// drawing and file code of the core, and write results back into controls.
// Control and handler names follow the window's design: `plotar` is the chart
// button, `plotarClick` its click handler, and so on.
//
// Layout: client area 703 x 478 pixels; the chart area at (8, 8) on the left,
// the input panel `Panel1` at (480, 8) on the right.
#pragma once

#include "app/MaskPerformance.h"
#include "app/Services.h"
#include "app/ZenitaControls.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartInputs.h"
#include "climate/CityDatabase.h"
#include "output/Composition.h"
#include "output/DesignSheet.h"
#include "output/Printer.h"
#include "scene/ChartScene.h"
#include "scene/WindScene.h"
#include "widgets/DropDownList.h"
#include "widgets/ImageLayer.h"
#include "widgets/TFnpNumericEdit.h"
#include "widgets/UDupla.h"
#include "widgets/URaioCarta.h"
#include "widgets/WindGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <array>
#include <cstddef>
#include <exception>
#include <optional>
#include <string>
#include <vector>

class ChartReadoutBar;
class TFormNovaCidade;

class TFormZenita : public QMainWindow, private ZenitaControls {
    Q_OBJECT
public:
    explicit TFormZenita(const Services& services, QWidget* parent = nullptr);
    ~TFormZenita() override;

    ZenitaControls& controls() { return *this; }
    const ZenitaControls& controls() const { return *this; }

    // ---- State ----
    bool chartDrawn() const { return chartDrawn_; }
    bool windRoseDrawn() const { return windRoseDrawn_; }
    bool drawMaskMode() const { return drawMaskMode_; }
    bool fillMaskMode() const { return fillMaskMode_; }
    bool segmentStart() const { return segmentStart_; }
    const chart::ChartGeometry& chartGeometry() const { return chartGeometry_; }
    QPointF windCentre() const { return {windCentreX_, windCentreY_}; }

    // The index entries behind the items of cmbCidades, "Nenhum" first.
    const std::vector<climate::CityIndexEntry>& cityEntries() const { return cities_; }
    // What the last chart command drew besides its pixels.
    const scene::ChartScene& chartScene() const { return chartScene_; }

    const Services& services() const { return services_; }

    // The readout below the chart of what lies under the pointer.
    ChartReadoutBar& readoutBar() const { return *readoutBar_; }

    // True while the chart view is shown (CartaZenita1 checked).
    bool chartViewShown() const { return CartaZenita1->isChecked(); }

    // ---- Handlers: shell ----
    void FormCreate();
    void FormActivate();
    void CartaZenita1Click();
    void RosadosVentos1Click();
    void btnVoltaParaCartaClick();
    void Sobre1Click();
    void fecharClick();
    void FormClose();

    // ---- Window reset ----
    void novoClick();
    void ClearChartLayers();
    void ClearWindImage();
    void ClearWindTables();

    // ---- Chart command (UZenitaChart.cpp) ----
    // The chart button's handler, run by every control that redraws the chart.
    void plotarClick();
    chart::ChartCanvases chartCanvases();
    // The controls as the chart drawing takes them; checked angle boxes pass
    // through the clamp of their invalid-entry handler first.
    chart::ChartInputs readChartInputs(double latitudeDeg);
    // The same with the city and the overlay: the request the chart command renders.
    scene::ChartRequest readChartRequest(double latitudeDeg);

    // ---- Input controls (UZenitaInputs.cpp) ----
    // The angle pairs of the pages "Alfa", "Beta", "Gama", top to bottom:
    // alfa, beta right, beta left, gamma right, gamma left.
    struct AnglePairControls {
        QCheckBox* firstCheck;
        TFnpNumericEdit* firstEdit;
        QCheckBox* secondCheck;
        TFnpNumericEdit* secondEdit;
    };
    std::array<AnglePairControls, 5> anglePairs() const;
    // Alfa1CheckClick, Beta1aCheckClick, Beta2aCheckClick, GamaD1CheckClick,
    // GamaE1CheckClick: the first check box of pair i.
    void firstAngleCheckClick(std::size_t pair);
    // Alfa2CheckClick, Beta1bCheckClick, ...: the second check box of pair i.
    void secondAngleCheckClick(std::size_t pair);
    void TransferidorCheckClick();
    // editAlfa1InvalidEntry .. editGamaE2InvalidEntry: clamp to 0..90.
    void angleEditInvalidEntry(TFnpNumericEdit* edit);
    void editLatitudeKeyPress(QChar key);
    // editOrientKeyPress and the ten angle boxes' key handlers (Enter is QChar(0)).
    void numericEditKeyPress(QChar key);
    void editLatitudeChange();
    void rgAngulosClick();

    // ---- Freehand mask drawing (UZenitaMask.cpp) ----
    void desMascCheckClick();
    void preMascCheckClick();
    void imagem3MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void imagem3MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void btnLimparDesenhoClick();

    // ---- City list (UZenitaCities.cpp) ----
    // Loads the city index into cmbCidades and the four lists, then resets
    // the window to "Nenhum".
    void LoadCityList();
    void cmbCidadesChange();
    // The selected item when it has list entries, else 0 ("Nenhum").
    int selectedCity() const;

    // ---- New-city import (UZenitaCities.cpp) ----
    // Shows the import window modally; a city added there reloads the list.
    void IncluirCidade1Click();
    // The same with the import window opened on a source file, as "Buscar"
    // would choose it (a file given on the command line).
    void IncluirCidadeArquivo(const QString& sourcePath);

    // ---- Hourly overlay, path marks and labels, legend (UZenitaOverlay.cpp) ----
    // The data points of quantity q (0 temperature, 1 global horizontal
    // radiation, anything else direct normal radiation) from the selected
    // city's hourly file, on imagem4. No city or no file draws nothing; a file
    // that cannot be drawn to the end keeps the points drawn so far and gives
    // one warning naming the file and the line.
    void DrawHourlyPoints(int q);
    // The path marks of the half-year, when the city has an hourly file.
    void DrawPathMarks();
    void pontosClick();
    // A change of either box takes effect at the next chart command.
    void ckPontosClick();
    void ckTrajetoriaClick();
    // The captions and box colours of the quantity of cmbTipoDados.
    void FillLegend();
    void btnLegendaClick();
    void btnFechaLegendaClick();
    void cmbTipoDadosChange();
    void rgPeriodoClick();
    // The meridian, degrees west, whose time the clocks of a city keep: that
    // of the time zone its index line gives, else 45° W (Brasília time).
    double standardMeridianDeg(int city) const;

    // ---- Wind rose command (UZenitaWind.cpp) ----
    void btnPlotarVentosClick();
    void rgVentosChange();

    // ---- Shading numbers (UZenitaShading.cpp) ----
    // Shows "Desempenho da máscara" with the numbers of the chart on screen.
    void DesempenhoMascara1Click();
    // Brings the numbers, while their window is open, up to the layers as
    // they stand; run after every handler.
    void updateMaskPerformance();

    // ---- Print, copy and compare ----
    void Imprimir1Click();
    void Copiar1Click();
    void Comparar1Click();
    void PrintChart();
    void PrintWindRose();
    void CopyChart();
    void CopyWindRose();

    // ---- Saved pictures, the design sheet, the wind tables (UZenitaSheet.cpp) ----
    // The view as the copy composes it, in the format of the extension chosen
    // (PNG, JPEG, BMP), or printed into a PDF by the print's own code.
    void SalvarImagem1Click();
    // The design sheet of the chart drawn, as PDF or PNG.
    void ExportarFolha1Click();
    void CopiarTabelasVentos1Click();
    void SalvarTabelasVentos1Click();
    // The wind tables as they show, with their titles; none while empty.
    std::vector<output::TextTable> shownWindTables() const;
    // The request of the last chart drawn.
    const scene::ChartRequest& chartRequest() const { return chartRequest_; }

    // The four chart layers as they stand, bottom to top.
    output::ChartLayers chartLayers() const;

    // Repaints the images after a handler has drawn on them, and the shading
    // numbers that follow them.
    void refreshImages();

    // Runs a handler. The outermost one shows an escaping exception in the
    // error dialog and goes on; a handler reached through another lets it
    // through to the outer one.
    template <class Handler>
    void handle(Handler&& handler);
    // Connects a control's signal to a handler run through handle().
    template <class Sender, class Signal>
    void bind(Sender* sender, Signal signal, void (TFormZenita::*handler)());

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildInputPanel();
    void buildAnglePages();
    void buildLegendPanel();
    void buildWindPanel();
    void buildMenu();
    void connectHandlers();
    void connectOutputHandlers();
    void buildSheetMenu();
    void connectSheetHandlers();
    // Updates the enabled state of the sheet's and the tables' menu items.
    void updateSheetActions();
    void showFailure(const std::optional<QString>& failure);
    void connectCityHandlers();
    // The printer's geometry, or a warning and nothing when there is none.
    std::optional<output::PrinterGeometry> printerOrWarn();
    void showWarning(const std::optional<scene::Warning>& warning);
    // Puts "Desempenho da máscara" beside the main window.
    void placeBesideChart();

    // Shows one of the two views: panels, menu checks, caption.
    void switchView(bool windView);
    // The same, then printing and copying by what that view has drawn.
    void showChartView();
    void showWindView();
    void clearCityLists();
    void runImportWindow(const std::optional<QString>& sourcePath);

    void showException(const std::exception& error);

    // ---- Hourly overlay ----
    void connectOverlayHandlers();
    // The path of the selected city's hourly file when there is one to draw:
    // a city, a name other than the no-file marker, a file on disk.
    std::optional<QString> hourlyFilePath() const;
    // The selected city's overlay of quantity q, read from its hourly file.
    std::optional<scene::OverlaySource> overlaySource(int q) const;
    void showOverlayWarning(const std::optional<scene::Warning>& warning);

    // ---- Wind rose command ----
    void connectWindHandlers();
    void showWindTables(const scene::WindScene& rose);

    // ---- Chart command and its inputs ----
    void connectChartHandlers();
    // The chart command's latitude check: the latitude, or nothing when it stops.
    std::optional<double> checkedLatitude();
    // The chart command's last step: menus, flags and freehand modes.
    void finishChartCommand();
    bool fixingLatitudeCommas_ = false;

    bool chartDrawn_ = false;
    bool windRoseDrawn_ = false;
    bool drawMaskMode_ = false;
    bool fillMaskMode_ = false;
    bool segmentStart_ = true;
    double lastPointX_ = 0.0;
    double lastPointY_ = 0.0;
    chart::ChartGeometry chartGeometry_;
    double windCentreX_ = 0.0;
    double windCentreY_ = 0.0;
    std::array<QPoint, 28> windFrameTemplate_{};
    std::vector<climate::CityIndexEntry> cities_;
    scene::ChartScene chartScene_;
    scene::ChartRequest chartRequest_;
    MaskPerformance maskPerformance_;
    Services services_;
    int handlerDepth_ = 0;
    bool activated_ = false;
    ChartReadoutBar* readoutBar_ = nullptr;
};

template <class Handler>
inline void TFormZenita::handle(Handler&& handler) {
    ++handlerDepth_;
    const bool outermost = handlerDepth_ == 1;
    try {
        handler();
    } catch (const std::exception& error) {
        if (!outermost) {
            --handlerDepth_;
            throw;
        }
        refreshImages();
        showException(error);
    }
    --handlerDepth_;
    if (outermost) {
        refreshImages();
    }
}

template <class Sender, class Signal>
inline void TFormZenita::bind(Sender* sender, Signal signal, void (TFormZenita::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { handle([this, handler] { (this->*handler)(); }); });
}
