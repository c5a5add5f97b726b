// The city index: any bytes give an entry a line, or a FormatError naming the
// line before which every entry is whole; every file name it lets through
// stays inside cidades/.
#include "climate/CityDatabase.h"
#include "climate/ClimateErrors.h"
#include "climate/TextFile.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = climate::splitLines(bytesOf(data, size));
    std::vector<climate::CityIndexEntry> entries;
    try {
        climate::parseCityIndex(lines, entries, "Latitudes.csv");
        FUZZ_CHECK(entries.size() == lines.size());
    } catch (const climate::FormatError& e) {
        FUZZ_CHECK(entries.size() == static_cast<std::size_t>(e.line() - 1));
    }
    for (const auto& entry : entries) {
        for (const std::string* name : {&entry.hourlyFile, &entry.windFile}) {
            FUZZ_CHECK(*name == climate::kNoFileMarker || climate::isPlainFileName(*name));
            const QString path = climate::cityFilePath("/db", *name);
            FUZZ_CHECK(*name == climate::kNoFileMarker || path.startsWith("/db/cidades/"));
        }
    }
    return 0;
}
