// PNG loading: any bytes as a picture file, read into each back-buffer layout in turn.
#include "frame/png_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzzing::UseHeadless();
    const std::string path = fuzzing::WriteInput("picture.png", data + 1, size - 1);
    constexpr gfx::PixelLayout kLayouts[] = {gfx::PixelLayout::Rgb565, gfx::PixelLayout::Rgb555,
                                             gfx::PixelLayout::Bgr24, gfx::PixelLayout::Bgrx32};
    gfx::Surface surface;
    Interface::detail::ReadPng(path, kLayouts[data[0] % 4], surface);
    return 0;
}
