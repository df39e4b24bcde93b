// A started frame with a recorder for control events, strips of distinct colours and
// scripted pointer and key input in play-area coordinates.
#pragma once

#include "frame/frame_fixture.h"
#include "frame/picture_files.h"

#include <algorithm>
#include <ostream>

namespace controls_testing {

struct Event {
    int32_t id;
    int32_t code;
    int32_t value;
    bool operator==(const Event&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Event& event) {
    return out << "{" << event.id << ", " << event.code << ", " << event.value << "}";
}

class ControlsTest : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Recorded().clear();
        OnEvent() = nullptr;
        Interface::SetCallbacks(nullptr, RecordEvent, nullptr, nullptr);
        std::filesystem::create_directories(dir.Path() / "game/Bitmaps");
    }
    void TearDown() override {
        OnEvent() = nullptr;
        FrameTest::TearDown();
    }

    static std::vector<Event>& Recorded() {
        static std::vector<Event> events;
        return events;
    }
    // Called after each recorded event: lets a test act as the game does.
    static std::function<void(const Event&)>& OnEvent() {
        static std::function<void(const Event&)> hook;
        return hook;
    }
    static int32_t RecordEvent(Control* control, int32_t code, int32_t value) {
        Recorded().push_back({control->GetId(), code, value});
        if (OnEvent()) OnEvent()(Recorded().back());
        return 0;
    }
    std::vector<Event> TakeEvents() {
        std::vector<Event> events;
        events.swap(Recorded());
        return events;
    }

    // 0x00RRGGBB of the cell (column, row) of a generated strip; distinct for columns 0..9
    // and rows 0..3.
    static uint32_t CellColor(int column, int row) {
        return static_cast<uint32_t>(0x10 + 0x18 * column) << 16 |
               static_cast<uint32_t>(0x20 + 0x40 * row) << 8 | 0x55;
    }

    // Writes Bitmaps/<name>.bmp: `columns` x `rows` cells of cellWidth x cellHeight, cell
    // (c, r) in CellColor(c + firstColor, r). Returns the picture name the controls take.
    std::string Strip(const std::string& name, int columns, int rows, int cellWidth,
                      int cellHeight, int firstColor = 0) {
        const int width = columns * cellWidth, height = rows * cellHeight;
        std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                pixels[static_cast<std::size_t>(y) * width + x] =
                    CellColor(x / cellWidth + firstColor, y / cellHeight);
            }
        }
        EXPECT_TRUE(frame_testing::WriteBmp(dir / ("game/Bitmaps/" + name + ".bmp"), width,
                                            height, pixels));
        return "Bitmaps\\" + name;
    }
    // A picture of one colour.
    std::string Plain(const std::string& name, int width, int height, uint32_t rgb) {
        std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height, rgb);
        EXPECT_TRUE(frame_testing::WriteBmp(dir / ("game/Bitmaps/" + name + ".bmp"), width,
                                            height, pixels));
        return "Bitmaps\\" + name;
    }

    // The 0x00RRGGBB colour of a pixel of a control's face (-1 without a face).
    static int64_t FaceAt(const Control& control, int x, int y) {
        const gfx::Surface* face = control.Picture();
        if (!face) return -1;
        const uint32_t c = gfx::PixelToColor(face->layout, face->ReadPixel(x, y));
        return (c & 0xFF) << 16 | (c & 0xFF00) | c >> 16;
    }
    // The face's middle pixel, clear of the bevel frame.
    static int64_t Face(const Control& control) {
        return FaceAt(control, control.Width() / 2, control.Height() / 2);
    }
    static int64_t BackAt(int x, int y) {
        const gfx::Surface& back = Interface::BackBuffer();
        const uint32_t c = gfx::PixelToColor(back.layout, back.ReadPixel(x, y));
        return (c & 0xFF) << 16 | (c & 0xFF00) | c >> 16;
    }

    template <class T>
    T* Add(T* control) {
        EXPECT_EQ(Interface::AddControl(control, true), 1);
        return control;
    }

    // Scripted input through the window, in play-area coordinates.
    static void MoveTo(int x, int y) {
        headless::MoveMouse(112 + x, 84 + y);
        Interface::PumpMessages();
    }
    static void LeftDown() {
        headless::MouseButton(false, true);
        Interface::PumpMessages();
    }
    static void LeftUp() {
        headless::MouseButton(false, false);
        Interface::PumpMessages();
    }
    static void ClickAt(int x, int y) {
        MoveTo(x, y);
        LeftDown();
        LeftUp();
    }
    static void CharDown(uint8_t ch) { Interface::DispatchInput(Interface::kInputChar, ch); }
    static void CharUp(uint8_t ch) { Interface::DispatchInput(Interface::kInputCharUp, ch); }
    static void Type(uint8_t ch) {
        headless::TypeText(std::string(1, static_cast<char>(ch)));
        Interface::PumpMessages();
    }
    static void KeyDown(uint32_t scanCode) {
        headless::KeyDown(scanCode);
        Interface::PumpMessages();
    }
    static void KeyUp(uint32_t scanCode) {
        headless::KeyUp(scanCode);
        Interface::PumpMessages();
    }
    // Moves the fake clock on and runs one frame's update.
    static void Tick(uint32_t ms) {
        headless::Advance(ms);
        Interface::Update();
    }
};

}  // namespace controls_testing
