// BMP loading: any bytes as a picture file, through the platform's loader.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::UseHeadless();
    const std::string path = fuzzing::WriteInput("picture.bmp", data, size);
    platform::RgbImage image;
    if (platform::LoadBitmapFile(path, image)) {
        const std::size_t pixels = static_cast<std::size_t>(image.width) *
                                   static_cast<std::size_t>(image.height);
        fuzzing::Require(image.pixels.size() == pixels,
                         "a loaded picture holds width x height pixels");
    }
    return 0;
}
