#include "app/UNovaCidade.h"

#include "app/ToolTips.h"
#include "climate/Messages.h"

#include <QFont>
#include <QFontMetrics>

#include <exception>

namespace {

// The design's widths fit the old 8-point face; the bold sans face here runs
// wider, so a caption that would be cut is narrowed to its width instead.
QLabel* boldLabel(QWidget* parent, const QString& caption, int left, int top, int width) {
    auto* label = new QLabel(caption, parent);
    QFont font = label->font();
    font.setBold(true);
    for (int stretch = 99; stretch >= 50 && QFontMetrics(font).horizontalAdvance(caption) > width;
         --stretch) {
        font.setStretch(stretch);
    }
    label->setFont(font);
    label->setGeometry(left, top, width, 13);
    return label;
}

QPushButton* boldButton(QWidget* parent, const QString& caption, int left, int top, int width) {
    auto* button = new QPushButton(caption, parent);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    button->setGeometry(left, top, width, 25);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* edit(QWidget* parent, const char* name, const char* text, int left, int top, int width) {
    auto* line = new QLineEdit(QString::fromUtf8(text), parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(left, top, width, 21);
    return line;
}

}  // namespace

TFormNovaCidade::TFormNovaCidade(const Services& services, QWidget* parent)
    : QDialog(parent),
      services_(services),
      notifier_(*services.dialogs),
      session_(services.baseDirectory, notifier_) {
    setObjectName(QStringLiteral("FormNovaCidade"));
    setWindowTitle(QStringLiteral("ZENITA 6.2"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);

    Label1 = boldLabel(this, QStringLiteral("Arquivo:"), 8, 8, 48);
    edArquivo = edit(this, "edArquivo", "", 8, 24, 357);
    edArquivo->setEnabled(false);
    btBuscar = boldButton(this, QStringLiteral("Buscar"), 371, 22, 60);
    btBuscar->setObjectName(QStringLiteral("btBuscar"));
    Label2 = boldLabel(this, QStringLiteral("Cidade:"), 8, 56, 44);
    edCidade = edit(this, "edCidade", "", 8, 72, 289);
    edCidade->setEnabled(false);
    Label3 = boldLabel(this, QStringLiteral("Latitude:"), 304, 56, 51);
    edLatitude = edit(this, "edLatitude", "", 304, 72, 60);
    edLatitude->setEnabled(false);
    Label4 = boldLabel(this, QStringLiteral("Longitude:"), 371, 56, 61);
    edLongitude = edit(this, "edLongitude", "", 371, 72, 60);
    edLongitude->setEnabled(false);

    Label5 = boldLabel(this, QStringLiteral("Dia:"), 125, 104, 49);
    Label6 = boldLabel(this, QStringLiteral("Mês:"), 180, 104, 49);
    Label11 = boldLabel(this, QStringLiteral("Hora:"), 236, 104, 49);
    Label7 = boldLabel(this, QStringLiteral("Início da Primavera:"), 8, 124, 116);
    Label8 = boldLabel(this, QStringLiteral("Início do Verão:"), 8, 156, 93);
    Label9 = boldLabel(this, QStringLiteral("Início do Outono:"), 8, 188, 101);
    Label10 = boldLabel(this, QStringLiteral("Início do Inverno:"), 8, 220, 103);

    const auto& d = climate::kDefaultSeasonStarts;
    dia_p = edit(this, "dia_p", d[0].day, 125, 120, 49);
    mes_p = edit(this, "mes_p", d[0].month, 180, 120, 49);
    hora_p = edit(this, "hora_p", d[0].hour, 236, 120, 49);
    dia_v = edit(this, "dia_v", d[1].day, 125, 152, 49);
    mes_v = edit(this, "mes_v", d[1].month, 180, 152, 49);
    hora_v = edit(this, "hora_v", d[1].hour, 236, 152, 49);
    dia_o = edit(this, "dia_o", d[2].day, 125, 184, 49);
    mes_o = edit(this, "mes_o", d[2].month, 180, 184, 49);
    hora_o = edit(this, "hora_o", d[2].hour, 236, 184, 49);
    dia_i = edit(this, "dia_i", d[3].day, 125, 216, 49);
    mes_i = edit(this, "mes_i", d[3].month, 180, 216, 49);
    hora_i = edit(this, "hora_i", d[3].hour, 236, 216, 49);

    btIncluir = boldButton(this, QStringLiteral("Incluir Cidade"), 304, 181, 127);
    btIncluir->setObjectName(QStringLiteral("btIncluir"));
    btIncluir->setEnabled(false);
    btFechar = boldButton(this, QStringLiteral("Fechar"), 304, 213, 127);
    btFechar->setObjectName(QStringLiteral("btFechar"));

    // Tab order 0 to 18.
    QWidget* const order[] = {dia_p,     dia_v,    dia_o,      dia_i,       mes_p,
                              mes_v,     mes_o,    mes_i,      edArquivo,   btBuscar,
                              btIncluir, edCidade, edLatitude, edLongitude, btFechar,
                              hora_p,    hora_v,   hora_o,     hora_i};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }

    // Both formats are shown at first: a person with an EPW file should not
    // have to find the filter that reveals it.
    OpenDialog1.nameFilters = {QStringLiteral("csv (*.csv)"), QStringLiteral("epw (*.epw)"),
                               QStringLiteral("csv e epw (*.csv *.epw)")};
    OpenDialog1.selectedFilter = OpenDialog1.nameFilters.back();
    OpenDialog1.defaultSuffix = QStringLiteral("csv");

    connect(btBuscar, &QPushButton::clicked, this,
            [this] { guarded([this] { btBuscarClick(); }); });
    connect(btIncluir, &QPushButton::clicked, this,
            [this] { guarded([this] { btIncluirClick(); }); });
    connect(btFechar, &QPushButton::clicked, this,
            [this] { guarded([this] { btFecharClick(); }); });
    installToolTips(*this);
}

template <class Handler>
void TFormNovaCidade::guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        services_.dialogs->show(MessageKind::Error, climate::errorMessage(),
                                QString::fromUtf8(error.what()));
    }
}

std::array<std::array<QLineEdit*, 3>, climate::kSeasonCount> TFormNovaCidade::seasonEdits() const {
    return {{{dia_p, mes_p, hora_p},
             {dia_v, mes_v, hora_v},
             {dia_o, mes_o, hora_o},
             {dia_i, mes_i, hora_i}}};
}

climate::SeasonStartTexts TFormNovaCidade::seasonStartTexts() const {
    climate::SeasonStartTexts texts;
    const auto edits = seasonEdits();
    for (int s = 0; s < climate::kSeasonCount; ++s) {
        texts[s] = {edits[s][0]->text(), edits[s][1]->text(), edits[s][2]->text()};
    }
    return texts;
}

int TFormNovaCidade::exec() {
    FormActivate();
    return QDialog::exec();
}

int TFormNovaCidade::execOn(const QString& sourcePath) {
    FormActivate();
    guarded([&] { chooseSource(sourcePath); });
    return QDialog::exec();
}

void TFormNovaCidade::FormActivate() {
    session_.activate();
    showSession();
}

void TFormNovaCidade::showSession() {
    edArquivo->setText(session_.filePath());
    edCidade->setText(session_.cityName());
    edLatitude->setText(session_.latitudeText());
    edLongitude->setText(session_.longitudeText());
    // A text longer than its box shows its start, as a person reads it.
    for (QLineEdit* field : {edArquivo, edCidade, edLatitude, edLongitude}) {
        field->setCursorPosition(0);
    }
    btIncluir->setEnabled(session_.includeEnabled());
}

void TFormNovaCidade::btBuscarClick() {
    const std::optional<QString> path =
        services_.fileChooser ? services_.fileChooser->chooseFileToOpen(this, OpenDialog1)
                              : std::nullopt;
    if (path) {
        chooseSource(*path);
    }
}

void TFormNovaCidade::chooseSource(const QString& path) {
    // The file field empties and "Incluir Cidade" goes off before any message.
    edArquivo->clear();
    btIncluir->setEnabled(false);
    session_.choose(path);
    showSession();
    if (const auto hemisphere = session_.seasonHemisphere()) {
        const climate::SeasonStartTexts texts =
            climate::seasonStartTextsFor(*hemisphere, seasonStartTexts());
        const auto edits = seasonEdits();
        for (int s = 0; s < climate::kSeasonCount; ++s) {
            edits[s][0]->setText(texts[s].day);
            edits[s][1]->setText(texts[s].month);
            edits[s][2]->setText(texts[s].hour);
        }
    }
}

void TFormNovaCidade::btIncluirClick() {
    session_.include(seasonStartTexts());
    showSession();
}

void TFormNovaCidade::btFecharClick() {
    close();
}

int TFormNovaCidade::FormClose() const {
    return cidadeIncluida() ? Accepted : Rejected;
}

void TFormNovaCidade::done(int /*result*/) {
    QDialog::done(FormClose());
}
