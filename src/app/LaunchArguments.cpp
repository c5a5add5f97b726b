#include "app/LaunchArguments.h"

#include "app/CommandLine.h"
#include "app/HelpText.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

const QString kDatabaseOption = QStringLiteral("--database");

// The options that Qt 6 takes out of the arguments (QGuiApplication,
// QApplication and the xcb platform), with one dash or two, so that their
// values are not taken for a file to import.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"),     QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("session"),
    QStringLiteral("style"),        QStringLiteral("stylesheet"),
    QStringLiteral("display"),      QStringLiteral("geometry"),
    QStringLiteral("title"),        QStringLiteral("icon"),
    QStringLiteral("name"),         QStringLiteral("visual")};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                              QStringLiteral("testability"), QStringLiteral("sync"),
                              QStringLiteral("nograb"), QStringLiteral("dograb"),
                              QStringLiteral("qmljsdebugger")};

// How many arguments a Qt option takes up (1 or 2), or 0 when it is none.
int qtOptionLength(const QString& argument) {
    if (!argument.startsWith(u'-') || argument.startsWith(QStringLiteral("---"))) {
        return 0;
    }
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(u'=');
    if (equals > 0) {
        name.truncate(equals);
        return kQtOptionsWithValue.contains(name) || kQtFlags.contains(name) ? 1 : 0;
    }
    if (kQtOptionsWithValue.contains(name)) {
        return 2;
    }
    return kQtFlags.contains(name) ? 1 : 0;
}

bool isClimateFile(const QString& argument) {
    const QString suffix = QFileInfo(argument).suffix().toLower();
    return suffix == QStringLiteral("epw") || suffix == QStringLiteral("csv");
}

Launch refused(const QString& line) {
    Launch launch;
    launch.mode = LaunchMode::Refused;
    launch.refusal = line;
    return launch;
}

}  // namespace

Launch classifyLaunch(const QStringList& arguments) {
    const QStringList options = arguments.mid(1);
    if (options.contains(QStringLiteral("--help"))) {
        return {LaunchMode::Help, {}, {}, {}};
    }
    if (options.contains(QStringLiteral("--version"))) {
        return {LaunchMode::Version, {}, {}, {}};
    }
    Launch launch;
    QStringList files;
    QString unknownShortOption;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& argument = options[i];
        if (argument == kDatabaseOption) {
            if (launch.databaseFolder) {
                return refused(QStringLiteral("opção repetida: --database"));
            }
            if (i + 1 >= options.size() || options[i + 1].startsWith(QStringLiteral("--"))) {
                return refused(QStringLiteral("falta o valor de --database DIR"));
            }
            launch.databaseFolder = options[++i];
        } else if (const int length = qtOptionLength(argument); length > 0) {
            i += length - 1;
        } else if (argument.startsWith(QStringLiteral("--")) ||
                   commandLineOptionNames().contains(argument)) {
            // The command line parses the rest, values and all, and refuses
            // what it does not know.
            launch.mode = LaunchMode::Command;
        } else if (argument.startsWith(u'-')) {
            unknownShortOption = argument;
        } else {
            files << argument;
        }
    }
    if (launch.mode == LaunchMode::Command) {
        return launch;
    }
    if (!unknownShortOption.isEmpty()) {
        return refused(QStringLiteral("opção desconhecida: ") + unknownShortOption);
    }
    if (files.size() > 1) {
        return refused(QStringLiteral("só um arquivo por vez: ") + files.join(u' '));
    }
    if (!files.isEmpty()) {
        if (!isClimateFile(files.front())) {
            return refused(QStringLiteral("o arquivo a incluir deve ser .epw ou .csv: ") +
                           files.front());
        }
        launch.importFile = QFileInfo(files.front()).absoluteFilePath();
    }
    return launch;
}

QStringList withoutDatabaseOption(QStringList arguments) {
    const qsizetype at = arguments.indexOf(kDatabaseOption, 1);
    if (at > 0) {
        arguments.remove(at, std::min<qsizetype>(2, arguments.size() - at));
    }
    return arguments;
}

std::optional<int> answerWithoutStarting(const Launch& launch) {
    switch (launch.mode) {
    case LaunchMode::Help:
        QTextStream(stdout) << usageText();
        return 0;
    case LaunchMode::Version:
        QTextStream(stdout) << versionText();
        return 0;
    case LaunchMode::Refused:
        QTextStream(stderr) << "zenita: " << launch.refusal << '\n'
                            << "Use zenita --help para ver as opções.\n";
        return 2;
    case LaunchMode::Window:
    case LaunchMode::Command:
        break;
    }
    return std::nullopt;
}
