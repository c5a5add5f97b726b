// The regional comma-text source: any bytes give a source or a ClimateError;
// a source read is a whole year of hours in order.
#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/ImportSource.h"
#include "climate/YearOfHours.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const climate::ImportSource source = climate::parseCommaTextSource(bytesOf(data, size));
        FUZZ_CHECK(source.dataLines.size() == static_cast<std::size_t>(climate::kYearHours));
        FUZZ_CHECK(source.longitudeDeg >= -180.0 && source.longitudeDeg <= 180.0);
    } catch (const climate::ClimateError&) {
    }
    return 0;
}
