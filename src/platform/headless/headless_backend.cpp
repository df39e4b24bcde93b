#include "headless.h"

#include "../backend.h"
#include "../message_queue.h"
#include "../pad_slots.h"
#include "../phone_keys.h"
#include "../play_area_fit.h"
#include "../side_bands.h"
#include "recording_sound.h"

#include <png.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <memory>
#include <mutex>

namespace headless {

namespace {

using platform::Message;

// No display is larger, and a test's typo must not allocate gigabytes.
constexpr int kLargestWindowSide = 8192;

class HeadlessBackend final : public platform::Backend {
public:
    explicit HeadlessBackend(const Config& config)
        : config_(config), tick_(config.startTick), time_(config.startTime) {
        screen_.width = config.width;
        screen_.height = config.height;
        screen_.pixels.assign(static_cast<std::size_t>(config.width) * config.height, 0);
    }

    bool DisplayAvailable() override { return true; }

    platform::DisplayMode GetDisplayMode() override {
        return {config_.width, config_.height, config_.bitsPerPixel};
    }

    uint32_t RoundTripDisplayColor(uint32_t color) override {
        if (config_.bitsPerPixel > 16) return color & 0xFFFFFF;
        const uint32_t r = color & 0xFF, g = color >> 8 & 0xFF, b = color >> 16 & 0xFF;
        const uint32_t greenBits = Is565() ? 6 : 5;
        const uint32_t keptGreen = g >> (8 - greenBits) << (8 - greenBits);
        return (b >> 3 << 3) << 16 | keptGreen << 8 | (r >> 3 << 3);
    }

    bool CreateMainWindow(const char* title, int x, int y, int width, int height) override {
        window_ = WindowState{};
        if (config_.windowFails) return false;
        window_.exists = true;
        window_.title = title ? title : "";
        window_.x = x;
        window_.y = y;
        window_.width = width;
        window_.height = height;
        window_.cursor = platform::kCursorArrow;
        return true;
    }
    bool MainWindowExists() override { return window_.exists; }
    void ShowMainWindow() override { window_.visible = window_.exists; }
    void MoveMainWindow(int x, int y, int width, int height) override {
        window_.x = x;
        window_.y = y;
        window_.width = width;
        window_.height = height;
    }
    void MinimiseMainWindow() override {
        if (!window_.exists || window_.minimised) return;
        window_.minimised = true;
        platform::PostMessage({platform::kWmActivate, 0x10000, 0});
    }
    void SetMainWindowTopMost(bool topMost) override { window_.topMost = topMost; }
    void DestroyMainWindow() override { window_.exists = window_.visible = false; }

    // Presenting copies the frame into memory; it becomes screen pixels when a test asks.
    void Present(const uint8_t* bits, int width, int height, int stride,
                 platform::PixelLayout layout, int x, int y) override {
        presented_.bits.assign(bits, bits + static_cast<std::size_t>(height) * stride);
        presented_.width = width;
        presented_.height = height;
        presented_.stride = stride;
        presented_.layout = layout;
        presented_.x = x;
        presented_.y = y;
        screenStale_ = true;
        ++presentCount_;
    }

    const Frame& ScreenFrame() {
        if (screenStale_) ConvertPresented();
        return screen_;
    }

    void ApplyPresentation() override {}
    void SideBandsChanged() override {}

    void SetWindowSize(int width, int height) {
        windowWidth_ = std::clamp(width, 0, kLargestWindowSide);
        windowHeight_ = std::clamp(height, 0, kLargestWindowSide);
    }

    const Frame& WindowFrame() {
        const Frame& screen = ScreenFrame();
        windowPicture_.width = windowWidth_;
        windowPicture_.height = windowHeight_;
        windowPicture_.pixels.assign(static_cast<std::size_t>(windowWidth_) * windowHeight_, 0);
        const platform::PictureRect fit =
            platform::FitPlayArea(windowWidth_, windowHeight_, platform::ScaleMode::Smooth);
        ScalePlayArea(screen, fit);
        const platform::BandRects rects =
            platform::SideBandRects(windowWidth_, windowHeight_, fit);
        if (rects != paintedRects_ || platform::SideBandsVersion() != paintedVersion_) {
            paintedRects_ = rects;
            paintedVersion_ = platform::SideBandsVersion();
            const platform::SideBands& bands = platform::CurrentSideBands();
            platform::PaintSideBand(bands.left, rects.left.width, rects.left.height, leftBand_);
            platform::PaintSideBand(bands.right, rects.right.width, rects.right.height, rightBand_);
            ++bandPaintCount_;
        }
        PutBand(leftBand_, rects.left);
        PutBand(rightBand_, rects.right);
        return windowPicture_;
    }
    int bandPaintCount_ = 0;

    void SetCursor(int cursorId) override { window_.cursor = cursorId; }
    void SetCursorFile(int cursorId, const std::string& path, int, int) override {
        (cursorId == platform::kCursorBusy ? window_.busyCursorFile : window_.arrowCursorFile) = path;
    }
    void SetIconFile(const std::string& path) override { window_.iconFile = path; }
    // Messages other threads posted, moved to the queue in the order they came.
    void PollEvents() override {
        std::lock_guard lock(crossThreadMutex_);
        for (const Message& message : crossThread_) platform::PostCrossThread(message);
        crossThread_.clear();
    }
    void PostFromAnyThread(const Message& message) override {
        std::lock_guard lock(crossThreadMutex_);
        crossThread_.push_back(message);
    }

    void ShowMessageBox(const char* text, const char* caption, platform::BoxIcon icon) override {
        boxes_.push_back({text, caption, icon});
    }
    std::string OpenFolderOnDesktop(const std::string& path) override {
        openedFolders_.push_back(path);
        return openFolderFailure_;
    }

    uint32_t GetTickCount() override { return tick_; }
    void Sleep(uint32_t ms) override { Advance(ms); }
    std::time_t Time() override { return time_ + static_cast<std::time_t>(subSecond_ / 1000); }
    std::tm LocalTime(std::time_t t) override {
        std::tm out{};
        ::gmtime_r(&t, &out);
        return out;
    }

    void Advance(uint32_t ms) {
        tick_ += ms;
        subSecond_ += ms;
    }
    void SetTick(uint32_t tick) { tick_ = tick; }
    void SetTime(std::time_t seconds) {
        time_ = seconds;
        subSecond_ = 0;
    }

    Config config_;
    // Read by other threads (arrival stamps of their messages).
    std::atomic<uint32_t> tick_;
    std::time_t time_;
    uint64_t subSecond_ = 0;
    WindowState window_;
    std::vector<BoxRecord> boxes_;
    std::vector<std::string> openedFolders_;
    std::string openFolderFailure_;
    Frame screen_;
    int presentCount_ = 0;
    platform::PadSlots pads_;

private:
    std::mutex crossThreadMutex_;
    std::deque<Message> crossThread_;
    struct Presented {
        std::vector<uint8_t> bits;
        int width = 0, height = 0, stride = 0, x = 0, y = 0;
        platform::PixelLayout layout = platform::PixelLayout::Bgrx32;
    };

    void ConvertPresented() {
        screenStale_ = false;
        const Presented& p = presented_;
        const int bpp = platform::BytesPerPixel(p.layout);
        for (int row = 0; row < p.height; ++row) {
            const int sy = p.y + row;
            if (sy < 0 || sy >= screen_.height) continue;
            const uint8_t* src =
                p.bits.data() + static_cast<std::size_t>(p.height - 1 - row) * p.stride;
            for (int col = 0; col < p.width; ++col) {
                const int sx = p.x + col;
                if (sx < 0 || sx >= screen_.width) continue;
                screen_.pixels[static_cast<std::size_t>(sy) * screen_.width + sx] =
                    platform::RgbOfPixel(p.layout, src + col * bpp);
            }
        }
    }

    // The play area lies centred on the virtual screen, where the engine presents it.
    void ScalePlayArea(const Frame& screen, const platform::PictureRect& fit) {
        const int originX = (screen.width - platform::kPlayAreaWidth) / 2;
        const int originY = (screen.height - platform::kPlayAreaHeight) / 2;
        for (int y = 0; y < fit.height; ++y) {
            for (int x = 0; x < fit.width; ++x) {
                const platform::PlayAreaPoint p =
                    platform::WindowToPlayArea(fit, fit.x + x, fit.y + y);
                const int sx = originX + p.x, sy = originY + p.y;
                if (sx < 0 || sy < 0 || sx >= screen.width || sy >= screen.height) continue;
                windowPicture_.pixels[static_cast<std::size_t>(fit.y + y) * windowWidth_ +
                                       fit.x + x] = screen.At(sx, sy);
            }
        }
    }

    void PutBand(const platform::BandPicture& band, const platform::PictureRect& rect) {
        if (band.width != rect.width || band.height != rect.height) return;
        for (int y = 0; y < band.height; ++y) {
            std::copy_n(band.pixels.begin() + static_cast<std::ptrdiff_t>(y) * band.width,
                        band.width,
                        windowPicture_.pixels.begin() +
                            static_cast<std::ptrdiff_t>(rect.y + y) * windowWidth_ + rect.x);
        }
    }

    Presented presented_;
    bool screenStale_ = false;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    Frame windowPicture_;
    platform::BandRects paintedRects_;
    uint64_t paintedVersion_ = ~uint64_t{0};
    platform::BandPicture leftBand_;
    platform::BandPicture rightBand_;

    bool Is565() const { return config_.bitsPerPixel == 16 && config_.green6; }
};

HeadlessBackend* current = nullptr;

HeadlessBackend& Current() {
    if (!current) Install();
    return *current;
}

uint32_t& MouseX() {
    static uint32_t x = 0;
    return x;
}
uint32_t& MouseY() {
    static uint32_t y = 0;
    return y;
}

}  // namespace

void Install(const Config& config) {
    auto backend = std::make_unique<HeadlessBackend>(config);
    current = backend.get();
    platform::InstallBackend(std::move(backend));
    InstallRecordingSound();
}

void Advance(uint32_t ms) { Current().Advance(ms); }
void SetTickCount(uint32_t tick) { Current().SetTick(tick); }
void SetTime(std::time_t seconds) { Current().SetTime(seconds); }

void KeyDown(uint32_t scanCode, uint8_t ch, bool alt) {
    Current();
    platform::PostKeyDown(scanCode, ch, alt, false, platform::GetTickCount());
}
void KeyUp(uint32_t scanCode, uint8_t ch, bool alt) {
    Current();
    platform::PostKeyUp(scanCode, ch, alt);
}
void PressKey(uint32_t scanCode, uint8_t ch) {
    KeyDown(scanCode, ch);
    KeyUp(scanCode, ch);
}

void TypeText(std::string_view cp1250) {
    Current();
    for (char c : cp1250) {
        const auto ch = static_cast<uint8_t>(c);
        platform::PostMessage({platform::kWmChar, ch, platform::kKeyRepeatCountOne});
        platform::PostMessage({platform::kWmChar, ch,
                               platform::kKeyRepeatCountOne | platform::kKeyTransitionBit |
                                   platform::kKeyPreviousStateBit});
    }
}

void MoveMouse(int x, int y) {
    Current();
    MouseX() = static_cast<uint32_t>(x);
    MouseY() = static_cast<uint32_t>(y);
    platform::PostMessage({platform::kWmMouseMove, 0, platform::MakeMouseLParam(x, y)});
}

void MouseButton(bool right, bool down) {
    Current();
    uint32_t id = right ? (down ? platform::kWmRButtonDown : platform::kWmRButtonUp)
                        : (down ? platform::kWmLButtonDown : platform::kWmLButtonUp);
    platform::PostMessage({id, 0,
                           platform::MakeMouseLParam(static_cast<int>(MouseX()),
                                                     static_cast<int>(MouseY()))});
}

void Click(int x, int y, bool right) {
    MoveMouse(x, y);
    MouseButton(right, true);
    MouseButton(right, false);
}

void SetActivity(bool active, bool minimised) {
    Current().window_.minimised = minimised;
    platform::PostMessage(
        {platform::kWmActivate, (minimised ? 0x10000u : 0u) | (active ? 1u : 0u), 0});
}

void CloseWindow() {
    Current();
    platform::PostMessage({platform::kWmClose, 0, 0});
}

int PlugPad() { return Current().pads_.Take(); }
void UnplugPad(int slot) { Current().pads_.Release(slot); }

void PressPhoneButton(int slot, int button) {
    const int32_t key = platform::MakePhoneKey(slot, button);
    if (key == 0) return;
    platform::PostFromAnyThread({platform::kWmPhoneButtonDown, static_cast<uint32_t>(key),
                                 platform::GetTickCount()});
}

void PressPadButton(int slot, int button) {
    if (!Current().pads_.InUse(slot)) return;
    const int32_t key = platform::MakePadKey(slot, button);
    if (key == 0) return;
    platform::PostPress(
        {platform::kWmPadButtonDown, static_cast<uint32_t>(key), 0, platform::GetTickCount()});
}

const std::vector<BoxRecord>& Boxes() { return Current().boxes_; }
void DropFile(const std::string& path) {
    Current();
    platform::PostDroppedFile(path);
}
const std::vector<std::string>& OpenedFolders() { return Current().openedFolders_; }
void FailOpeningFolders(const std::string& why) { Current().openFolderFailure_ = why; }
const WindowState& Window() { return Current().window_; }
const Frame& Screen() { return Current().ScreenFrame(); }
int PresentCount() { return Current().presentCount_; }
void SetWindowSize(int width, int height) { Current().SetWindowSize(width, height); }
const Frame& WindowPicture() { return Current().WindowFrame(); }
int BandPaintCount() { return Current().bandPaintCount_; }

bool Frame::SavePng(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = At(x, y);
            row[x * 3] = static_cast<png_byte>(p >> 16);
            row[x * 3 + 1] = static_cast<png_byte>(p >> 8);
            row[x * 3 + 2] = static_cast<png_byte>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace headless
