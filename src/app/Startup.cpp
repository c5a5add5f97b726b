#include "app/Startup.h"

#include "app/Assets.h"
#include "app/CommandLine.h"
#include "app/DatabaseLocation.h"
#include "app/LaunchArguments.h"
#include "app/WindowStart.h"
#include "app/UNovaCidade.h"
#include "app/USobre.h"
#include "app/USplash.h"
#include "app/UZenita.h"
#include "canvas/Canvas.h"
#include "output/Clipboard.h"
#include "printer/QtPrinters.h"
#include "widgets/Dialogs.h"
#include "widgets/FileChooser.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTextStream>
#include <QTranslator>

#include <clocale>
#include <exception>
#include <memory>

void fixNumberLocale() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

namespace {

void loadPortugueseTexts(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_pt_BR"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

int runWindows(QApplication& app, const DatabaseFolder& database,
               const std::optional<QString>& importFile) {
    MessageBoxDialogs dialogs;
    const std::unique_ptr<output::Printer> printer = output::makeSystemPrinter();
    const std::unique_ptr<output::Clipboard> clipboard = output::makeSystemClipboard();
    Services services;
    services.baseDirectory = database.path;
    services.dialogs = &dialogs;
    services.printer = printer.get();
    services.clipboard = clipboard.get();
    DialogFileChooser fileChooser;
    services.fileChooser = &fileChooser;

    // The windows, in their order of creation.
    TFormZenita formZenita(services);
    dialogs.setParent(&formZenita);
    TdlgRaioCarta dlgRaioCarta(&formZenita);
    TdlgSobre dlgSobre(&formZenita);
    TdlgDupla dlgDupla(&formZenita);
    formZenita.controls().dlgRaioCarta = &dlgRaioCarta;
    formZenita.controls().dlgSobre = &dlgSobre;
    formZenita.controls().dlgDupla = &dlgDupla;
    TFormNovaCidade formNovaCidade(services, &formZenita);
    formZenita.controls().FormNovaCidade = &formNovaCidade;

    {
        TSplashForm splash;
        splash.exec();
    }
    formZenita.show();
    queueWindowStart(formZenita, database.warning, importFile);
    return app.exec();
}

}  // namespace

int runZenita(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const Launch launch = classifyLaunch(arguments);
    if (const std::optional<int> status = answerWithoutStarting(launch)) {
        return *status;
    }
    const bool headless = launch.mode == LaunchMode::Command;
    if (headless) {
        prepareHeadless();
    }
    QApplication app(argc, argv);
    fixNumberLocale();
    QApplication::setApplicationName(QStringLiteral("ZENITA"));
    QFont windowFont(Canvas::fontFamily());
    windowFont.setPointSize(8);
    QApplication::setFont(windowFont);
    loadPortugueseTexts(app);
    QGuiApplication::setDesktopFileName(QStringLiteral(ZENITA_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    DatabaseFolder database;
    try {
        database = openDatabaseFolder(launch.databaseFolder, runningPlaces());
    } catch (const BadDatabaseFolder& error) {
        QTextStream(stderr) << "zenita: " << error.what() << Qt::endl;
        return 2;
    }
    if (headless) {
        if (!database.warning.isEmpty()) {
            QTextStream(stderr) << "zenita: " << database.warning << Qt::endl;
        }
        return runCommandLine(withoutDatabaseOption(QApplication::arguments()), database.path);
    }
    try {
        return runWindows(app, database, launch.importFile);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("ZENITA"), QString::fromUtf8(error.what()));
        return 1;
    }
}
