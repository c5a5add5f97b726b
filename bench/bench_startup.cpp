// Start-up and whole processes, measured on the wall clock:
//  - the main window constructed and shown offscreen with the bundled
//    database until its city list is loaded, the splash excluded (goal
//    <= 150 ms): in a fresh process each time, as a person starting ZENITA
//    waits for it, and again in this process, where fonts and the style are
//    already loaded;
//  - the program run as `zenita --export-chart FILE --city
//    Los_Angeles_Intl_Arpt --orientation 180 --overlay temperaturas
//    --period 2`, from exec to exit (goal <= 40 ms).
#include "SilentDialogs.h"
#include "StartupProbe.h"

#include "app/Startup.h"
#include "app/WindowStart.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The windows on the database until the main window has loaded its city
// list and painted.
void startWindows(const QString& database) {
    SilentDialogs dialogs;
    Services services;
    services.baseDirectory = database;
    services.dialogs = &dialogs;
    ZenitaWindows windows(services);
    windows.formZenita.show();
    while (windows.formZenita.controls().cmbCidades->count() <= 1) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
}

bool copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyFolder(entry.filePath(), target)
                          : !QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

// A copy of the database that ships, so that nothing here can touch it.
struct BundledDatabase {
    BundledDatabase() {
        ok = copyFolder(QStringLiteral(ZENITA_SOURCE_DATA_DIR "/cidades"), path() + "/cidades") &&
             QFile::copy(QStringLiteral(ZENITA_SOURCE_DATA_DIR "/Latitudes.csv"),
                         path() + "/Latitudes.csv");
    }
    QString path() const { return dir.path(); }
    QTemporaryDir dir;
    bool ok = false;
};

// Runs a program to its end; false, with the benchmark's error set, when it
// fails.
bool runToEnd(benchmark::State& state, const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        state.SkipWithError(qPrintable(program + QStringLiteral(" failed")));
        return false;
    }
    return true;
}

void BM_StartupFreshProcess(benchmark::State& state) {
    const BundledDatabase database;
    if (!database.ok) {
        state.SkipWithError("cannot copy the bundled database");
        return;
    }
    const QString self = QCoreApplication::applicationFilePath();
    const QStringList arguments{QString::fromUtf8(kStartupProbeOption.data(),
                                                  static_cast<qsizetype>(kStartupProbeOption.size())),
                                database.path()};
    for (auto _ : state) {
        if (!runToEnd(state, self, arguments)) {
            break;
        }
    }
}
BENCHMARK(BM_StartupFreshProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartupInThisProcess(benchmark::State& state) {
    const BundledDatabase database;
    if (!database.ok) {
        state.SkipWithError("cannot copy the bundled database");
        return;
    }
    for (auto _ : state) {
        startWindows(database.path());
    }
}
BENCHMARK(BM_StartupInThisProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportChartOverlayProcess(benchmark::State& state) {
    QTemporaryDir dir;
    const QStringList arguments{QStringLiteral("--export-chart"),
                                dir.filePath(QStringLiteral("carta.png")),
                                QStringLiteral("--city"),
                                QStringLiteral("Los_Angeles_Intl_Arpt"),
                                QStringLiteral("--orientation"),
                                QStringLiteral("180"),
                                QStringLiteral("--overlay"),
                                QStringLiteral("temperaturas"),
                                QStringLiteral("--period"),
                                QStringLiteral("2")};
    for (auto _ : state) {
        if (!runToEnd(state, QStringLiteral(ZENITA_EXECUTABLE), arguments)) {
            break;
        }
    }
}
BENCHMARK(BM_ExportChartOverlayProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int runStartupProbe(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    QApplication app(argc, argv);
    setUpApplication(app, true);
    startWindows(QString::fromLocal8Bit(argv[2]));
    return 0;
}
