// The parts of a zipped document (.xlsx, .ods) read from its bytes with libzip, within limits:
// a password-protected document, one whose parts unpack to more than kLargestUnpacked bytes
// (a zip bomb) or a damaged zip is refused with a Czech message, before anything big is made.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

typedef struct zip zip_t;

namespace sets {

class ZipParts {
public:
    // `bytes` must outlive the object.
    explicit ZipParts(std::string_view bytes);
    ~ZipParts();
    ZipParts(const ZipParts&) = delete;
    ZipParts& operator=(const ZipParts&) = delete;

    // Empty when the archive opened and its parts are within the limits, else why not.
    const std::string& Error() const { return error_; }
    bool Has(const std::string& name) const;
    // The part's bytes; false with Error() set when it is missing or cannot be unpacked.
    bool Read(const std::string& name, std::string& out);

private:
    void CheckParts();

    zip_t* archive_ = nullptr;
    std::string error_;
};

}  // namespace sets
