#include "zip_parts.h"

#include "sheet.h"

#include <zip.h>

namespace sets {

namespace {
std::string PasswordMessage() { return "soubor je chráněný heslem; uložte ho bez hesla"; }

std::string ZipError(int code) {
    switch (code) {
        case ZIP_ER_NOZIP: return "soubor není tabulka (chybí obsah zip)";
        case ZIP_ER_INCONS:
        case ZIP_ER_CRC:
        case ZIP_ER_COMPNOTSUPP:
        case ZIP_ER_READ:
        case ZIP_ER_EOF: return "soubor je poškozený (zip se nedá rozbalit)";
        case ZIP_ER_ENCRNOTSUPP:
        case ZIP_ER_NOPASSWD:
        case ZIP_ER_WRONGPASSWD: return PasswordMessage();
        default: return "soubor se nedá otevřít jako tabulka (chyba zip " + std::to_string(code) + ")";
    }
}
}  // namespace

ZipParts::ZipParts(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source) {
        archive_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (!archive_) zip_source_free(source);
    }
    if (!archive_) {
        error_ = ZipError(zip_error_code_zip(&error));
    } else {
        CheckParts();
    }
    zip_error_fini(&error);
}

ZipParts::~ZipParts() {
    if (archive_) zip_discard(archive_);
}

// What the central directory says each part unpacks to is checked before any is unpacked;
// Read() then holds every part to what it said.
void ZipParts::CheckParts() {
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    std::uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive_, static_cast<zip_uint64_t>(i), 0, &stat) != 0) {
            error_ = ZipError(ZIP_ER_INCONS);
            return;
        }
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
            error_ = PasswordMessage();
            return;
        }
        if (stat.valid & ZIP_STAT_SIZE) total += stat.size;
        if (total > static_cast<std::uint64_t>(kLargestUnpacked)) {
            error_ = "rozbalená tabulka by měla víc než " +
                     std::to_string(kLargestUnpacked / (1024 * 1024)) +
                     " MB; takový soubor se nečte";
            return;
        }
    }
}

bool ZipParts::Has(const std::string& name) const {
    return archive_ && zip_name_locate(archive_, name.c_str(), 0) >= 0;
}

bool ZipParts::Read(const std::string& name, std::string& out) {
    out.clear();
    if (!error_.empty()) return false;
    zip_stat_t stat;
    if (zip_stat(archive_, name.c_str(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        error_ = "v souboru chybí část " + name + " (není to tabulka, nebo je poškozená)";
        return false;
    }
    zip_file_t* file = zip_fopen(archive_, name.c_str(), 0);
    if (!file) {
        error_ = ZipError(zip_error_code_zip(zip_get_error(archive_)));
        return false;
    }
    // One byte more than declared shows a part that lies about its size.
    out.resize(static_cast<std::size_t>(stat.size) + 1);
    std::size_t filled = 0;
    while (filled < out.size()) {
        const zip_int64_t got = zip_fread(file, out.data() + filled, out.size() - filled);
        if (got <= 0) {
            if (got < 0) error_ = ZipError(zip_error_code_zip(zip_file_get_error(file)));
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    zip_fclose(file);
    if (error_.empty() && filled != stat.size) error_ = ZipError(ZIP_ER_INCONS);
    out.resize(error_.empty() ? filled : 0);
    return error_.empty();
}

}  // namespace sets
