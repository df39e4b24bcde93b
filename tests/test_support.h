// Helpers shared by the tests: a scratch folder that is removed afterwards.
#pragma once

#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace testing_support {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brellik-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((path_ / name).parent_path());
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

// Names the pixel layouts in parameterised test names.
inline std::string LayoutName(const ::testing::TestParamInfo<platform::PixelLayout>& info) {
    switch (info.param) {
        case platform::PixelLayout::Rgb565: return "Rgb565";
        case platform::PixelLayout::Rgb555: return "Rgb555";
        case platform::PixelLayout::Bgr24: return "Bgr24";
        case platform::PixelLayout::Bgrx32: return "Bgrx32";
    }
    return "Unknown";
}

}  // namespace testing_support
