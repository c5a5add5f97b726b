// The controls of the main window, by the names of its design, and the
// windows created at start-up beside it. TFormZenita holds them privately;
// tests and the start-up reach them through TFormZenita::controls().
#pragma once

#include "widgets/DropDownList.h"
#include "widgets/ImageLayer.h"
#include "widgets/TFnpNumericEdit.h"
#include "widgets/WindGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <array>

class TdlgRaioCarta;
class TdlgDupla;
class TFormNovaCidade;
class TFormDesempenho;

struct ZenitaControls {
    // Chart area: the four layers from bottom to top, the hidden composition
    // image and the six reference pictograms.
    ImageLayer* imagem = nullptr;
    ImageLayer* imagem4 = nullptr;
    ImageLayer* imagem2 = nullptr;
    ImageLayer* imagem3 = nullptr;
    ImageLayer* imagemCompleta = nullptr;
    QLabel* IAlfaInterno = nullptr;
    QLabel* IAlfaExterno = nullptr;
    QLabel* IBetaInterno = nullptr;
    QLabel* IBetaExterno = nullptr;
    QLabel* IGamaInterno = nullptr;
    QLabel* IGamaExterno = nullptr;

    // Wind view.
    QFrame* pnlVentos = nullptr;
    ImageLayer* imVentos = nullptr;

    // Input panel.
    QFrame* Panel1 = nullptr;
    QCheckBox* ckTrajetoria = nullptr;
    QLabel* Label3 = nullptr;
    DropDownList* cmbCidades = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* editLatitude = nullptr;
    QCheckBox* TransferidorCheck = nullptr;
    TFnpNumericEdit* editOrient = nullptr;
    QLabel* Label2 = nullptr;
    DropDownList* rgAngulos = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QCheckBox* ckPontos = nullptr;
    DropDownList* cmbTipoDados = nullptr;
    QPushButton* btnLegenda = nullptr;
    DropDownList* rgPeriodo = nullptr;
    QPushButton* pontos = nullptr;
    QPushButton* novo = nullptr;
    QPushButton* plotar = nullptr;
    QPushButton* btnPlotarVentos = nullptr;
    DropDownList* rgVentos = nullptr;

    // Pages "Alfa", "Beta", "Gama": the angle pairs.
    QCheckBox* Alfa1Check = nullptr;
    TFnpNumericEdit* editAlfa1 = nullptr;
    QCheckBox* Alfa2Check = nullptr;
    TFnpNumericEdit* editAlfa2 = nullptr;
    QCheckBox* Beta1aCheck = nullptr;
    TFnpNumericEdit* editBeta1a = nullptr;
    QCheckBox* Beta1bCheck = nullptr;
    TFnpNumericEdit* editBeta1b = nullptr;
    QCheckBox* Beta2aCheck = nullptr;
    TFnpNumericEdit* editBeta2a = nullptr;
    QCheckBox* Beta2bCheck = nullptr;
    TFnpNumericEdit* editBeta2b = nullptr;
    QCheckBox* GamaD1Check = nullptr;
    TFnpNumericEdit* editGamaD1 = nullptr;
    QCheckBox* GamaD2Check = nullptr;
    TFnpNumericEdit* editGamaD2 = nullptr;
    QCheckBox* GamaE1Check = nullptr;
    TFnpNumericEdit* editGamaE1 = nullptr;
    QCheckBox* GamaE2Check = nullptr;
    TFnpNumericEdit* editGamaE2 = nullptr;

    // Page "Máscara": freehand mask drawing.
    QCheckBox* desMascCheck = nullptr;
    QCheckBox* preMascCheck = nullptr;
    QRadioButton* radioPreTotal = nullptr;
    QRadioButton* radioPreParcial = nullptr;
    QPushButton* btnLimparDesenho = nullptr;

    // Legend panel.
    QFrame* pnlLegenda = nullptr;
    QFrame* Bevel1 = nullptr;
    std::array<QFrame*, 5> cx{};          // cx1 .. cx5, the colour boxes
    std::array<QLabel*, 5> lbRange{};     // lbRange1 .. lbRange5
    QPushButton* btnFechaLegenda = nullptr;

    // Wind tables panel.
    QFrame* pnlDadosVentos = nullptr;
    QLabel* tituloVentos = nullptr;
    WindGrid* gridVentos = nullptr;
    QLabel* lbVentosAusentes = nullptr;
    WindGrid* gridVentos2 = nullptr;
    QPushButton* btnVoltaParaCarta = nullptr;

    // Menu MainMenu1.
    QMenu* Arquivo = nullptr;
    QAction* CartaZenita1 = nullptr;
    QAction* RosadosVentos1 = nullptr;
    QAction* IncluirCidade1 = nullptr;
    QAction* Comparar1 = nullptr;
    QAction* Imprimir1 = nullptr;
    QAction* fechar = nullptr;
    QMenu* Editar1 = nullptr;
    QAction* Copiar1 = nullptr;
    QMenu* Analise1 = nullptr;
    QAction* DesempenhoMascara1 = nullptr;
    QMenu* Ajuda1 = nullptr;
    QAction* Sobre1 = nullptr;
    // Files beyond the printer and the clipboard: "Salvar imagem...",
    // "Exportar folha...", and the wind tables as text.
    QAction* SalvarImagem1 = nullptr;
    QAction* ExportarFolha1 = nullptr;
    QAction* SalvarTabelasVentos1 = nullptr;
    QAction* CopiarTabelasVentos1 = nullptr;

    // "Desempenho da máscara", created with the main window, shown on demand.
    TFormDesempenho* formDesempenho = nullptr;

    // The windows created at start-up after this one.
    TdlgRaioCarta* dlgRaioCarta = nullptr;
    QDialog* dlgSobre = nullptr;
    TdlgDupla* dlgDupla = nullptr;
    TFormNovaCidade* FormNovaCidade = nullptr;
};
