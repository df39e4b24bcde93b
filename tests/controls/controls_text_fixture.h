// A started frame with a plain background picture, a 20-pixel font, the events the
// controls report, and helpers that drive the pointer and the keyboard through the
// headless message queue (play-area coordinates).
#pragma once

#include "../frame/frame_fixture.h"
#include "../frame/picture_files.h"

#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace controls_testing {

struct ReportedEvent {
    int32_t id;
    int32_t code;
    int32_t value;
    bool operator==(const ReportedEvent&) const = default;
};

inline std::vector<ReportedEvent>& Reported() {
    static std::vector<ReportedEvent> events;
    return events;
}

inline int32_t RecordEvent(Control* control, int32_t code, int32_t value) {
    Reported().push_back({control ? control->GetId() : -1, code, value});
    return 0;
}

inline void IgnoreStateChange() {}

constexpr uint32_t kBackgroundRgb = 0x204060;  // 0x00RRGGBB as the screen shows it
constexpr uint32_t kBackgroundColor = 0x604020;  // the same as 0x00BBGGRR
constexpr uint32_t kFillColor = 0x000000;
constexpr int kOriginX = 112;  // the play area on the 1024 x 768 headless screen
constexpr int kOriginY = 84;

// The colour (0x00BBGGRR) of a pixel of a control's face.
inline uint32_t FaceColor(const Control& control, int x, int y) {
    const gfx::Surface& face = *control.Picture();
    return gfx::PixelToColor(face.layout, face.ReadPixel(x, y));
}

class ControlsTextTest : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Reported().clear();
        Interface::SetCallbacks(IgnoreStateChange, RecordEvent, nullptr, nullptr);
        Interface::SetFillColor(kFillColor);
        WriteBmp("Bitmaps/bg.bmp", 1024, 768, kBackgroundRgb);
        ASSERT_EQ(Interface::SetBackground("Bitmaps\\bg", false), 1);
    }

    void WriteBmp(const std::string& name, int width, int height, uint32_t rgb) {
        const std::string path = dir / ("game/" + name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height, rgb);
        ASSERT_TRUE(frame_testing::WriteBmp(path, width, height, pixels));
    }

    template <typename T>
    T* Add(T* control) {
        EXPECT_EQ(Interface::AddControl(control, true), 1);
        return control;
    }

    static void MoveTo(int x, int y) {
        headless::MoveMouse(kOriginX + x, kOriginY + y);
        Interface::PumpMessages();
    }
    static void Press() {
        headless::MouseButton(false, true);
        Interface::PumpMessages();
    }
    static void Release() {
        headless::MouseButton(false, false);
        Interface::PumpMessages();
    }
    static void ClickAt(int x, int y) {
        headless::Click(kOriginX + x, kOriginY + y);
        Interface::PumpMessages();
    }
    static void Type(std::string_view text) {
        headless::TypeText(text);
        Interface::PumpMessages();
    }
    static void Updates(int count) {
        for (int i = 0; i < count; ++i) Interface::Update();
    }

    static int CountEvents(int32_t code) {
        int n = 0;
        for (const ReportedEvent& e : Reported()) n += e.code == code;
        return n;
    }

    // Runs `body` in a child process; its exit status, or -1 when it did not exit.
    template <typename Body>
    static int ExitStatusOf(Body body) {
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            body();
            ::_exit(77);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    gfx::Font font{gfx::FontSpec{"Arial", 20, 400, 238}};
};

}  // namespace controls_testing
