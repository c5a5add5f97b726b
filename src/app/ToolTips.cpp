#include "app/ToolTips.h"

#include "app/UNovaCidade.h"
#include "app/ZenitaControls.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QWidget>

namespace {

// Why a control may be disabled: a fixed reason, or the chosen city's lack
// of a file, which reads differently with no city chosen.
enum class Reason { None, Fixed, NoHourlyFile, NoWindFile };

struct Tip {
    // The control in its window; nullptr in the other window.
    QObject* (*control)(ZenitaControls*, TFormNovaCidade*);
    const char* text;
    Reason reason = Reason::None;
    const char* whyDisabled = nullptr;  // with Reason::Fixed
};

template <auto Member>
QObject* inMain(ZenitaControls* c, TFormNovaCidade*) {
    return c ? c->*Member : nullptr;
}

template <auto Member>
QObject* inImport(ZenitaControls*, TFormNovaCidade* w) {
    return w ? w->*Member : nullptr;
}

using Z = ZenitaControls;
using N = TFormNovaCidade;

// clang-format off
const Tip kTips[] = {
    // ---- Main window: the chart's inputs ----
    {inMain<&Z::ckTrajetoria>, "Desenha as trajetórias do sol nas datas características e os círculos das horas."},
    {inMain<&Z::cmbCidades>, "Escolhe uma cidade da base: a carta toma a sua latitude; com arquivo horário, os dados sobre as trajetórias; com arquivo de ventos, a rosa dos ventos."},
    {inMain<&Z::editLatitude>, "Latitude de -65 a 65 graus, negativa ao sul. Enter atualiza a carta.",
     Reason::Fixed, "A latitude é a da cidade escolhida; escolha \"Nenhum\" para digitar outra."},
    {inMain<&Z::TransferidorCheck>, "Liga o transferidor e as máscaras de sombra da fachada com a orientação ao lado."},
    {inMain<&Z::editOrient>, "Orientação da fachada: o azimute da sua normal, de 0 a 360 graus a partir do norte, no sentido horário. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Transferidor\" para dar a orientação."},
    {inMain<&Z::rgAngulos>, "Referência dos ângulos: interna (alfa e beta a partir do plano da fachada, gama a partir da vertical) ou externa (alfa e gama a partir da horizontal, beta a partir da normal da fachada)."},
    {inMain<&Z::Alfa1Check>, "Ângulo vertical de uma proteção horizontal, como uma marquise: a máscara vai da sua curva até a fachada."},
    {inMain<&Z::editAlfa1>, "Ângulo alfa, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Alfa 1\" para digitar o ângulo."},
    {inMain<&Z::Alfa2Check>, "Um segundo ângulo alfa: a máscara fica entre as duas curvas.",
     Reason::Fixed, "Marque primeiro \"Ângulo Alfa 1\"."},
    {inMain<&Z::editAlfa2>, "Segundo ângulo alfa, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Alfa 2\" para digitar o ângulo."},
    {inMain<&Z::Beta1aCheck>, "Ângulo horizontal de uma proteção vertical, como um brise, à direita de quem olha de dentro para fora."},
    {inMain<&Z::editBeta1a>, "Ângulo beta à direita, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Beta Direita 1\" para digitar o ângulo."},
    {inMain<&Z::Beta1bCheck>, "Um segundo ângulo beta à direita: a máscara fica entre os dois raios.",
     Reason::Fixed, "Marque primeiro \"Ângulo Beta Direita 1\"."},
    {inMain<&Z::editBeta1b>, "Segundo ângulo beta à direita, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Beta Direita 2\" para digitar o ângulo."},
    {inMain<&Z::Beta2aCheck>, "Ângulo horizontal de uma proteção vertical, como um brise, à esquerda de quem olha de dentro para fora."},
    {inMain<&Z::editBeta2a>, "Ângulo beta à esquerda, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Beta Esquerda 1\" para digitar o ângulo."},
    {inMain<&Z::Beta2bCheck>, "Um segundo ângulo beta à esquerda: a máscara fica entre os dois raios.",
     Reason::Fixed, "Marque primeiro \"Ângulo Beta Esquerda 1\"."},
    {inMain<&Z::editBeta2b>, "Segundo ângulo beta à esquerda, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Beta Esquerda 2\" para digitar o ângulo."},
    {inMain<&Z::GamaD1Check>, "Limite lateral direito de uma proteção horizontal: o ângulo, visto na fachada, entre a horizontal e a reta do canto inferior da janela até a ponta da proteção."},
    {inMain<&Z::editGamaD1>, "Ângulo gama à direita, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Gama Direita 1\" para digitar o ângulo."},
    {inMain<&Z::GamaD2Check>, "Um segundo ângulo gama à direita: a máscara fica entre as duas curvas.",
     Reason::Fixed, "Marque primeiro \"Ângulo Gama Direita 1\"."},
    {inMain<&Z::editGamaD2>, "Segundo ângulo gama à direita, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Gama Direita 2\" para digitar o ângulo."},
    {inMain<&Z::GamaE1Check>, "Limite lateral esquerdo de uma proteção horizontal: o ângulo, visto na fachada, entre a horizontal e a reta do canto inferior da janela até a ponta da proteção."},
    {inMain<&Z::editGamaE1>, "Ângulo gama à esquerda, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Gama Esquerda 1\" para digitar o ângulo."},
    {inMain<&Z::GamaE2Check>, "Um segundo ângulo gama à esquerda: a máscara fica entre as duas curvas.",
     Reason::Fixed, "Marque primeiro \"Ângulo Gama Esquerda 1\"."},
    {inMain<&Z::editGamaE2>, "Segundo ângulo gama à esquerda, de 0 a 90 graus. Enter atualiza a carta.",
     Reason::Fixed, "Marque \"Ângulo Gama Esquerda 2\" para digitar o ângulo."},
    // ---- Main window: the freehand mask (the first two are the design's hints) ----
    {inMain<&Z::desMascCheck>, "Clicar início e fim da reta."},
    {inMain<&Z::preMascCheck>, "Clicar sob o local onde deve ser preenchido.",
     Reason::Fixed, "Marque primeiro \"Desenhar reta\"."},
    {inMain<&Z::radioPreTotal>, "Preenche de vermelho: sombra total."},
    {inMain<&Z::radioPreParcial>, "Preenche de amarelo: sombra parcial."},
    {inMain<&Z::btnLimparDesenho>, "Apaga o desenho à mão e atualiza a carta."},
    // ---- Main window: the hourly overlay ----
    {inMain<&Z::ckPontos>, "Mostra os dados horários da cidade ao longo das trajetórias do sol.",
     Reason::NoHourlyFile},
    {inMain<&Z::cmbTipoDados>, "O dado horário mostrado: temperatura de bulbo seco, radiação global horizontal ou radiação direta normal.",
     Reason::NoHourlyFile},
    {inMain<&Z::btnLegenda>, "Mostra as classes de valores e as suas cores.", Reason::NoHourlyFile},
    {inMain<&Z::rgPeriodo>, "O semestre dos dados horários e das datas das trajetórias.", Reason::NoHourlyFile},
    {inMain<&Z::btnFechaLegenda>, "Fecha a legenda."},
    // ---- Main window: commands ----
    {inMain<&Z::plotar>, "Desenha a carta solar com os valores ao lado."},
    {inMain<&Z::btnPlotarVentos>, "Desenha a rosa dos ventos da cidade, com as suas tabelas.", Reason::NoWindFile},
    {inMain<&Z::rgVentos>, "Rosa das velocidades predominantes ou das frequências de ocorrência.", Reason::NoWindFile},
    {inMain<&Z::btnVoltaParaCarta>, "Volta para a carta solar."},
    {inMain<&Z::Imprimir1>, "Imprime a carta ou a rosa dos ventos mostrada.",
     Reason::Fixed, "Nada desenhado nesta vista para imprimir."},
    {inMain<&Z::Copiar1>, "Copia a carta ou a rosa dos ventos mostrada como imagem.",
     Reason::Fixed, "Nada desenhado nesta vista para copiar."},
    {inMain<&Z::SalvarImagem1>, "Grava a carta ou a rosa dos ventos mostrada como imagem (PNG, JPEG, BMP) ou PDF.",
     Reason::Fixed, "Nada desenhado nesta vista para gravar."},
    {inMain<&Z::ExportarFolha1>, "Grava a folha de projeto: a carta em escala, os seus valores, a legenda e a rosa dos ventos.",
     Reason::Fixed, "Desenhe uma carta primeiro."},
    {inMain<&Z::SalvarTabelasVentos1>, "Grava as tabelas de ventos mostradas como CSV.",
     Reason::Fixed, "Desenhe uma rosa dos ventos primeiro."},
    {inMain<&Z::CopiarTabelasVentos1>, "Copia as tabelas de ventos mostradas como texto.",
     Reason::Fixed, "Desenhe uma rosa dos ventos primeiro."},
    {inMain<&Z::DesempenhoMascara1>, "Mostra quanto as máscaras sombreiam a fachada nas horas de sol do ano da cidade."},
    // ---- Import window ----
    {inImport<&N::btBuscar>, "Escolhe o arquivo horário da cidade: formato regional (\"Localização\") ou EnergyPlus (.epw)."},
    {inImport<&N::edArquivo>, "O arquivo horário escolhido.",
     Reason::Fixed, "Preenchido por \"Buscar\"."},
    {inImport<&N::edCidade>, "O nome da cidade, lido do arquivo.",
     Reason::Fixed, "Preenchido por \"Buscar\"."},
    {inImport<&N::edLatitude>, "A latitude da cidade, lida do arquivo.",
     Reason::Fixed, "Preenchida por \"Buscar\"."},
    {inImport<&N::edLongitude>, "A longitude da cidade, lida do arquivo (positiva a oeste).",
     Reason::Fixed, "Preenchida por \"Buscar\"."},
    {inImport<&N::dia_p>, "Dia do início da Primavera no arquivo."},
    {inImport<&N::mes_p>, "Mês do início da Primavera no arquivo."},
    {inImport<&N::hora_p>, "Hora do início da Primavera no arquivo."},
    {inImport<&N::dia_v>, "Dia do início do Verão no arquivo."},
    {inImport<&N::mes_v>, "Mês do início do Verão no arquivo."},
    {inImport<&N::hora_v>, "Hora do início do Verão no arquivo."},
    {inImport<&N::dia_o>, "Dia do início do Outono no arquivo."},
    {inImport<&N::mes_o>, "Mês do início do Outono no arquivo."},
    {inImport<&N::hora_o>, "Hora do início do Outono no arquivo."},
    {inImport<&N::dia_i>, "Dia do início do Inverno no arquivo."},
    {inImport<&N::mes_i>, "Mês do início do Inverno no arquivo."},
    {inImport<&N::hora_i>, "Hora do início do Inverno no arquivo."},
    {inImport<&N::btIncluir>, "Grava a cidade na base: os seus dados horários, as estatísticas dos ventos e a linha do índice.",
     Reason::Fixed, "Escolha antes, com \"Buscar\", um arquivo que passe nas verificações."},
    {inImport<&N::btFechar>, "Fecha esta janela."},
};
// clang-format on

// Keeps each control's tooltip true to its state: set at once, again when the
// control is enabled or disabled, and just before it is shown.
class ToolTipKeeper : public QObject {
public:
    ToolTipKeeper(QObject* parent, const ZenitaControls* main) : QObject(parent), main_(main) {
        // A control that stays disabled from one city to the next gives the
        // new city's reason.
        if (main_) {
            connect(main_->cmbCidades, &QComboBox::currentIndexChanged, this, [this] {
                for (auto i = tips_.cbegin(); i != tips_.cend(); ++i) {
                    refresh(i.key());
                }
            });
        }
    }

    void watch(QObject* control, const Tip& tip) {
        tips_.insert(control, &tip);
        connect(control, &QObject::destroyed, this, [this, control] { tips_.remove(control); });
        refresh(control);
        if (auto* action = qobject_cast<QAction*>(control)) {
            connect(action, &QAction::enabledChanged, this, [this, action] { refresh(action); });
        } else {
            control->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ToolTip) {
            refresh(watched);
        }
        return false;
    }

private:
    void refresh(QObject* control) {
        const Tip* tip = tips_.value(control);
        if (!tip) {
            return;
        }
        QString text = QString::fromUtf8(tip->text);
        const bool enabled = control->property("enabled").toBool();
        const QString why = whyDisabled(*tip);
        if (!enabled && !why.isEmpty()) {
            text += u'\n' + why;
        }
        control->setProperty("toolTip", text);
    }

    QString whyDisabled(const Tip& tip) const {
        const bool noCity = main_ && main_->cmbCidades && main_->cmbCidades->currentIndex() <= 0;
        switch (tip.reason) {
            case Reason::None:
                return {};
            case Reason::Fixed:
                return QString::fromUtf8(tip.whyDisabled);
            case Reason::NoHourlyFile:
                return noCity ? QStringLiteral("Escolha uma cidade com arquivo horário.")
                              : QStringLiteral("Esta cidade não tem arquivo horário.");
            case Reason::NoWindFile:
                return noCity ? QStringLiteral("Escolha uma cidade com arquivo de ventos.")
                              : QStringLiteral("Esta cidade não tem arquivo de ventos.");
        }
        return {};
    }

    const ZenitaControls* main_;
    QHash<QObject*, const Tip*> tips_;
};

void install(QObject* owner, ZenitaControls* main, TFormNovaCidade* import) {
    auto* keeper = new ToolTipKeeper(owner, main);
    for (const Tip& tip : kTips) {
        if (QObject* control = tip.control(main, import)) {
            keeper->watch(control, tip);
        }
    }
}

}  // namespace

void installToolTips(ZenitaControls& controls) {
    install(controls.Panel1, &controls, nullptr);
    // The menu shows the tooltips of the items that have one.
    controls.Arquivo->setToolTipsVisible(true);
    controls.Editar1->setToolTipsVisible(true);
    controls.Analise1->setToolTipsVisible(true);
}

void installToolTips(TFormNovaCidade& window) {
    install(&window, nullptr, &window);
}
