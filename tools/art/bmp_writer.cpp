#include "bmp_writer.h"

namespace art {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Image& image) {
    const uint32_t stride = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = stride * static_cast<uint32_t>(image.height);
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + pixelBytes);
    Put32(out, 0);  // two reserved words
    Put32(out, offset);

    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height));  // positive: rows run bottom-up
    Put16(out, 1);                                    // planes
    Put16(out, 24);                                   // bits per pixel
    Put32(out, 0);                                    // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // colours used
    Put32(out, 0);  // important colours

    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const uint32_t rgb = image.At(x, y);
            out.push_back(static_cast<uint8_t>(rgb));
            out.push_back(static_cast<uint8_t>(rgb >> 8));
            out.push_back(static_cast<uint8_t>(rgb >> 16));
        }
        while (out.size() - rowStart < stride) out.push_back(0);
    }
    return out;
}

}  // namespace art
