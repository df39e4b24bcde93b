// The .xlsx reader of the question sets: any bytes as a file someone drops on the game. An
// input that starts with "<" is the sheet's rows instead, zipped into a workbook, so that the
// fuzzer reaches the XML without first forging a zip's checksums.
#include "../sets/sheet_files.h"
#include "sets/xlsx_reader.h"
#include "sheet_fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::UseHeadless();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const bool rows = bytes.starts_with('<');
    fuzzing::CheckSheet(sets::ReadXlsx(rows ? sets_testing::XlsxWith(bytes) : bytes));
    return 0;
}
