// Opens the real window, draws a gradient, a keyed copy and Czech text in two fonts,
// prints every input message it receives and quits when the window is closed.
#include "gfx/canvas.h"
#include "gfx/surface.h"
#include "platform/platform.h"

#include <cstdio>

namespace {

using platform::Message;

platform::PixelLayout LayoutOfDisplay(const platform::DisplayMode& mode) {
    if (mode.bitsPerPixel >= 32) return platform::PixelLayout::Bgrx32;
    if (mode.bitsPerPixel == 24) return platform::PixelLayout::Bgr24;
    return platform::RoundTripDisplayColor(0x000C00) == 0x000C00 ? platform::PixelLayout::Rgb565
                                                                 : platform::PixelLayout::Rgb555;
}

void DrawScene(gfx::Surface& back, const gfx::Font& regular, const gfx::Font& bold) {
    gfx::Canvas canvas(back);
    for (int y = 0; y < back.height; ++y) {
        const uint32_t blue = static_cast<uint32_t>(60 + y * 160 / back.height);
        canvas.FillRect({0, y, back.width, y + 1}, blue << 16 | (blue / 3) << 8);
    }
    // A sprite with a magenta key: a gold ring whose hole shows the gradient.
    gfx::Surface sprite;
    sprite.Create(back.layout, 120, 120);
    sprite.keyColor = static_cast<int32_t>(gfx::kKeyColor);
    gfx::Canvas spriteCanvas(sprite);
    spriteCanvas.FillRect({0, 0, 120, 120}, gfx::kKeyColor);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 120; ++x) {
            const int d = (x - 60) * (x - 60) + (y - 60) * (y - 60);
            if (d < 58 * 58 && d > 30 * 30) spriteCanvas.FillRect({x, y, x + 1, y + 1}, 0x20B0F0);
        }
    }
    gfx::BlitKeyed(back, 640, 80, sprite, {0, 0, 120, 120});

    const char* sentence = "P\xF8\xED\x6Ci\x9A \x9Elu\x9Do\x75\xE8k\xFD k\xF9\xF2 \xFAp\xECl "
                           "\xEF\xE1\x62\x65lsk\xE9 \xF3\x64y";
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    canvas.SetTextColor(0xFFFFFF);
    canvas.SelectFont(&regular);
    canvas.TextOut(40, 240, sentence);
    canvas.SelectFont(&bold);
    canvas.SetTextColor(0x40E0FF);
    canvas.TextOut(40, 280, sentence);
    canvas.SelectFont(nullptr);
    canvas.SetTextColor(0xFFFFFF);
    canvas.TextOut(40, 340, "Zav\xF8\x65te okno pro ukon\xE8\x65n\xED.");
}

const char* NameOf(uint32_t id) {
    switch (id) {
        case platform::kWmKeyDown: return "KeyDown";
        case platform::kWmKeyUp: return "KeyUp";
        case platform::kWmSysKeyDown: return "SysKeyDown";
        case platform::kWmSysKeyUp: return "SysKeyUp";
        case platform::kWmChar: return "Char";
        case platform::kWmSysChar: return "SysChar";
        case platform::kWmMouseMove: return "MouseMove";
        case platform::kWmLButtonDown: return "LButtonDown";
        case platform::kWmLButtonUp: return "LButtonUp";
        case platform::kWmRButtonDown: return "RButtonDown";
        case platform::kWmRButtonUp: return "RButtonUp";
        case platform::kWmActivate: return "Activate";
        case platform::kWmClose: return "Close";
        case platform::kWmDestroy: return "Destroy";
        default: return "Other";
    }
}

void Print(const Message& m) {
    const char* name = NameOf(m.id);
    switch (m.id) {
        case platform::kWmKeyDown:
        case platform::kWmKeyUp:
        case platform::kWmSysKeyDown:
        case platform::kWmSysKeyUp:
            std::printf("%s scan=%u\n", name, platform::ScanCodeOf(m.lParam));
            break;
        case platform::kWmChar:
        case platform::kWmSysChar:
            std::printf("%s code=%u up=%u\n", name, m.wParam,
                        (m.lParam & platform::kKeyTransitionBit) ? 1u : 0u);
            break;
        case platform::kWmMouseMove:
        case platform::kWmLButtonDown:
        case platform::kWmLButtonUp:
        case platform::kWmRButtonDown:
        case platform::kWmRButtonUp:
            std::printf("%s x=%u y=%u\n", name, m.lParam & 0xFFFF, m.lParam >> 16);
            break;
        default: std::printf("%s wParam=0x%x\n", name, m.wParam); break;
    }
    std::fflush(stdout);
}

}  // namespace

int main() {
    platform::UseSdlBackend();
    const platform::DisplayMode mode = platform::GetDisplayMode();
    if (mode.width <= 0) return 1;
    if (!platform::CreateMainWindow("Brellik demo", 0, 0, mode.width, mode.height + 40)) return 1;
    platform::ShowMainWindow();
    platform::SetCursor(platform::kCursorArrow);

    gfx::Surface back;
    back.Create(LayoutOfDisplay(mode), 1024, 768);
    const gfx::Font regular({"Arial", 20, 400, 238});
    const gfx::Font bold({"Arial", 26, 700, 238});
    DrawScene(back, regular, bold);
    std::printf("Ready %dx%d depth %d\n", mode.width, mode.height, mode.bitsPerPixel);
    std::fflush(stdout);

    const int x0 = (mode.width - 800) >> 1, y0 = (mode.height - 600) >> 1;
    bool running = true;
    while (running) {
        Message message;
        while (platform::PeekMessage(message)) {
            Print(message);
            if (message.id == platform::kWmClose) running = false;
            platform::DefaultHandling(message);
        }
        if (!running) break;
        platform::Present(back.bits, back.width, back.height, back.Stride(), back.layout, x0, y0);
        platform::Sleep(27);
    }
    return 0;
}
