// TFormNovaCidade: the window that adds a city to the database from an hourly
// source file ("I&ncluir Nova Cidade" of the main window's menu).
//
// The window is created once and shown modally each time; every step of the
// import is the core's ImportSession, which this window drives and mirrors in
// its controls. It is set up before each exec(), not on activation: Qt
// activates a window again after every message box it shows.
//
// Layout: outer size 448 x 290 pixels (client 440 x 262 with the classic
// 4-pixel border and 20-pixel caption); positions are the client's, from its
// top-left corner.
#pragma once

#include "app/DialogsNotifier.h"
#include "app/Services.h"
#include "climate/ImportSession.h"
#include "climate/Seasons.h"
#include "widgets/FileChooser.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

class TFormNovaCidade : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOuterWidth = 448;
    static constexpr int kOuterHeight = 290;
    static constexpr int kClientWidth = 440;
    static constexpr int kClientHeight = 262;

    explicit TFormNovaCidade(const Services& services, QWidget* parent = nullptr);

    // ---- Controls ----
    QLabel* Label1 = nullptr;  // "Arquivo:"
    QLineEdit* edArquivo = nullptr;
    QPushButton* btBuscar = nullptr;
    QLabel* Label2 = nullptr;  // "Cidade:"
    QLineEdit* edCidade = nullptr;
    QLabel* Label3 = nullptr;  // "Latitude:"
    QLineEdit* edLatitude = nullptr;
    QLabel* Label4 = nullptr;  // "Longitude:"
    QLineEdit* edLongitude = nullptr;
    QLabel* Label5 = nullptr;   // "Dia:"
    QLabel* Label6 = nullptr;   // "Mês:"
    QLabel* Label11 = nullptr;  // "Hora:"
    QLabel* Label7 = nullptr;   // "Início da Primavera:"
    QLabel* Label8 = nullptr;   // "Início do Verão:"
    QLabel* Label9 = nullptr;   // "Início do Outono:"
    QLabel* Label10 = nullptr;  // "Início do Inverno:"
    QLineEdit* dia_p = nullptr;
    QLineEdit* mes_p = nullptr;
    QLineEdit* hora_p = nullptr;
    QLineEdit* dia_v = nullptr;
    QLineEdit* mes_v = nullptr;
    QLineEdit* hora_v = nullptr;
    QLineEdit* dia_o = nullptr;
    QLineEdit* mes_o = nullptr;
    QLineEdit* hora_o = nullptr;
    QLineEdit* dia_i = nullptr;
    QLineEdit* mes_i = nullptr;
    QLineEdit* hora_i = nullptr;
    QPushButton* btIncluir = nullptr;
    QPushButton* btFechar = nullptr;

    // The file chooser's filters and default suffix.
    OpenFileRequest OpenDialog1;

    // The season start edits by season (spring, summer, autumn, winter):
    // day, month, hour.
    std::array<std::array<QLineEdit*, 3>, climate::kSeasonCount> seasonEdits() const;
    climate::SeasonStartTexts seasonStartTexts() const;

    // A city was added since the window was last set up.
    bool cidadeIncluida() const { return session_.cityAdded(); }

    // Sets the window up (FormActivate), then runs it modally.
    int exec() override;
    // The same with sourcePath chosen as "Buscar" chooses a file: its checks,
    // its messages, and the fields filled when they pass.
    int execOn(const QString& sourcePath);

    // ---- Handlers ----
    // Empties the file, city, latitude and longitude fields, disables
    // "Incluir Cidade" and forgets any city added; the season edits keep
    // what was typed.
    void FormActivate();
    // Chooses and checks the source; then the season edits that still hold
    // the other hemisphere's defaults turn to those of the source's
    // hemisphere (ImportSession::seasonHemisphere).
    void btBuscarClick();
    void btIncluirClick();
    void btFecharClick();
    // The modal result of closing, by "Fechar", Esc or the close box alike:
    // OK exactly when a city was added.
    int FormClose() const;
    void done(int result) override;

private:
    // Copies the session's fields into the controls.
    void showSession();
    // "Buscar" after the file dialog: checks the source and shows it.
    void chooseSource(const QString& path);
    // Runs a handler; an exception that escapes it is shown as "Erro!".
    template <class Handler>
    void guarded(Handler&& handler);

    Services services_;
    DialogsNotifier notifier_;
    climate::ImportSession session_;
};
