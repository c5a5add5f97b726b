#include "app/Startup.h"

#include "app/CommandLine.h"
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

int runWindows(QApplication& app) {
    MessageBoxDialogs dialogs;
    const std::unique_ptr<output::Printer> printer = output::makeSystemPrinter();
    const std::unique_ptr<output::Clipboard> clipboard = output::makeSystemClipboard();
    Services services;
    services.baseDirectory = QApplication::applicationDirPath();
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
    return app.exec();
}

}  // namespace

int runZenita(int argc, char** argv) {
    const bool headless = isCommandLineRun(argc, argv);
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
    if (headless) {
        return runCommandLine(QApplication::arguments());
    }
    try {
        return runWindows(app);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("ZENITA"), QString::fromUtf8(error.what()));
        return 1;
    }
}
