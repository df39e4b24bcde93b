// Picture names, the BMP and PNG readers, blank surfaces and the background.
#include "frame_fixture.h"
#include "picture_files.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

using frame_testing::FrameTest;
using frame_testing::PngSpec;

namespace {

class PictureTest : public FrameTest {
protected:
    std::string Game(const std::string& name) const { return dir / ("game/" + name); }

    void Bmp(const std::string& name, uint32_t rgb) {
        std::filesystem::create_directories(std::filesystem::path(Game(name)).parent_path());
        ASSERT_TRUE(frame_testing::WriteBmp(Game(name), 2, 2, {rgb, rgb, rgb, rgb}));
    }
    void Png(const std::string& name, const PngSpec& spec) {
        std::filesystem::create_directories(std::filesystem::path(Game(name)).parent_path());
        ASSERT_TRUE(frame_testing::WritePng(Game(name), spec));
    }
    static PngSpec Rgb(png_byte r, png_byte g, png_byte b) {
        PngSpec spec;
        spec.rows = {{r, g, b, r, g, b}, {r, g, b, r, g, b}};
        return spec;
    }
    // The colour (0x00BBGGRR) of the loaded picture's pixel (x, y), or -1 when nothing loaded.
    int64_t Load(const char* name, int flags = 0, int x = 0, int y = 0) {
        int32_t width = 0, height = 0;
        if (!Interface::LoadPicture(&picture, name, &width, &height, flags)) return -1;
        EXPECT_EQ(width, picture->width);
        return gfx::PixelToColor(picture->layout, picture->ReadPixel(x, y));
    }
    bool Logged(const std::string& name) const {
        return LogText().find("Cannot load picture \"" + name + "\"") != std::string::npos;
    }
    std::unique_ptr<gfx::Surface> picture;
};

}  // namespace

TEST_F(PictureTest, ANameWithoutExtensionPrefersTheBmp) {
    Bmp("Bitmaps/OneP/bg.bmp", 0xFF0000);
    Png("Bitmaps/OneP/bg.png", Rgb(0, 0, 255));
    EXPECT_EQ(Load("Bitmaps\\OneP\\bg"), 0x0000FF);  // red, as 0x00BBGGRR
}

TEST_F(PictureTest, OnlyAPngIsLoadedAfterTheBmpFailsWithoutALogLine) {
    Png("Bitmaps/x.png", Rgb(0, 0, 255));
    EXPECT_EQ(Load("Bitmaps\\x"), 0xFF0000);
    EXPECT_FALSE(Logged("Bitmaps\\x"));
}

TEST_F(PictureTest, CapitalPngIsTriedAsBitmapThenWithALowerCaseExtension) {
    Png("Bitmaps/y.png", Rgb(0, 255, 0));
    EXPECT_EQ(Load("Bitmaps\\y.PNG"), 0x00FF00);
    Png("Bitmaps/z.png", Rgb(0, 255, 0));
    Bmp("Bitmaps/z.bmp", 0xFF0000);
    EXPECT_EQ(Load("Bitmaps\\z.png"), 0x00FF00);  // ".png" goes straight to the PNG reader
}

TEST_F(PictureTest, ADotInAFolderNameMeansNoBmpIsAppended) {
    Png("Bitmaps.png", Rgb(255, 255, 255));
    Bmp("Bitmaps.v2/bg.bmp", 0x0000FF);
    // No ".bmp" is added; the PNG retry replaces everything after the folder's dot.
    EXPECT_EQ(Load("Bitmaps.v2\\bg"), 0xFFFFFF);
}

TEST_F(PictureTest, AMissingPictureFailsWithALogLine) {
    EXPECT_EQ(Load("Bitmaps\\none"), -1);
    EXPECT_TRUE(Logged("Bitmaps\\none"));
    EXPECT_EQ(picture, nullptr);
}

TEST_F(PictureTest, PalettePicturesAndSixteenBitAndTwoBitGreyLoadAsRgb) {
    PngSpec palette;
    palette.colorType = PNG_COLOR_TYPE_PALETTE;
    palette.palette = {{10, 20, 30}, {200, 100, 50}};
    palette.rows = {{0, 1}, {1, 0}};
    Png("p.png", palette);
    EXPECT_EQ(Load("p.png", 0, 1, 0), 0x3264C8);

    PngSpec deep;
    deep.bitDepth = 16;
    deep.rows = {{0xAB, 0xCD, 0x12, 0x34, 0x00, 0x00, 0, 0, 0, 0, 0, 0},
                 {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    Png("d.png", deep);
    EXPECT_EQ(Load("d.png"), 0x0012AB);

    PngSpec grey;
    grey.colorType = PNG_COLOR_TYPE_GRAY;
    grey.bitDepth = 2;
    grey.rows = {{0b11010000}, {0b10000000}};  // 3, 1 / 2, 0
    Png("g.png", grey);
    EXPECT_EQ(Load("g.png", 0, 0, 0), 0xFFFFFF);
    EXPECT_EQ(Load("g.png", 0, 1, 0), 0x555555);
    EXPECT_EQ(Load("g.png", 0, 0, 1), 0xAAAAAA);
}

TEST_F(PictureTest, AlphaIsCompositedOverBlack) {
    PngSpec rgba;
    rgba.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    rgba.rows = {{255, 255, 255, 255, 255, 255, 255, 0}, {200, 0, 0, 128, 0, 0, 0, 0}};
    Png("a.png", rgba);
    EXPECT_EQ(Load("a.png", 0, 0, 0), 0xFFFFFF);
    EXPECT_EQ(Load("a.png", 0, 1, 0), 0x000000);
    EXPECT_EQ(Load("a.png", 0, 0, 1), 0x000064);
    PngSpec greyAlpha;
    greyAlpha.colorType = PNG_COLOR_TYPE_GRAY_ALPHA;
    greyAlpha.rows = {{200, 255, 200, 0}, {0, 0, 0, 0}};
    Png("ga.png", greyAlpha);
    EXPECT_EQ(Load("ga.png", 0, 1, 0), 0x000000);
    EXPECT_EQ(Load("ga.png", 0, 0, 0), 0xC8C8C8);
}

TEST_F(PictureTest, AGammaChunkIsApplied) {
    PngSpec spec = Rgb(128, 128, 128);
    spec.gamma = 1.0;  // linear file on a 2.2 screen comes out lighter
    Png("gm.png", spec);
    EXPECT_GT(Load("gm.png") & 0xFF, 150);
}

TEST_F(PictureTest, PngPicturesHaveNoKeyEvenWhenAskedForOne) {
    Png("k.png", Rgb(255, 0, 255));
    Load("k.png", Interface::kPictureTransparent);
    EXPECT_EQ(picture->keyColor, -1);
    Bmp("k.bmp", 0xFF00FF);
    Load("k.bmp", Interface::kPictureTransparent);
    EXPECT_EQ(picture->keyColor, 0xFF00FF);
}

// Pictures read again come from the cache: only while their file is unchanged, each with the
// key that this load asks for, and never shared with an earlier holder.
TEST_F(PictureTest, APictureReadAgainIsTheFileAsItIsNow) {
    Bmp("c.bmp", 0xFF0000);
    EXPECT_EQ(Load("c.bmp", Interface::kPictureTransparent), 0x0000FF);
    const std::unique_ptr<gfx::Surface> first = std::move(picture);
    EXPECT_EQ(Load("c.bmp"), 0x0000FF);
    EXPECT_EQ(picture->keyColor, -1);
    EXPECT_NE(picture->bits, first->bits);
    picture->WritePixel(0, 0, 0);
    EXPECT_EQ(Load("c.bmp", Interface::kPictureTransparent), 0x0000FF);
    EXPECT_EQ(picture->keyColor, 0xFF00FF);

    const auto stamp = std::filesystem::last_write_time(Game("c.bmp"));
    Bmp("c.bmp", 0x00FF00);  // the same size; the time is set apart in case the clock is coarse
    std::filesystem::last_write_time(Game("c.bmp"), stamp + std::chrono::seconds(1));
    EXPECT_EQ(Load("c.bmp"), 0x00FF00);
    std::filesystem::remove(Game("c.bmp"));
    Png("c.png", Rgb(0, 0, 255));
    EXPECT_EQ(Load("c"), 0xFF0000);  // gone: the PNG beside it is read
}

// Strips are only read from, so every holder of one file shares the cached picture; a face
// loaded from the same file is its holder's own.
TEST_F(PictureTest, StripsOfOneFileAreSharedUntilTheFileChanges) {
    Bmp("s.bmp", 0xFF0000);
    std::shared_ptr<const gfx::Surface> first, second, blank;
    int32_t width = 0, height = 0;
    ASSERT_EQ(Interface::LoadStrip(&first, "s", &width, &height), 1);
    EXPECT_EQ(width, 2);
    ASSERT_EQ(Interface::LoadStrip(&second, "s.bmp", nullptr, nullptr), 1);
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(first->keyColor, -1);
    EXPECT_EQ(Load("s.bmp", Interface::kPictureTransparent), 0x0000FF);
    picture->WritePixel(0, 0, 0);
    EXPECT_EQ(gfx::PixelToColor(first->layout, first->ReadPixel(0, 0)), 0x0000FFu);
    EXPECT_EQ(first->keyColor, -1);

    const auto stamp = std::filesystem::last_write_time(Game("s.bmp"));
    Bmp("s.bmp", 0x00FF00);
    std::filesystem::last_write_time(Game("s.bmp"), stamp + std::chrono::seconds(1));
    ASSERT_EQ(Interface::LoadStrip(&second, "s", nullptr, nullptr), 1);
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(gfx::PixelToColor(second->layout, second->ReadPixel(0, 0)), 0x00FF00u);
    EXPECT_EQ(gfx::PixelToColor(first->layout, first->ReadPixel(0, 0)), 0x0000FFu);

    EXPECT_EQ(Interface::LoadStrip(&second, "none", nullptr, nullptr), 0);
    EXPECT_EQ(second, nullptr);
    EXPECT_TRUE(Logged("none"));
    width = 30, height = 20;
    ASSERT_EQ(Interface::LoadStrip(&blank, nullptr, &width, &height), 1);
    EXPECT_EQ(blank->width, 30);
    EXPECT_EQ(Interface::LoadStrip(&blank, nullptr, nullptr, &height), 0);
}

TEST_F(PictureTest, TruncatedOrCorruptFilesFailCleanlyWithALogLine) {
    Png("t.png", Rgb(1, 2, 3));
    const std::string whole = dir.Read("game/t.png");
    dir.Write("game/t.png", whole.substr(0, whole.size() / 2));
    EXPECT_EQ(Load("t.png"), -1);
    EXPECT_TRUE(Logged("t.png"));
    dir.Write("game/c.bmp", "BM this is not a bitmap at all");
    EXPECT_EQ(Load("c"), -1);
    EXPECT_TRUE(Logged("c"));
    dir.Write("game/s.png", "\x89PNG");
    EXPECT_EQ(Load("s.png"), -1);
    dir.Write("game/e.png", "");
    EXPECT_EQ(Load("e.png"), -1);
}

TEST_F(PictureTest, BlankSurfacesNeedASizeAndTakeTheKeyFlag) {
    int32_t width = 30, height = 20;
    ASSERT_EQ(Interface::LoadPicture(&picture, nullptr, &width, &height,
                                     Interface::kPictureBlank | Interface::kPictureTransparent), 1);
    EXPECT_EQ(picture->width, 30);
    EXPECT_EQ(picture->keyColor, 0xFF00FF);
    EXPECT_EQ(picture->Stride(), 120);
    EXPECT_EQ(Interface::LoadPicture(&picture, nullptr, nullptr, &height, Interface::kPictureBlank), 0);
    EXPECT_EQ(Interface::LoadPicture(nullptr, "x", &width, &height, 0), 0);
    EXPECT_EQ(Interface::LoadPicture(&picture, nullptr, &width, &height, 0), 0);
    width = 0;
    EXPECT_EQ(Interface::LoadPicture(&picture, nullptr, &width, &height, Interface::kPictureBlank), 0);
}

TEST_F(PictureTest, TheBackgroundIsReplacedKeptOrForgotten) {
    Bmp("bg1.bmp", 0x00FF00);
    EXPECT_EQ(Interface::SetBackground(nullptr, false), 1);  // none to drop
    EXPECT_EQ(Interface::SetBackground("bg1", false), 1);
    gfx::Surface* first = Interface::Background();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Interface::SetBackground("bg1", false), 1);
    EXPECT_EQ(Interface::Background(), first);  // same name: kept
    EXPECT_EQ(Interface::SetBackground("missing", false), 0);
    EXPECT_EQ(Interface::Background(), nullptr);
    EXPECT_EQ(Interface::SetBackground("bg1", false), 1);
    EXPECT_EQ(Interface::SetBackground(nullptr, false), 0);
    EXPECT_EQ(Interface::Background(), nullptr);
}

TEST_F(PictureTest, TheBackgroundIsCopiedUnderEveryFrame) {
    Bmp("bg2.bmp", 0x3366CC);
    // A 2 x 2 background covers only its corner of the back buffer.
    Interface::SetBackground("bg2", false);
    Interface::Render();
    EXPECT_EQ(headless::Screen().At(112, 84), 0x3366CCu);
    EXPECT_EQ(headless::Screen().At(112 + 2, 84), 0u);
}

namespace {

// The growth of the process's peak resident memory, in MiB, while `body` runs.
template <typename Body>
long PeakGrowthMiB(Body body) {
    const auto peak = [] {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
        }
        return 0L;
    };
    std::ofstream("/proc/self/clear_refs") << "5";  // restart the peak from now
    const long before = peak();
    body();
    return (peak() - before) / 1024;
}

// The growth of the peak address space, in MiB, while `body` runs in a child process: unlike
// resident memory it also counts an allocation that is never touched. A child starts with
// its peak at its current size.
template <typename Body>
long PeakAddressGrowthMiB(Body body) {
    const auto read = [](const char* key) {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::strlen(key)));
        }
        return 0L;
    };
    const pid_t child = ::fork();
    if (child == 0) {
        const long before = read("VmPeak:");
        body();
        ::_exit(static_cast<int>(std::min(255L, (read("VmPeak:") - before) / 1024)));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::string Le(uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
}

// A bitmap header claiming a picture far larger than the file, padded to 126 bytes.
std::string BmpClaiming(uint32_t width, uint32_t height) {
    std::string header = "BM" + Le(126, 4) + Le(0, 4) + Le(54, 4) + Le(40, 4) + Le(width, 4) +
                         Le(height, 4) + Le(1, 2) + Le(24, 2) + std::string(24, '\0');
    return header + std::string(126 - header.size(), '\x55');
}

// A whole small PNG whose header is patched to claim `width` x `height`.
std::string PngClaiming(std::string png, uint32_t width, uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<char>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<char>(height >> (24 - 8 * i));
    }
    uint32_t crc = 0xFFFFFFFFu;  // the chunk's CRC-32 over its type and data
    for (int i = 12; i < 29; ++i) {
        crc ^= static_cast<uint8_t>(png[i]);
        for (int bit = 0; bit < 8; ++bit) crc = crc >> 1 ^ (crc & 1 ? 0xEDB88320u : 0);
    }
    crc = ~crc;
    for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    return png;
}

}  // namespace

TEST_F(PictureTest, InterlacedPngLoadsPixelForPixel) {
    PngSpec spec;
    spec.width = spec.height = 16;
    spec.interlaced = true;
    for (int y = 0; y < 16; ++y) {
        std::vector<png_byte> row;
        for (int x = 0; x < 16; ++x) {
            row.insert(row.end(), {static_cast<png_byte>(x * 16), static_cast<png_byte>(y * 16),
                                   static_cast<png_byte>((x ^ y) * 8)});
        }
        spec.rows.push_back(row);
    }
    Png("i.png", spec);
    ASSERT_NE(Load("i.png"), -1);
    int wrong = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const uint32_t expected = static_cast<uint32_t>((x ^ y) * 8) << 16 | (y * 16) << 8 |
                                      (x * 16);
            wrong += gfx::PixelToColor(picture->layout, picture->ReadPixel(x, y)) != expected;
        }
    }
    EXPECT_EQ(wrong, 0);
}

// A few damaged bytes must not make the game allocate what the header claims.
TEST_F(PictureTest, AHeaderClaimingMoreThanTheFileHoldsIsRefusedBeforeAllocating) {
    dir.Write("game/big.bmp", BmpClaiming(6000, 6000));
    Png("small.png", Rgb(1, 2, 3));
    dir.Write("game/huge.png", PngClaiming(dir.Read("game/small.png"), 6000, 6000));
    EXPECT_LT(PeakGrowthMiB([this] { EXPECT_EQ(Load("big.bmp"), -1); }), 16);
    EXPECT_TRUE(Logged("big.bmp"));
    EXPECT_LT(PeakGrowthMiB([this] { EXPECT_EQ(Load("huge.png"), -1); }), 16);
    EXPECT_TRUE(Logged("huge.png"));
    // Within the file's size but beyond any picture the game shows.
    dir.Write("game/wide.bmp", BmpClaiming(100000, 1));
    EXPECT_EQ(Load("wide.bmp"), -1);
}

// A text chunk whose length field claims 1.7 GB in a 154-byte file.
TEST_F(PictureTest, AChunkClaimingGigabytesIsNeverAllocated) {
    std::ifstream input(BRELLIK_SOURCE_DIR "/tests/frame/pictures/huge_text_chunk.png",
                        std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(input), {}};
    ASSERT_EQ(file.size(), 154u);
    dir.Write("game/text.png", file);
    const long growth = PeakAddressGrowthMiB([this] { (void)Load("text.png"); });
    EXPECT_GE(growth, 0);
    EXPECT_LT(growth, 64);
    EXPECT_EQ(Load("text.png"), -1);
    EXPECT_TRUE(Logged("text.png"));
}

TEST_F(PictureTest, TheIconAndCursorsAreCheckedBeforeTheSystemLoadsThem) {
    dir.Write("game/icon.bmp", BmpClaiming(6000, 6000));
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    platform::UseSdlBackend();
    ASSERT_TRUE(platform::CreateMainWindow("Brellik", 0, 0, 1024, 808));
    EXPECT_LT(PeakGrowthMiB([this] {
                  platform::SetIconFile(Game("icon.bmp"));
                  platform::SetCursorFile(platform::kCursorBusy, Game("icon.bmp"), 1, 1);
              }),
              16);
    headless::Install();
}
