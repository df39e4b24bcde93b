#include "backend.h"
#include "desktop.h"
#include "message_queue.h"

#include <cassert>

namespace platform {

namespace {
std::unique_ptr<Backend>& Installed() {
    static std::unique_ptr<Backend> backend;
    return backend;
}
}  // namespace

void InstallBackend(std::unique_ptr<Backend> backend) {
    MessageQueue().clear();
    ForgetDroppedFiles();
    // A new screen starts with black bands.
    SetSideBands({});
    Installed() = std::move(backend);
}

bool HasBackend() { return Installed() != nullptr; }

Backend& CurrentBackend() {
    assert(Installed() && "no platform backend installed");
    return *Installed();
}

int BitsOf(PixelLayout layout) {
    switch (layout) {
        case PixelLayout::Rgb565:
        case PixelLayout::Rgb555: return 16;
        case PixelLayout::Bgr24: return 24;
        case PixelLayout::Bgrx32: return 32;
    }
    return 0;
}

int BytesPerPixel(PixelLayout layout) { return BitsOf(layout) / 8; }

uint32_t RgbOfPixel(PixelLayout layout, const uint8_t* pixel) {
    auto widen5 = [](uint32_t v) { return v << 3 | v >> 2; };
    auto widen6 = [](uint32_t v) { return v << 2 | v >> 4; };
    switch (layout) {
        case PixelLayout::Rgb565: {
            const uint32_t v = pixel[0] | pixel[1] << 8;
            return widen5(v >> 11 & 0x1F) << 16 | widen6(v >> 5 & 0x3F) << 8 | widen5(v & 0x1F);
        }
        case PixelLayout::Rgb555: {
            const uint32_t v = pixel[0] | pixel[1] << 8;
            return widen5(v >> 10 & 0x1F) << 16 | widen5(v >> 5 & 0x1F) << 8 | widen5(v & 0x1F);
        }
        case PixelLayout::Bgr24:
        case PixelLayout::Bgrx32:
            return static_cast<uint32_t>(pixel[2]) << 16 | pixel[1] << 8 | pixel[0];
    }
    return 0;
}

bool DisplayAvailable() { return CurrentBackend().DisplayAvailable(); }
DisplayMode GetDisplayMode() { return CurrentBackend().GetDisplayMode(); }
uint32_t RoundTripDisplayColor(uint32_t color) {
    return CurrentBackend().RoundTripDisplayColor(color);
}

bool CreateMainWindow(const char* title, int x, int y, int width, int height) {
    return CurrentBackend().CreateMainWindow(title, x, y, width, height);
}
bool MainWindowExists() { return HasBackend() && CurrentBackend().MainWindowExists(); }
void ShowMainWindow() { CurrentBackend().ShowMainWindow(); }
void MoveMainWindow(int x, int y, int width, int height) {
    CurrentBackend().MoveMainWindow(x, y, width, height);
}
void MinimiseMainWindow() { CurrentBackend().MinimiseMainWindow(); }
void SetMainWindowTopMost(bool topMost) { CurrentBackend().SetMainWindowTopMost(topMost); }
void DestroyMainWindow() { CurrentBackend().DestroyMainWindow(); }
void Present(const uint8_t* bits, int width, int height, int stride, PixelLayout layout,
             int x, int y) {
    CurrentBackend().Present(bits, width, height, stride, layout, x, y);
}
void SetCursor(int cursorId) { CurrentBackend().SetCursor(cursorId); }
void SetCursorFile(int cursorId, const std::string& bmpPath, int hotX, int hotY) {
    CurrentBackend().SetCursorFile(cursorId, bmpPath, hotX, hotY);
}
void SetIconFile(const std::string& bmpPath) { CurrentBackend().SetIconFile(bmpPath); }

// The backend is asked every time, not only when the queue is empty: presses that wait
// together must all be in the queue to be ordered by when they were made.
bool PeekMessage(Message& out) {
    auto& queue = MessageQueue();
    CurrentBackend().PollEvents();
    if (queue.empty()) return false;
    out = queue.front();
    queue.pop_front();
    return true;
}

void PostMessage(const Message& message) { MessageQueue().push_back(message); }
void PostFromAnyThread(const Message& message) { CurrentBackend().PostFromAnyThread(message); }
void PostQuitMessage(int code) { PostMessage({kWmQuit, static_cast<uint32_t>(code), 0}); }

void DefaultHandling(const Message& message) {
    if (message.id == kWmClose) {
        DestroyMainWindow();
        PostMessage({kWmDestroy, 0, 0});
    }
}

void ShowMessageBox(const char* text, const char* caption, BoxIcon icon) {
    CurrentBackend().ShowMessageBox(text ? text : "", caption ? caption : "", icon);
}

uint32_t GetTickCount() { return CurrentBackend().GetTickCount(); }
void Sleep(uint32_t ms) { CurrentBackend().Sleep(ms); }
std::time_t Time() { return CurrentBackend().Time(); }
std::tm LocalTime(std::time_t t) { return CurrentBackend().LocalTime(t); }

std::string StrDate() {
    const std::tm now = LocalTime(Time());
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", (now.tm_mon + 1) % 100, now.tm_mday % 100,
                  now.tm_year % 100);
    return text;
}

}  // namespace platform
