// The city index: any bytes give whole entries or a FormatError, and every
// file name it lets through stays inside cidades/.
#include "climate/CityDatabase.h"
#include "climate/ClimateErrors.h"
#include "climate/TextFile.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<climate::CityIndexEntry> entries;
    try {
        climate::parseCityIndex(climate::splitLines(bytesOf(data, size)), entries, "Latitudes.csv");
    } catch (const climate::FormatError&) {
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
