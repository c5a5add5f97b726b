// A city's hourly and wind files as the overlay, the import's statistics and
// the wind rose read them: any bytes give values or a ClimateError.
#include "climate/ClimateErrors.h"
#include "climate/HourlyFile.h"
#include "climate/SeasonWindStatistics.h"
#include "climate/TextFile.h"
#include "wind/WindFile.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = climate::splitLines(bytesOf(data, size));
    for (const int field : {climate::kTemperatureField, climate::kGlobalRadiationField,
                            climate::kDirectRadiationField}) {
        FUZZ_CHECK(climate::hourlyColumnFromLines(lines, field).size() == lines.size());
    }
    if (!lines.empty()) {
        // Season starts spread over the lines, as an import finds them.
        const int n = static_cast<int>(lines.size());
        try {
            FUZZ_CHECK(climate::SeasonWindStatistics(lines, {0, n / 4, n / 2, 3 * n / 4}).size() ==
                       20u);
        } catch (const climate::ClimateError&) {
        }
    }
    for (std::size_t line = 0; line < 20; ++line) {
        try {
            (void)wind::seasonValues(wind::seasonTexts(lines, line, "x.ventos.csv"), line,
                                     "x.ventos.csv");
        } catch (const climate::ClimateError&) {
        }
    }
    return 0;
}
