// Construction of the main window: every control at its place with its
// caption, items and initial state, the menu, and the wiring of handlers.
#include "app/UZenita.h"

#include "app/Assets.h"
#include "app/ChartReadoutBar.h"
#include "app/ToolTips.h"
#include "app/UDesempenho.h"
#include "overlay/HalfYear.h"
#include "overlay/ValueClasses.h"
#include "widgets/Dialogs.h"
#include "wind/Seasons.h"
#include "wind/WindFile.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>
#include <QTimer>

#include <algorithm>

namespace {

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

QStringList utf8List(const auto& texts) {
    QStringList list;
    for (const char* text : texts) {
        list << utf8(text);
    }
    return list;
}

constexpr int kClientWidth = 703;
constexpr int kClientHeight = 478;
constexpr int kChartSize = 460;

template <class W>
W* place(W* widget, int left, int top, int width = -1, int height = -1) {
    if (width < 0) {
        widget->adjustSize();
        width = widget->width();
    }
    if (height < 0) {
        height = widget->sizeHint().height();
    }
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* pictogram(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top, width, height);
    label->setPixmap(QPixmap::fromImage(loadAsset(QString::fromLatin1(name))));
    label->setScaledContents(false);
    return label;
}

QCheckBox* checkBox(QWidget* parent, const QString& caption, int left, int top) {
    return place(new QCheckBox(caption, parent), left, top);
}

// The design's captions fit the old 8-point face; the sans face here runs
// wider. Captions that would reach the box at `right` share one narrowing of
// the face (the same 8 points, condensed), the least that ends each of them
// two pixels short of the box, and take their width at that face.
void fitCaptions(std::initializer_list<QWidget*> captions, int right) {
    QFont font = (*captions.begin())->font();
    const auto fit = [&] {
        return std::all_of(captions.begin(), captions.end(), [right](const QWidget* c) {
            return c->x() + c->sizeHint().width() <= right - 2;
        });
    };
    for (int stretch = 99; stretch >= 50 && !fit(); --stretch) {
        font.setStretch(stretch);
        for (QWidget* caption : captions) {
            caption->setFont(font);
        }
    }
    for (QWidget* caption : captions) {
        caption->resize(caption->sizeHint().width(), caption->height());
    }
}

QLabel* label(QWidget* parent, const QString& caption, int left, int top) {
    return place(new QLabel(caption, parent), left, top);
}

TFnpNumericEdit* numericEdit(QWidget* parent, double maximum, int left, int top, int width) {
    auto* edit = new TFnpNumericEdit(parent);
    edit->setMaxValue(maximum);
    edit->setGeometry(left, top, width, 21);
    return edit;
}

DropDownList* dropDown(QWidget* parent, const QStringList& items, int left, int top, int width) {
    auto* list = new DropDownList(parent);
    list->addItems(items);
    list->setGeometry(left, top, width, 21);
    return list;
}

QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width = 75,
                    int height = 25) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(left, top, width, height);
    return b;
}

}  // namespace

TFormZenita::TFormZenita(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("FormZenita"));
    setWindowTitle(QStringLiteral("ZENITA 6.2"));
    QFont windowFont(Canvas::fontFamily());
    windowFont.setPointSize(8);
    setFont(windowFont);
    buildControls();
    buildMenu();
    formDesempenho = new TFormDesempenho(services_.clipboard, this);
    FormCreate();
    connectHandlers();
    connectChartHandlers();
    readoutBar_ = new ChartReadoutBar(*this);
    installToolTips(controls());
    // The client area is fixed; the menu bar comes on top of it and the
    // readout below, each as tall as the platform draws it.
    centralWidget()->setFixedSize(kClientWidth, kClientHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TFormZenita::~TFormZenita() = default;

void TFormZenita::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // Stacking order, bottom to top: imagem, the pictograms, imagem4, imagem2,
    // imagem3 (which takes the mouse), then the hidden composition image and
    // the wind view that covers the chart area when shown.
    imagem = new ImageLayer(kChartSize, kChartSize, false, client);
    imagem->setObjectName(QStringLiteral("imagem"));
    imagem->move(8, 8);
    IAlfaInterno = pictogram(client, "IAlfaInterno", 388, 8, 80, 75);
    IAlfaExterno = pictogram(client, "IAlfaExterno", 388, 8, 80, 75);
    IBetaInterno = pictogram(client, "IBetaInterno", 388, 418, 80, 50);
    IBetaExterno = pictogram(client, "IBetaExterno", 388, 418, 80, 50);
    IGamaInterno = pictogram(client, "IGamaInterno", 8, 410, 81, 58);
    IGamaExterno = pictogram(client, "IGamaExterno", 8, 410, 81, 58);
    IAlfaExterno->hide();
    IBetaExterno->hide();
    IGamaExterno->hide();
    imagem4 = new ImageLayer(kChartSize, kChartSize, true, client);
    imagem4->setObjectName(QStringLiteral("imagem4"));
    imagem2 = new ImageLayer(kChartSize, kChartSize, true, client);
    imagem2->setObjectName(QStringLiteral("imagem2"));
    imagem3 = new ImageLayer(kChartSize, kChartSize, true, client);
    imagem3->setObjectName(QStringLiteral("imagem3"));
    for (ImageLayer* layer : {imagem4, imagem2, imagem3}) {
        layer->move(8, 8);
    }
    imagem4->setAttribute(Qt::WA_TransparentForMouseEvents);
    imagem2->setAttribute(Qt::WA_TransparentForMouseEvents);
    imagemCompleta = new ImageLayer(kChartSize, kChartSize, false, client);
    imagemCompleta->setObjectName(QStringLiteral("imagemCompleta"));
    imagemCompleta->move(8, 8);
    imagemCompleta->hide();

    pnlVentos = new QFrame(client);
    pnlVentos->setObjectName(QStringLiteral("pnlVentos"));
    pnlVentos->setGeometry(0, 3, 474, 472);
    pnlVentos->setAutoFillBackground(true);
    imVentos = new ImageLayer(kChartSize, kChartSize, false, pnlVentos);
    imVentos->setObjectName(QStringLiteral("imVentos"));
    imVentos->move(8, 5);

    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(480, 8, 217, 465);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    buildInputPanel();
    buildAnglePages();
    buildLegendPanel();
    buildWindPanel();
}

void TFormZenita::buildInputPanel() {
    QWidget* p = Panel1;
    ckTrajetoria = checkBox(p, QStringLiteral("Trajetória Zenita"), 8, 8);
    ckTrajetoria->setChecked(true);
    Label3 = label(p, QStringLiteral("Cidade :"), 8, 33);
    cmbCidades = dropDown(p,
                          {QStringLiteral("Nenhum"), QStringLiteral("Brasília"),
                           QStringLiteral("Florianópolis"), QStringLiteral("São Paulo")},
                          56, 28, 152);
    cmbCidades->setCurrentIndex(0);
    Label1 = label(p, QStringLiteral("Latitude :"), 8, 57);
    editLatitude = new QLineEdit(p);
    editLatitude->setGeometry(56, 53, 45, 21);
    TransferidorCheck = checkBox(p, QStringLiteral("Transferidor       Orientação :"), 8, 90);
    TransferidorCheck->setChecked(true);
    editOrient = numericEdit(p, 360.0, 165, 88, 45);
    fitCaptions({TransferidorCheck}, editOrient->x());
    Label2 = label(p, QStringLiteral("Ângulo de Referência:"), 8, 119);
    rgAngulos = dropDown(p, {QStringLiteral("Interna"), QStringLiteral("Externa")}, 118, 115, 91);
    rgAngulos->setCurrentIndex(0);

    PageControl1 = new QTabWidget(p);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 144, 203, 161);
    PageControl1->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 7px; }"));

    ckPontos = place(new QCheckBox(p), 8, 314, 73, 17);
    cmbTipoDados = dropDown(p,
                            {utf8(overlay::quantityName(overlay::Quantity::Temperature)),
                             utf8(overlay::quantityName(overlay::Quantity::GlobalHorizontalRadiation)),
                             utf8(overlay::quantityName(overlay::Quantity::DirectNormalRadiation))},
                            27, 312, 182);
    btnLegenda = button(p, QStringLiteral("Legenda"), 8, 336, 65, 21);
    rgPeriodo = dropDown(p, {utf8(overlay::halfYearName(0)), utf8(overlay::halfYearName(1))}, 80,
                         336, 129);
    pontos = button(p, QStringLiteral("&Pontos"), 47, 338);
    pontos->hide();
    pontos->setEnabled(false);
    novo = button(p, QStringLiteral("&Novo"), 165, 167);
    novo->hide();
    plotar = button(p, QStringLiteral("Atualizar &Carta Zenita"), 15, 368, 186, 23);
    btnPlotarVentos = button(p, QStringLiteral("&Rosa dos Ventos"), 15, 408, 186, 23);
    rgVentos = dropDown(p, {utf8(wind::kModeNames[0]), utf8(wind::kModeNames[1])}, 16, 436, 185);
    rgVentos->setCurrentIndex(0);
}

void TFormZenita::buildAnglePages() {
    constexpr int kCheckLeft = 4;
    constexpr int kEditLeft = 146;
    constexpr int kEditWidth = 45;
    const std::array<int, 4> rowTops{10, 36, 62, 88};
    auto row = [&](QWidget* page, int index, const QString& caption, QCheckBox*& check,
                   TFnpNumericEdit*& edit) {
        check = checkBox(page, caption, kCheckLeft, rowTops[index] + 2);
        edit = numericEdit(page, 90.0, kEditLeft, rowTops[index], kEditWidth);
        edit->setEnabled(false);
    };

    auto* alfa = new QWidget();
    row(alfa, 0, QStringLiteral("Ângulo Alfa 1 :"), Alfa1Check, editAlfa1);
    row(alfa, 1, QStringLiteral("Ângulo Alfa 2 :"), Alfa2Check, editAlfa2);
    Alfa2Check->setEnabled(false);
    PageControl1->addTab(alfa, QStringLiteral("Alfa"));
    // On its page a caption takes the window's font: fitted from here on.
    fitCaptions({Alfa1Check, Alfa2Check}, kEditLeft);

    auto* beta = new QWidget();
    row(beta, 0, QStringLiteral("Ângulo Beta Direita 1 :"), Beta1aCheck, editBeta1a);
    row(beta, 1, QStringLiteral("Ângulo Beta Direita 2 :"), Beta1bCheck, editBeta1b);
    row(beta, 2, QStringLiteral("Ângulo Beta Esquerda 1 :"), Beta2aCheck, editBeta2a);
    row(beta, 3, QStringLiteral("Ângulo Beta Esquerda 2 :"), Beta2bCheck, editBeta2b);
    Beta1bCheck->setEnabled(false);
    Beta2bCheck->setEnabled(false);
    PageControl1->addTab(beta, QStringLiteral("Beta"));
    fitCaptions({Beta1aCheck, Beta1bCheck, Beta2aCheck, Beta2bCheck}, kEditLeft);

    auto* gama = new QWidget();
    row(gama, 0, QStringLiteral("Ângulo Gama Direita 1:"), GamaD1Check, editGamaD1);
    row(gama, 1, QStringLiteral("Ângulo Gama Direita 2:"), GamaD2Check, editGamaD2);
    row(gama, 2, QStringLiteral("Ângulo Gama Esquerda 1:"), GamaE1Check, editGamaE1);
    row(gama, 3, QStringLiteral("Ângulo Gama Esquerda 2:"), GamaE2Check, editGamaE2);
    GamaD2Check->setEnabled(false);
    GamaE2Check->setEnabled(false);
    PageControl1->addTab(gama, QStringLiteral("Gama"));
    fitCaptions({GamaD1Check, GamaD2Check, GamaE1Check, GamaE2Check}, kEditLeft);

    auto* mascara = new QWidget();
    desMascCheck = checkBox(mascara, QStringLiteral("Desenhar reta"), 8, 10);
    preMascCheck = checkBox(mascara, QStringLiteral("Preencher :"), 8, 36);
    preMascCheck->setEnabled(false);
    radioPreTotal = place(new QRadioButton(QStringLiteral("Total (vermelho)"), mascara), 24, 58);
    radioPreParcial =
        place(new QRadioButton(QStringLiteral("Parcial (amarelo)"), mascara), 24, 78);
    radioPreTotal->setChecked(true);
    btnLimparDesenho = button(mascara, QStringLiteral("Limpar"), 110, 100, 75, 23);
    PageControl1->addTab(mascara, QStringLiteral("Máscara"));
    PageControl1->setCurrentIndex(0);
}

void TFormZenita::buildLegendPanel() {
    pnlLegenda = new QFrame(Panel1);
    pnlLegenda->setObjectName(QStringLiteral("pnlLegenda"));
    pnlLegenda->setGeometry(8, 112, 203, 195);
    pnlLegenda->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlLegenda->setAutoFillBackground(true);
    QPalette white = pnlLegenda->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlLegenda->setPalette(white);
    Bevel1 = new QFrame(pnlLegenda);
    Bevel1->setGeometry(8, 8, 188, 161);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    const std::array<int, 5> boxTops{16, 44, 76, 108, 140};
    QFont bold = font();
    bold.setBold(true);
    for (std::size_t i = 0; i < boxTops.size(); ++i) {
        cx[i] = new QFrame(pnlLegenda);
        cx[i]->setObjectName(QStringLiteral("cx%1").arg(i + 1));
        cx[i]->setGeometry(16, boxTops[i], 33, 17);
        cx[i]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        cx[i]->setAutoFillBackground(true);
        lbRange[i] = place(new QLabel(pnlLegenda), 54, boxTops[i] + 2, 140, 15);
        lbRange[i]->setObjectName(QStringLiteral("lbRange%1").arg(i + 1));
        lbRange[i]->setFont(bold);
    }
    // As designed the captions hold the temperature texts until the legend is filled.
    const std::array<const char*, 5> designCaptions{
        "TBS <= 10°C", "10°C < TBS <= 14°C", "14°C < TBS <= 20°C", "20°C < TBS <= 25°C",
        "TBS > 25°C"};
    for (std::size_t i = 0; i < designCaptions.size(); ++i) {
        lbRange[i]->setText(QString::fromUtf8(designCaptions[i]));
    }
    btnFechaLegenda = button(pnlLegenda, QStringLiteral("Fechar Legenda"), 55, 173, 90, 17);
    pnlLegenda->hide();
}

void TFormZenita::buildWindPanel() {
    pnlDadosVentos = new QFrame(Panel1);
    pnlDadosVentos->setObjectName(QStringLiteral("pnlDadosVentos"));
    pnlDadosVentos->setGeometry(5, 52, 207, 345);
    pnlDadosVentos->setAutoFillBackground(true);
    tituloVentos = place(new QLabel(QStringLiteral(" "), pnlDadosVentos), 8, 4, 190, 16);
    QFont bold = font();
    bold.setBold(true);
    tituloVentos->setFont(bold);
    gridVentos = new WindGrid(5, 9, pnlDadosVentos);
    gridVentos->setColumnWidths({38, 38, 38, 38, 38});
    gridVentos->setRowHeights(std::vector<int>(9, 18));
    gridVentos->setHeaders(wind::seasonLetters(), utf8List(wind::kDirectionNames));
    gridVentos->setGeometry(8, 22, 38 * 5 + 2, 18 * 9 + 2);
    lbVentosAusentes =
        place(new QLabel(utf8(wind::kCalmCaption), pnlDadosVentos), 8, 194);
    lbVentosAusentes->setFont(bold);
    lbVentosAusentes->adjustSize();
    gridVentos2 = new WindGrid(5, 5, pnlDadosVentos);
    gridVentos2->setColumnWidths({60, 33, 33, 33, 33});
    gridVentos2->setRowHeights({18, 17, 18, 18, 18});
    gridVentos2->setHeaders(wind::seasonLetters(), utf8List(wind::kDayPeriodNames));
    gridVentos2->setGeometry(8, 212, 60 + 33 * 4 + 2, 18 + 17 + 18 * 3 + 2);
    btnVoltaParaCarta =
        button(pnlDadosVentos, QStringLiteral("Retornar para &Carta Zenita"), 8, 312, 191, 25);
    pnlDadosVentos->hide();
}

void TFormZenita::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    Arquivo = bar->addMenu(QStringLiteral("&Arquivo"));
    CartaZenita1 = Arquivo->addAction(QStringLiteral("&Carta Zenita"));
    CartaZenita1->setCheckable(true);
    RosadosVentos1 = Arquivo->addAction(QStringLiteral("&Rosa dos Ventos"));
    RosadosVentos1->setCheckable(true);
    Arquivo->addSeparator();
    IncluirCidade1 = Arquivo->addAction(QStringLiteral("I&ncluir Nova Cidade"));
    Arquivo->addSeparator();
    Comparar1 = Arquivo->addAction(QStringLiteral("Co&mparar"));
    Arquivo->addSeparator();
    Imprimir1 = Arquivo->addAction(QStringLiteral("&Imprimir"));
    Arquivo->addSeparator();
    fechar = Arquivo->addAction(QStringLiteral("&Fechar"));
    Editar1 = bar->addMenu(QStringLiteral("&Editar"));
    Copiar1 = Editar1->addAction(QStringLiteral("&Copiar"));
    Analise1 = bar->addMenu(QStringLiteral("A&nálise"));
    DesempenhoMascara1 = Analise1->addAction(QStringLiteral("Desempenho da máscara"));
    Ajuda1 = bar->addMenu(QStringLiteral("A&juda"));
    Sobre1 = Ajuda1->addAction(QStringLiteral("&Sobre"));
    buildSheetMenu();
    Imprimir1->setEnabled(false);
    Copiar1->setEnabled(false);
}

void TFormZenita::showException(const std::exception& error) {
    if (services_.dialogs) {
        services_.dialogs->show(MessageKind::Error, QString::fromUtf8(error.what()));
    }
}

void TFormZenita::connectHandlers() {
    bind(CartaZenita1, &QAction::triggered, &TFormZenita::CartaZenita1Click);
    bind(RosadosVentos1, &QAction::triggered, &TFormZenita::RosadosVentos1Click);
    bind(btnVoltaParaCarta, &QPushButton::clicked, &TFormZenita::btnVoltaParaCartaClick);
    bind(Sobre1, &QAction::triggered, &TFormZenita::Sobre1Click);
    bind(DesempenhoMascara1, &QAction::triggered, &TFormZenita::DesempenhoMascara1Click);
    bind(fechar, &QAction::triggered, &TFormZenita::fecharClick);
    bind(novo, &QPushButton::clicked, &TFormZenita::novoClick);
    connectOutputHandlers();
    connectSheetHandlers();
    connectCityHandlers();
    connectOverlayHandlers();
    connectWindHandlers();
}

void TFormZenita::refreshImages() {
    for (ImageLayer* layer : {imagem, imagem4, imagem2, imagem3, imagemCompleta, imVentos}) {
        layer->refresh();
    }
    updateMaskPerformance();
}

void TFormZenita::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_) {
        // Activation loads the city list once, after the window is first shown;
        // message boxes and dialogs that later give the focus back do not.
        activated_ = true;
        QTimer::singleShot(0, this, [this] { handle([this] { FormActivate(); }); });
    }
}

void TFormZenita::closeEvent(QCloseEvent* event) {
    FormClose();
    QMainWindow::closeEvent(event);
}
