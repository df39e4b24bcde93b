// The csv reader of the question sets: any bytes as a file someone drops on the game.
#include "sets/csv_reader.h"
#include "sheet_fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::UseHeadless();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzzing::CheckSheet(sets::ReadCsv(bytes));
    return 0;
}
