#include "app/CommandLine.h"

#include "app/HeadlessChart.h"
#include "app/ImportCommand.h"
#include "app/SaveFiles.h"
#include "app/SunPositionCommand.h"
#include "chart/ChartInputs.h"
#include "climate/DatabaseRecovery.h"
#include "math/numbers.h"

#include <QApplication>
#include <QFile>
#include <QByteArray>
#include <QFileInfo>
#include <QImageWriter>
#include <QSet>
#include <QTextStream>

#include <cstdio>
#include <initializer_list>
#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

namespace {

// Stderr carries the command's own error line; Qt's notes about the
// platform (a missing runtime folder and the like) are left out.
void onlySevereMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                        const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        QTextStream(stderr) << message << Qt::endl;
    }
}

}  // namespace

void prepareHeadless() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(onlySevereMessages);
}

namespace {

// A bad option or a refused input; what() is the line for stderr.
class BadArguments : public std::runtime_error {
public:
    explicit BadArguments(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The commands; exactly one per run.
enum class Command { ExportChart, ExportWind, ExportSheet, Import, SunPosition, ShadingReport };

// A command that has printed its own messages and failed.
class CommandFailed : public std::exception {};

// What the options ask for: the command, its file and the window's settings.
struct Request {
    std::optional<Command> command;
    QString file;  // the command's FILE
    bool latitudeGiven = false;
    ChartSettings chart;
    WindSettings wind;
    std::optional<int> sheetWindMode;  // --mode, for the sheet
    std::optional<QString> radius;  // --radius, for a PDF
    ImportRequest import;
    std::optional<int> day;      // --date, a day of the year
    std::optional<double> hour;  // --hour, sun time
    std::set<QString> given;     // the options named, each once
};

void setCommand(Request& request, Command command, const QString& option, const QString& file) {
    if (request.command) {
        throw BadArguments(QStringLiteral("só um comando por vez: ") + option);
    }
    request.command = command;
    request.file = file;
}

// ---- Values ----

bool isPdf(const QString& file) {
    return QFileInfo(file).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0;
}

// The image format of a file name's extension, if Qt can write it.
QByteArray imageFormatOf(const QString& option, const QString& file) {
    const QByteArray suffix = QFileInfo(file).suffix().toLower().toUtf8();
    if (suffix.isEmpty() || !QImageWriter::supportedImageFormats().contains(suffix)) {
        throw BadArguments(option + QStringLiteral(": formato de imagem não suportado: ") + file);
    }
    return suffix;
}

// A number as a numeric box takes it (digits and a point), at most maximum.
QString boxNumber(const QString& option, const QString& text,
                  double maximum = std::numeric_limits<double>::infinity()) {
    bool digitsOnly = !text.isEmpty();
    for (const QChar c : text) {
        digitsOnly = digitsOnly && (c.isDigit() || c == u'.');
    }
    const std::optional<double> value =
        digitsOnly ? math::parseNumber(text.toStdString()) : std::nullopt;
    if (!value) {
        throw BadArguments(option + QStringLiteral(": não é um número: '") + text + u'\'');
    }
    if (*value > maximum) {
        throw BadArguments(option + QStringLiteral(": fora de 0 a ") +
                           QString::fromStdString(math::formatGeneral(maximum)) +
                           QStringLiteral(": ") + text);
    }
    return text;
}

QString latitudeText(const QString& option, QString text) {
    // The latitude box turns a decimal comma into a point as it is typed.
    text.replace(u',', u'.');
    chart::LatitudeCheck check;
    try {
        check = chart::checkLatitude(text);
    } catch (const math::ConversionError&) {
        throw BadArguments(option + QStringLiteral(": não é um número: '") + text + u'\'');
    }
    if (check.verdict == chart::LatitudeVerdict::BelowRange ||
        check.verdict == chart::LatitudeVerdict::AboveRange) {
        throw BadArguments(option + QStringLiteral(": fora de -65 a 65: ") + text);
    }
    return text;
}

// "A" or "A,A2": the first and the second angle box of a pair.
void anglePair(Request& request, std::size_t pair, const QString& option, const QString& value) {
    const QStringList parts = value.split(u',');
    if (parts.size() > 2) {
        throw BadArguments(option + QStringLiteral(": no máximo dois ângulos: ") + value);
    }
    auto& boxes = request.chart.angles.at(pair);
    boxes[0] = boxNumber(option, parts[0], 90.0);
    if (parts.size() == 2) {
        boxes[1] = boxNumber(option, parts[1], 90.0);
    }
}

// "D/M/H": a season's start day, month and hour.
void seasonStart(Request& request, int season, const QString& option, const QString& value) {
    request.import.seasonStarts[static_cast<std::size_t>(season)] = parseSeasonStartOption(value);
    if (!request.import.seasonStarts[static_cast<std::size_t>(season)]) {
        throw BadArguments(option + QStringLiteral(": use dia/mês/hora, como 22/09/18: ") + value);
    }
}

// The item of a list that the value names.
int itemOf(const QString& option, const QString& value, std::initializer_list<const char*> names) {
    int item = 0;
    QStringList choices;
    for (const char* name : names) {
        if (value == QLatin1String(name)) {
            return item;
        }
        choices << QLatin1String(name);
        ++item;
    }
    throw BadArguments(option + QStringLiteral(": use ") + choices.join(QStringLiteral(" ou ")) +
                       QStringLiteral(": ") + value);
}

// ---- The options ----

using Apply = void (*)(Request&, const QString& option, const QString& value);

struct Option {
    const char* name;
    const char* valueName;  // nullptr: a flag without a value
    Apply apply;
};

const Option kOptions[] = {
    {"--export-chart", "FILE",
     [](Request& r, const QString& o, const QString& v) {
         if (!isPdf(v)) {
             imageFormatOf(o, v);
         }
         setCommand(r, Command::ExportChart, o, v);
     }},
    {"--radius", "CM",
     [](Request& r, const QString& o, const QString& v) {
         const std::optional<double> radius = math::parseNumber(v.toStdString());
         if (!radius || *radius <= 0.0) {
             throw BadArguments(o + QStringLiteral(": não é um raio positivo: ") + v);
         }
         r.radius = v;
     }},
    {"--latitude", "DEG",
     [](Request& r, const QString& o, const QString& v) {
         r.chart.latitude = latitudeText(o, v);
         r.latitudeGiven = true;
     }},
    {"--orientation", "DEG",
     [](Request& r, const QString& o, const QString& v) {
         // As in the window, an orientation beyond 360 stays as typed.
         r.chart.orientation = boxNumber(o, v);
     }},
    {"--reference", "interna|externa",
     [](Request& r, const QString& o, const QString& v) {
         if (v == QStringLiteral("interna")) {
             r.chart.reference = 0;
         } else if (v == QStringLiteral("externa")) {
             r.chart.reference = 1;
         } else {
             throw BadArguments(o + QStringLiteral(": use interna ou externa: ") + v);
         }
     }},
    {"--alfa", "A[,A2]",
     [](Request& r, const QString& o, const QString& v) { anglePair(r, 0, o, v); }},
    {"--beta-right", "B[,B2]",
     [](Request& r, const QString& o, const QString& v) { anglePair(r, 1, o, v); }},
    {"--beta-left", "B[,B2]",
     [](Request& r, const QString& o, const QString& v) { anglePair(r, 2, o, v); }},
    {"--gamma-right", "G[,G2]",
     [](Request& r, const QString& o, const QString& v) { anglePair(r, 3, o, v); }},
    {"--gamma-left", "G[,G2]",
     [](Request& r, const QString& o, const QString& v) { anglePair(r, 4, o, v); }},
    {"--city", "NAME",
     [](Request& r, const QString&, const QString& v) {
         r.chart.city = v;
         r.wind.city = v;
     }},
    {"--overlay", "temperaturas|global|direta",
     [](Request& r, const QString& o, const QString& v) {
         r.chart.overlayQuantity = itemOf(o, v, {"temperaturas", "global", "direta"});
     }},
    {"--period", "1|2",
     [](Request& r, const QString& o, const QString& v) {
         r.chart.period = itemOf(o, v, {"1", "2"});
     }},
    {"--export-wind", "FILE",
     [](Request& r, const QString& o, const QString& v) {
         if (!isPdf(v)) {
             imageFormatOf(o, v);
         }
         setCommand(r, Command::ExportWind, o, v);
     }},
    {"--mode", "velocidades|frequencia",
     [](Request& r, const QString& o, const QString& v) {
         r.wind.mode = itemOf(o, v, {"velocidades", "frequencia"});
         r.sheetWindMode = r.wind.mode;
     }},
    {"--export-sheet", "FILE",
     [](Request& r, const QString& o, const QString& v) {
         const QString suffix = QFileInfo(v).suffix().toLower();
         if (suffix != QStringLiteral("pdf") && suffix != QStringLiteral("png")) {
             throw BadArguments(o + QStringLiteral(": use um arquivo .pdf ou .png: ") + v);
         }
         setCommand(r, Command::ExportSheet, o, v);
     }},
    {"--shading-report", "FILE.csv",
     [](Request& r, const QString& o, const QString& v) {
         setCommand(r, Command::ShadingReport, o, v);
     }},
    {"--no-paths", nullptr,
     [](Request& r, const QString&, const QString&) { r.chart.sunPaths = false; }},
    // ---- --sun-position ----
    {"--sun-position", nullptr,
     [](Request& r, const QString& o, const QString&) {
         setCommand(r, Command::SunPosition, o, QString());
     }},
    {"--date", "D/M",
     [](Request& r, const QString& o, const QString& v) {
         r.day = parseDayMonth(v);
         if (!r.day) {
             throw BadArguments(
                 o + QStringLiteral(": não é uma data do ano (dia/mês, como 21/6): ") + v);
         }
     }},
    {"--hour", "H",
     [](Request& r, const QString& o, const QString& v) {
         r.hour = math::parseNumber(v.toStdString());
         if (!r.hour) {
             throw BadArguments(o + QStringLiteral(": não é um número: '") + v + u'\'');
         }
         if (*r.hour < 0.0 || *r.hour > 24.0) {
             throw BadArguments(o + QStringLiteral(": fora de 0 a 24: ") + v);
         }
     }},
    // ---- --import ----
    {"--import", "FILE",
     [](Request& r, const QString& o, const QString& v) {
         setCommand(r, Command::Import, o, v);
         r.import.file = v;
     }},
    {"--replace", nullptr,
     [](Request& r, const QString&, const QString&) { r.import.replace = true; }},
    {"--spring", "D/M/H",
     [](Request& r, const QString& o, const QString& v) { seasonStart(r, 0, o, v); }},
    {"--summer", "D/M/H",
     [](Request& r, const QString& o, const QString& v) { seasonStart(r, 1, o, v); }},
    {"--autumn", "D/M/H",
     [](Request& r, const QString& o, const QString& v) { seasonStart(r, 2, o, v); }},
    {"--winter", "D/M/H",
     [](Request& r, const QString& o, const QString& v) { seasonStart(r, 3, o, v); }},
};

const Option* findOption(const QString& name) {
    for (const Option& option : kOptions) {
        if (name == QLatin1String(option.name)) {
            return &option;
        }
    }
    return nullptr;
}

// A save's failure as the command's line on stderr, which starts in lower case.
void failIf(const std::optional<QString>& failure) {
    if (failure) {
        QString line = *failure;
        line[0] = line[0].toLower();
        throw BadArguments(line);
    }
}

void writeImage(const QImage& picture, const QString& option, const QString& file) {
    imageFormatOf(option, file);
    failIf(savePicture(picture, file));
}

template <class Print>
void writePdf(const QString& file, Print&& print) {
    failIf(savePrintedPdf(file, [&](output::Printer& pdf) -> std::optional<QString> {
        print(pdf);
        return std::nullopt;
    }));
}

// ---- The commands ----

void validateExportChart(const Request& request) {
    if (request.latitudeGiven && request.chart.city) {
        throw BadArguments(QStringLiteral("--city e --latitude não podem ser usados juntos"));
    }
    if (!request.latitudeGiven && !request.chart.city) {
        throw BadArguments(QStringLiteral("falta a latitude: --latitude DEG ou --city NAME"));
    }
    if (request.radius && !isPdf(request.file)) {
        throw BadArguments(QStringLiteral("--radius só vale para um arquivo .pdf"));
    }
    if (request.chart.overlayQuantity && !request.chart.city) {
        throw BadArguments(QStringLiteral("--overlay precisa de --city NAME com arquivo horário"));
    }
    // The half-year matters only to the overlay; alone it would change nothing.
    if (request.given.contains(QStringLiteral("--period")) && !request.chart.overlayQuantity) {
        throw BadArguments(QStringLiteral("--period só vale com --overlay"));
    }
}

void validateExportWind(const Request& request) {
    if (!request.given.contains(QStringLiteral("--city"))) {
        throw BadArguments(QStringLiteral("falta a cidade: --city NAME"));
    }
}

void runExportWind(const Request& request, const Services& services) {
    if (isPdf(request.file)) {
        writePdf(request.file, [&](output::Printer& pdf) {
            printWindRoseHeadless(services, request.wind, pdf);
        });
    } else {
        writeImage(drawWindRoseHeadless(services, request.wind), QStringLiteral("--export-wind"),
                   request.file);
    }
}

void runExportChart(const Request& request, const Services& services) {
    if (isPdf(request.file)) {
        writePdf(request.file, [&](output::Printer& pdf) {
            printChartHeadless(services, request.chart, request.radius.value_or(QStringLiteral("6")),
                               pdf);
        });
    } else {
        writeImage(drawChartHeadless(services, request.chart), QStringLiteral("--export-chart"),
                   request.file);
    }
}

// The sheet takes the chart's options, a PDF or a PNG alike, and a radius
// that leaves the legend its column.
void validateExportSheet(const Request& request) {
    Request chart = request;
    chart.radius.reset();
    validateExportChart(chart);
    if (request.radius && *math::parseNumber(request.radius->toStdString()) >
                              output::kSheetLargestRadiusCm) {
        throw BadArguments(QStringLiteral("--radius: a folha comporta no máximo 6 cm: ") +
                           *request.radius);
    }
    if (request.sheetWindMode && !request.chart.city) {
        throw BadArguments(QStringLiteral("--mode precisa de --city NAME com arquivo de ventos"));
    }
}

void runExportSheet(const Request& request, const Services& services) {
    SheetSettings settings{request.chart, request.sheetWindMode, 6.0};
    if (request.radius) {
        settings.radiusCm = *math::parseNumber(request.radius->toStdString());
    }
    failIf(saveSheet(designSheetHeadless(services, settings), request.file));
}

void validateShadingReport(const Request& request) {
    if (!request.chart.city) {
        throw BadArguments(QStringLiteral("falta a cidade: --city NAME com arquivo horário"));
    }
    if (!request.chart.orientation) {
        throw BadArguments(QStringLiteral("falta a orientação da fachada: --orientation DEG"));
    }
}

// The CSV is written whole or not at all, then shown.
void runShadingReport(const Request& request, const Services& services) {
    const QString csv = shading::csvText(shadingReportHeadless(services, request.chart));
    failIf(saveText(csv, request.file));
    QTextStream(stdout) << csv;
}

void validateImport(const Request& /*request*/) {}

void validateSunPosition(const Request& request) {
    if (!request.latitudeGiven) {
        throw BadArguments(QStringLiteral("falta a latitude: --latitude DEG"));
    }
    if (!request.day) {
        throw BadArguments(QStringLiteral("falta a data: --date D/M"));
    }
    if (!request.hour) {
        throw BadArguments(QStringLiteral("falta a hora solar: --hour H"));
    }
}

void runSunPosition(const Request& request, const Services& /*services*/) {
    SunPositionRequest sun;
    sun.latitudeDeg = math::toNumber(request.chart.latitude.toStdString());
    sun.day = *request.day;
    sun.sunTimeHours = *request.hour;
    if (request.chart.orientation) {
        sun.orientationDeg = math::toNumber(request.chart.orientation->toStdString());
    }
    sun.reference = chart::referenceFromItem(request.chart.reference);
    QTextStream out(stdout);
    for (const QString& line : sunPositionLines(sun)) {
        out << line << '\n';
    }
}

void runImport(const Request& request, const Services& services) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!runImportCommand(request.import, services.baseDirectory, out, err)) {
        throw CommandFailed();
    }
}

struct CommandRow {
    Command command;
    const char* name;
    QSet<QString> options;  // the options that go with it
    void (*validate)(const Request&);
    void (*run)(const Request&, const Services&);
};

const CommandRow& rowOf(Command command) {
    static const CommandRow kCommands[] = {
        {Command::ExportChart, "--export-chart",
         {"--latitude", "--city", "--orientation", "--reference", "--alfa", "--beta-right",
          "--beta-left", "--gamma-right", "--gamma-left", "--no-paths", "--radius", "--overlay",
          "--period"},
         validateExportChart, runExportChart},
        {Command::ExportWind, "--export-wind", {"--city", "--mode"}, validateExportWind,
         runExportWind},
        {Command::ExportSheet, "--export-sheet",
         {"--latitude", "--city", "--orientation", "--reference", "--alfa", "--beta-right",
          "--beta-left", "--gamma-right", "--gamma-left", "--no-paths", "--radius", "--overlay",
          "--period", "--mode"},
         validateExportSheet, runExportSheet},
        {Command::Import, "--import", {"--replace", "--spring", "--summer", "--autumn", "--winter"},
         validateImport, runImport},
        {Command::SunPosition, "--sun-position",
         {"--latitude", "--date", "--hour", "--orientation", "--reference"}, validateSunPosition,
         runSunPosition},
        {Command::ShadingReport, "--shading-report",
         {"--city", "--orientation", "--reference", "--alfa", "--beta-right", "--beta-left",
          "--gamma-right", "--gamma-left"},
         validateShadingReport, runShadingReport},
    };
    for (const CommandRow& row : kCommands) {
        if (row.command == command) {
            return row;
        }
    }
    throw std::logic_error("command without its row");
}

Request parseArguments(const QStringList& arguments) {
    Request request;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        const Option* option = findOption(name);
        if (!option) {
            throw BadArguments(QStringLiteral("opção desconhecida: ") + name);
        }
        if (request.given.contains(name)) {
            throw BadArguments(QStringLiteral("opção repetida: ") + name);
        }
        QString value;
        if (option->valueName) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QStringLiteral("--"))) {
                throw BadArguments(QStringLiteral("falta o valor de ") + name + u' ' +
                                   QLatin1String(option->valueName));
            }
            value = arguments[++i];
        }
        option->apply(request, name, value);
        request.given.insert(name);
    }
    if (!request.command) {
        throw BadArguments(QStringLiteral(
            "falta o comando: --export-chart FILE, --export-wind FILE, --export-sheet FILE, "
            "--import FILE, --sun-position ou --shading-report FILE.csv"));
    }
    const CommandRow& command = rowOf(*request.command);
    for (const QString& name : request.given) {
        if (name != QLatin1String(command.name) && !command.options.contains(name)) {
            throw BadArguments(QStringLiteral("a opção ") + name + QStringLiteral(" não vale com ") +
                               QLatin1String(command.name));
        }
    }
    command.validate(request);
    return request;
}

}  // namespace

QStringList commandLineOptionNames() {
    QStringList names;
    for (const Option& option : kOptions) {
        names << QLatin1String(option.name);
    }
    return names;
}

int runCommandLine(const QStringList& arguments) {
    return runCommandLine(arguments, QApplication::applicationDirPath());
}

int runCommandLine(const QStringList& arguments, const QString& baseDirectory) {
    QTextStream err(stderr);
    try {
        const Request request = parseArguments(arguments);
        Services services;
        services.baseDirectory = baseDirectory;
        climate::recoverDatabase(services.baseDirectory);
        rowOf(*request.command).run(request, services);
        return 0;
    } catch (const CommandFailed&) {
        return 2;
    } catch (const std::exception& error) {
        err << "zenita: " << QString::fromUtf8(error.what()) << Qt::endl;
        return 2;
    }
}
