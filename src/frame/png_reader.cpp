#include "png_reader.h"

#include "platform/platform.h"

#include <png.h>

#include <vector>

namespace Interface::detail {

namespace {

// Deflate packs at most 1032 bytes into one; a file smaller than that share of what its
// header claims cannot hold the picture.
constexpr uint64_t kMostInflation = 1032;

// What libpng may allocate for one chunk, and how many ancillary chunks it keeps: a chunk's
// length field is whatever the file says, so without these a tiny file can ask for gigabytes.
constexpr png_alloc_size_t kLargestChunkAllocation = 1 << 20;
constexpr png_uint_32 kMostKeptChunks = 32;

// Ancillary chunks the game never reads: skipped unread, whatever length they claim. The
// palette, transparency and the colour-space chunks (gAMA, cHRM, sRGB) are still read.
constexpr png_byte kSkippedChunks[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf\0pCAL\0sCAL\0"
                                      "hIST\0tIME\0pHYs\0oFFs\0sTER\0bKGD\0sBIT";
constexpr int kSkippedChunkCount = 15;

// Everything the decoder changes, kept outside the frame that calls setjmp: after libpng's
// error jump, locals of that frame changed since setjmp would be indeterminate.
struct PngRead {
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<png_byte> pixels;  // the decoded picture, rows one after another
    std::vector<png_bytep> rows;
    ~PngRead() {
        if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        if (file) std::fclose(file);
    }
};

void SilentWarning(png_structp, png_const_charp) {}

uint64_t FileSize(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return 0;
    const long size = std::ftell(file);
    std::rewind(file);
    return size > 0 ? static_cast<uint64_t>(size) : 0;
}

// Whether the header's claim is one the game can take and the file can hold: checked before
// anything is allocated for the picture.
bool ClaimFits(const PngRead& read, uint64_t fileSize) {
    if (!platform::PictureSizeIsSane(read.width, read.height)) return false;
    const uint64_t packed = (png_get_rowbytes(read.png, read.info) + 1) * uint64_t(read.height);
    return packed <= fileSize * kMostInflation;
}

void SetTransformations(png_structp png, png_infop info) {
    const int colorType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_expand(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_expand(png);
    if (bitDepth == 16) png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
    }
    double fileGamma = 0;
    if (png_get_gAMA(png, info, &fileGamma)) png_set_gamma(png, 2.2, fileGamma);
    png_set_interlace_handling(png);  // interlaced files come out whole, row by row
    png_read_update_info(png, info);
}

void SetLimits(png_structp png) {
    png_set_user_limits(png, platform::kMaxPictureSide, platform::kMaxPictureSide);
    png_set_chunk_malloc_max(png, kLargestChunkAllocation);
    png_set_chunk_cache_max(png, kMostKeptChunks);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kSkippedChunks, kSkippedChunkCount);
}

// Decodes the opened file into `read`. libpng reports errors with a jump back here.
bool Decode(PngRead& read, uint64_t fileSize) {
    if (setjmp(png_jmpbuf(read.png))) return false;
    SetLimits(read.png);
    png_init_io(read.png, read.file);
    png_set_sig_bytes(read.png, 8);
    png_read_info(read.png, read.info);
    read.width = static_cast<int>(png_get_image_width(read.png, read.info));
    read.height = static_cast<int>(png_get_image_height(read.png, read.info));
    if (!ClaimFits(read, fileSize)) return false;
    SetTransformations(read.png, read.info);
    read.channels = png_get_channels(read.png, read.info);
    if (read.channels != 3 && read.channels != 4) return false;
    const std::size_t rowBytes = png_get_rowbytes(read.png, read.info);
    read.pixels.resize(rowBytes * read.height);
    read.rows.resize(read.height);
    for (int y = 0; y < read.height; ++y) read.rows[y] = read.pixels.data() + y * rowBytes;
    png_read_image(read.png, read.rows.data());
    png_read_end(read.png, nullptr);
    return true;
}

// One decoded row (3 or 4 bytes a pixel) into the surface's row `y`.
void StoreRow(const png_byte* row, int channels, gfx::Surface& out, int y) {
    for (int x = 0; x < out.width; ++x) {
        const png_byte* p = row + x * channels;
        uint32_t r = p[0], g = p[1], b = p[2];
        if (channels == 4) {
            const uint32_t a = p[3];
            r = (r * a + 127) / 255;
            g = (g * a + 127) / 255;
            b = (b * a + 127) / 255;
        }
        out.WritePixel(x, y, gfx::ColorToPixel(out.layout, b << 16 | g << 8 | r));
    }
}

}  // namespace

bool ReadPng(const std::string& fileName, gfx::PixelLayout layout, gfx::Surface& out) {
    PngRead read;
    read.file = platform::OpenFile(fileName, "rb");
    if (!read.file) return false;
    const uint64_t fileSize = FileSize(read.file);
    png_byte signature[8];
    if (std::fread(signature, 1, 8, read.file) != 8 || png_sig_cmp(signature, 0, 8) != 0) {
        return false;
    }
    read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, SilentWarning);
    if (!read.png) return false;
    read.info = png_create_info_struct(read.png);
    if (!read.info || !Decode(read, fileSize)) return false;
    if (!out.Create(layout, read.width, read.height)) return false;
    for (int y = 0; y < read.height; ++y) StoreRow(read.rows[y], read.channels, out, y);
    return true;
}

}  // namespace Interface::detail
