#include "sheet_file.h"

#include "csv_reader.h"
#include "ods_reader.h"
#include "xlsx_reader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace sets {

namespace {
Sheet Refused(std::string message) {
    Sheet sheet;
    sheet.error = std::move(message);
    return sheet;
}
}  // namespace

std::string LowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool IsSheetFile(const std::string& path) {
    const std::string extension = LowerExtension(path);
    return extension == ".csv" || extension == ".xlsx" || extension == ".ods";
}

Sheet ReadSheetBytes(const std::string& path, std::string_view bytes) {
    const std::string extension = LowerExtension(path);
    if (extension == ".csv") return ReadCsv(bytes);
    if (extension == ".xlsx") return ReadXlsx(bytes);
    if (extension == ".ods") return ReadOds(bytes);
    return Refused("takový soubor hra nečte; sada je .txt, .csv, .xlsx nebo .ods");
}

Sheet ReadSheetFile(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return Refused("soubor se nedá přečíst (chybí, nebo k němu nejsou práva)");
    if (size > static_cast<std::uintmax_t>(kLargestSetFile)) {
        return Refused("soubor má víc než " + std::to_string(kLargestSetFile / (1024 * 1024)) +
                       " MB; takový se nečte");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return Refused("soubor se nedá přečíst (chybí práva ke čtení?)");
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad() || bytes.size() != size) return Refused("soubor se nedá přečíst celý");
    return ReadSheetBytes(path, bytes);
}

}  // namespace sets
