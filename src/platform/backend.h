// What a backend supplies. Facilities that are the same on every backend (files, paths,
// the user folder, the random generator, text encoding, the instance lock) live in the
// shared platform code instead.
#pragma once

#include "platform.h"

#include <memory>

namespace platform {

class Backend {
public:
    virtual ~Backend() = default;

    virtual bool DisplayAvailable() = 0;
    virtual DisplayMode GetDisplayMode() = 0;
    virtual uint32_t RoundTripDisplayColor(uint32_t color) = 0;

    virtual bool CreateMainWindow(const char* title, int x, int y, int width, int height) = 0;
    virtual bool MainWindowExists() = 0;
    virtual void ShowMainWindow() = 0;
    virtual void MoveMainWindow(int x, int y, int width, int height) = 0;
    virtual void MinimiseMainWindow() = 0;
    virtual void SetMainWindowTopMost(bool topMost) = 0;
    virtual void DestroyMainWindow() = 0;
    virtual void Present(const uint8_t* bits, int width, int height, int stride,
                         PixelLayout layout, int x, int y) = 0;
    // Puts GetPresentation()'s choices into effect on the window, if there is one.
    virtual void ApplyPresentation() = 0;
    // The side bands' description changed (side_bands.h): draw them again.
    virtual void SideBandsChanged() = 0;
    virtual void SetCursor(int cursorId) = 0;
    virtual void SetCursorFile(int cursorId, const std::string& bmpPath, int hotX, int hotY) = 0;
    virtual void SetIconFile(const std::string& bmpPath) = 0;

    // Backends fill the queue from their own events when it runs dry.
    virtual void PollEvents() = 0;
    // Safe from any thread: the message joins the queue at the next poll, in arrival order.
    virtual void PostFromAnyThread(const Message& message) = 0;

    virtual void ShowMessageBox(const char* text, const char* caption, BoxIcon icon) = 0;
    // See OpenFolderOnDesktop.
    virtual std::string OpenFolderOnDesktop(const std::string& path) = 0;

    virtual uint32_t GetTickCount() = 0;
    virtual void Sleep(uint32_t ms) = 0;
    virtual std::time_t Time() = 0;
    virtual std::tm LocalTime(std::time_t t) = 0;
};

// Installs a backend; the previous one is destroyed and the message queue emptied.
void InstallBackend(std::unique_ptr<Backend> backend);
Backend& CurrentBackend();

}  // namespace platform
