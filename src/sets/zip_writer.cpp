#include "zip_writer.h"

#include <cstdio>
#include <zip.h>

namespace sets {

namespace {
bool AddParts(zip_t* archive, const std::vector<ZipPart>& parts) {
    for (const ZipPart& part : parts) {
        zip_source_t* source = zip_source_buffer(archive, part.bytes.data(), part.bytes.size(), 0);
        if (!source) return false;
        const zip_int64_t index =
            zip_file_add(archive, part.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            return false;
        }
        if (part.name == "mimetype") zip_set_file_compression(archive, index, ZIP_CM_STORE, 0);
    }
    return true;
}

std::string SourceBytes(zip_source_t* source) {
    std::string bytes;
    if (zip_source_open(source) != 0) return bytes;
    zip_source_seek(source, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(source);
    zip_source_seek(source, 0, SEEK_SET);
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        if (zip_source_read(source, bytes.data(), bytes.size()) != size) bytes.clear();
    }
    zip_source_close(source);
    return bytes;
}
}  // namespace

std::string ZipBytes(const std::vector<ZipPart>& parts) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (!source) return {};
    zip_t* archive = zip_open_from_source(source, ZIP_TRUNCATE, nullptr);
    if (!archive) {
        zip_source_free(source);
        return {};
    }
    zip_source_keep(source);  // kept past zip_close, which writes the archive into it
    std::string bytes;
    if (AddParts(archive, parts) && zip_close(archive) == 0) {
        bytes = SourceBytes(source);
    } else {
        zip_discard(archive);
    }
    zip_source_free(source);
    return bytes;
}

}  // namespace sets
