// EnergyPlus weather files: any bytes give a source or a ClimateError; a
// source read has the 8760 hourly lines of a 365-day year.
#include "climate/ClimateErrors.h"
#include "climate/EpwSource.h"
#include "climate/YearOfHours.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const climate::ImportSource source = climate::parseEpwSource(bytesOf(data, size));
        FUZZ_CHECK(source.dataLines.size() == static_cast<std::size_t>(climate::kYearHours));
    } catch (const climate::ClimateError&) {
    }
    return 0;
}
