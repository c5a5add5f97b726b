// Speed of the EPW import on a real file (Los Angeles, 8760 records of 35
// fields, 1.6 MB): reading and shifting alone, and "Buscar" plus "Incluir
// Cidade" with the statistics and the writes (goal: 20 ms).
#include "climate/CityDatabase.h"
#include "climate/EpwSource.h"
#include "climate/ImportSession.h"
#include "climate/Notifier.h"
#include "climate/TextFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>


namespace {

QString losAngeles() {
    return QStringLiteral(ZENITA_SOURCE_DATA_DIR
                          "/sources/epw/USA_CA_Los.Angeles.Intl.AP.722950_TMY3.epw");
}

class YesNotifier : public climate::Notifier {
public:
    void notify(climate::NoticeKind, const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return true; }
};

void BM_ReadEpw(benchmark::State& state) {
    const std::string bytes = climate::readFileBytes(losAngeles());
    for (auto _ : state) {
        benchmark::DoNotOptimize(climate::parseEpwSource(bytes));
    }
}
BENCHMARK(BM_ReadEpw)->Unit(benchmark::kMillisecond);

// Replacing the city each time after the first, as a person importing the
// file again would.
void BM_ImportEpwYear(benchmark::State& state) {
    QTemporaryDir dir;
    const QString base = dir.path() + QStringLiteral("/db");
    QDir().mkpath(base + QStringLiteral("/cidades"));
    climate::writeLines(climate::indexPath(base), {"Aracaju,-10.91,s/a,s/a,37.07"});
    YesNotifier notifier;
    climate::ImportSession session(base, notifier);
    const climate::SeasonStartTexts starts =
        climate::defaultSeasonStartTexts(climate::Hemisphere::North);
    const QString source = losAngeles();
    for (auto _ : state) {
        session.activate();
        session.choose(source);
        if (!session.include(starts)) {
            state.SkipWithError("the import failed");
            break;
        }
    }
}
BENCHMARK(BM_ImportEpwYear)->Unit(benchmark::kMillisecond);

}  // namespace
