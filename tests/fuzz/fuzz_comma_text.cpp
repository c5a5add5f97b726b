// Comma text: any line splits without fault, and its fields read back
// exactly as JoinCommaText writes them.
#include "climate/CommaText.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = bytesOf(data, size);
    const std::vector<std::string> fields = climate::SplitCommaText(line);
    FUZZ_CHECK(climate::SplitCommaText(climate::JoinCommaText(fields)) == fields);
    (void)climate::FileKey(line);
    return 0;
}
