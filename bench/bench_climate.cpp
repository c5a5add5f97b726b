// Speed of the climate core on a full year (8760 hourly lines): the season
// wind statistics (goal: 5 ms) and a whole city import with its three writes
// (goal: 40 ms).
#include "climate/CityDatabase.h"
#include "climate/HourlyFile.h"
#include "climate/ImportSession.h"
#include "climate/Notifier.h"
#include "climate/SeasonWindStatistics.h"
#include "climate/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// One year from 1 January, hours numbered 1 to 24, 18 fields per line.
std::vector<std::string> yearOfDataLines() {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<std::string> lines;
    int n = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= lengths[month - 1]; ++day) {
            for (int hour = 1; hour <= 24; ++hour, ++n) {
                std::string line;
                for (const int value : {month, day, hour, 15 + n % 17, n % 9, n % 7, 1012, 5, 0, 3,
                                        4, n % 7, n * 37 % 361, 1, 2, n % 800, 50, n % 600}) {
                    if (!line.empty()) {
                        line.push_back(',');
                    }
                    line.append(std::to_string(value));
                }
                line.append(".5");
                lines.push_back(line);
            }
        }
    }
    return lines;
}

class YesNotifier : public climate::Notifier {
public:
    void notify(climate::NoticeKind, const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return true; }
};

void BM_SeasonWindStatistics(benchmark::State& state) {
    const std::vector<std::string> lines = yearOfDataLines();
    const std::array<int, 4> starts{6353, 8509, 1903, 4081};
    for (auto _ : state) {
        benchmark::DoNotOptimize(climate::SeasonWindStatistics(lines, starts));
    }
}
BENCHMARK(BM_SeasonWindStatistics)->Unit(benchmark::kMillisecond);

// "Buscar" and "Incluir Cidade" on a year-long source, replacing the city
// each time after the first: reading, checking, statistics, three writes.
void BM_ImportYear(benchmark::State& state) {
    QTemporaryDir dir;
    const QString base = dir.path() + QStringLiteral("/db");
    QDir().mkpath(base + QStringLiteral("/cidades"));
    climate::writeLines(climate::indexPath(base), {"Aracaju,-10.91,s/a,s/a,37.07"});
    std::vector<std::string> source{"Localiza\xE7\xE3o,Latitude,Longitude",
                                    "Porto Alegre,-30.03,-51.22", "livre", "M\xEAs,Dia,Hora,TBS"};
    for (auto& line : yearOfDataLines()) {
        source.push_back(std::move(line));
    }
    const QString sourcePath = dir.path() + QStringLiteral("/porto_alegre_fonte.csv");
    climate::writeLines(sourcePath, source);

    YesNotifier notifier;
    climate::ImportSession session(base, notifier);
    const climate::SeasonStartTexts starts = climate::defaultSeasonStartTexts();
    for (auto _ : state) {
        session.activate();
        session.choose(sourcePath);
        if (!session.include(starts)) {
            state.SkipWithError("the import failed");
            break;
        }
    }
}
BENCHMARK(BM_ImportYear)->Unit(benchmark::kMillisecond);

// What the overlay reads per drawing: one column of a year-long hourly file.
void BM_ReadHourlyColumn(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/cidade.csv");
    climate::writeLines(path, yearOfDataLines());
    for (auto _ : state) {
        benchmark::DoNotOptimize(climate::readHourlyColumn(path, climate::kDirectRadiationField));
    }
}
BENCHMARK(BM_ReadHourlyColumn)->Unit(benchmark::kMillisecond);

}  // namespace
