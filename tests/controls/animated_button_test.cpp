// Animated buttons: the hover and release animations in their modes, presses by pointer,
// character and hot key, the frozen rule, hot areas and hint pictures.
#include "controls/animated_button.h"
#include "controls_fixture.h"

using controls_testing::ControlsTest;
using controls_testing::Event;

namespace {

constexpr int kFirstFrameColor = 5;  // animation frame k shows CellColor(5 + k, 0)

class AnimatedButtonTest : public ControlsTest {
protected:
    AnimatedButton* Button(int32_t id, int32_t options, int32_t accelerator = 0, int x = 100,
                           bool withAnimation = true) {
        auto* button = Add(new AnimatedButton(id));
        const std::string picture = Strip("button", 1, 4, 40, 20);
        const std::string animation =
            withAnimation ? Strip("anim", 5, 1, 40, 20, kFirstFrameColor) : "Bitmaps\\none";
        EXPECT_EQ(button->SetUp(x, 100, picture.c_str(), animation.c_str(), 5, 0.1f, options,
                                accelerator, 0),
                  withAnimation ? 1 : 0);
        return button;
    }
    static uint32_t Frame(int k) { return CellColor(kFirstFrameColor + k, 0); }
    // The frames shown at `count` successive updates `step` ms apart.
    std::vector<int64_t> Frames(const Control& button, int count, uint32_t step = 100) {
        std::vector<int64_t> shown;
        for (int i = 0; i < count; ++i) {
            Tick(i == 0 ? 0 : step);
            shown.push_back(Face(button));
        }
        return shown;
    }
    std::vector<int64_t> Expected(std::initializer_list<int> frames) {
        std::vector<int64_t> colors;
        for (int k : frames) colors.push_back(k < 0 ? CellColor(0, -k - 1) : Frame(k));
        return colors;
    }
};

TEST_F(AnimatedButtonTest, EnteringPlaysForwardAndStaysLeavingPlaysBackToTheStaticLook) {
    AnimatedButton* button = Button(2, 0);
    MoveTo(110, 110);
    EXPECT_EQ(Interface::GetFocusId(), 2);
    EXPECT_EQ(Frames(*button, 7), Expected({0, 1, 2, 3, 4, 4, 4}));
    MoveTo(300, 300);
    EXPECT_EQ(Interface::GetFocusId(), 0);
    // -1 stands for the static picture's row 0.
    EXPECT_EQ(Frames(*button, 6), Expected({3, 2, 1, 0, -1, -1}));
    EXPECT_FALSE(button->IsAnimating());
    // Entering again starts from the first frame at once.
    MoveTo(110, 110);
    EXPECT_EQ(Frames(*button, 2), Expected({0, 1}));
}

TEST_F(AnimatedButtonTest, FramesFollowTheClockNotTheNumberOfUpdates) {
    AnimatedButton* button = Button(2, 0);
    MoveTo(110, 110);
    Tick(0);
    Tick(350);
    EXPECT_EQ(Face(*button), Frame(3));
    Tick(1000);
    EXPECT_EQ(Face(*button), Frame(4));
}

// Ping-pong starts "frames minus the current frame" into its cycle: from frame 0 that is on
// the way back, at frame 3 of 5.
TEST_F(AnimatedButtonTest, PingPongStartsFramesMinusCurrentIntoItsCycleAndLoops) {
    AnimatedButton* button = Button(2, AnimatedButton::kOptionPingPong | AnimatedButton::kOptionLoop);
    MoveTo(110, 110);
    EXPECT_EQ(Frames(*button, 11), Expected({3, 2, 1, 0, 1, 2, 3, 4, 3, 2, 1}));
}

TEST_F(AnimatedButtonTest, ALoopingForwardHoverStartsOverAfterTheLastFrame) {
    AnimatedButton* button = Button(2, AnimatedButton::kOptionLoop);
    MoveTo(110, 110);
    EXPECT_EQ(Frames(*button, 8), Expected({0, 1, 2, 3, 4, 0, 1, 2}));
    MoveTo(300, 300);  // leaving never loops
    EXPECT_EQ(Frames(*button, 5), Expected({1, 0, -1, -1, -1}));
}

TEST_F(AnimatedButtonTest, APressShowsThePressedRowAndTheReleasePlaysTheEnd) {
    AnimatedButton* button = Button(2, 0);
    MoveTo(110, 110);
    Frames(*button, 3);
    LeftDown();
    EXPECT_FALSE(button->IsAnimating());
    EXPECT_EQ(Face(*button), CellColor(0, 2));
    LeftUp();
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{2, 1, 1}}));
    EXPECT_EQ(Frames(*button, 3), Expected({3, 4, 4}));
    // A release elsewhere is no release.
    LeftDown();
    MoveTo(300, 300);
    LeftUp();
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(AnimatedButtonTest, TheAcceleratorCharacterPressesAndReleases) {
    AnimatedButton* button = Button(2, 0, 'n');
    CharDown('n');
    EXPECT_EQ(Interface::GetFocusId(), 2);
    EXPECT_EQ(Face(*button), CellColor(0, 2));
    CharUp('n');
    EXPECT_EQ(Interface::GetFocusId(), 0);
    EXPECT_EQ(Face(*button), CellColor(0, 0));
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{2, 1, 1}}));
}

TEST_F(AnimatedButtonTest, HotKeysPressWithTheFunctionKeyTheDigitAndTheKeypad) {
    const uint32_t keys[3][3] = {{0x3B, 0x02, 0x4F}, {0x3C, 0x03, 0x50}, {0x3D, 0x04, 0x51}};
    for (int hot = 0; hot < 3; ++hot) {
        auto* button = Button(10 + hot, 0, 0, 100 + 50 * hot);
        button->SetHotKey(static_cast<int32_t>(keys[hot][0]));
    }
    MoveTo(600, 600);
    TakeEvents();
    for (int hot = 0; hot < 3; ++hot) {
        for (uint32_t key : keys[hot]) {
            KeyDown(key);
            EXPECT_EQ(Interface::GetFocusId(), 10 + hot);
            KeyUp(key);
            EXPECT_EQ(TakeEvents(), (std::vector<Event>{{10 + hot, 1, 1}})) << key;
        }
    }
    KeyDown(0x05);  // the digit 4 is no hot key
    KeyUp(0x05);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(AnimatedButtonTest, AHotKeyPressKeepsThePressedRowAndALaterReleaseReportsAgain) {
    AnimatedButton* button = Button(2, 0);
    button->SetHotKey(AnimatedButton::kHotKeyF2);
    KeyDown(0x3C);
    EXPECT_EQ(Face(*button), CellColor(0, 2));
    KeyUp(0x3C);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{2, 1, 1}}));
    EXPECT_EQ(Face(*button), CellColor(0, 2));  // still pressed while it has the focus
    MoveTo(110, 110);
    LeftUp();
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{2, 1, 1}}));
}

TEST_F(AnimatedButtonTest, FrozenButtonsIgnoreEveryInput) {
    AnimatedButton* button = Button(2, 0, 'n');
    button->SetHotKey(AnimatedButton::kHotKeyF1);
    controlsFrozen = 1;
    MoveTo(110, 110);
    EXPECT_FALSE(button->IsAnimating());
    EXPECT_EQ(Interface::GetFocusId(), 0);
    LeftDown();
    LeftUp();
    Type('n');
    KeyDown(0x3B);
    KeyUp(0x3B);
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_EQ(button->PressedBy(), 0);
}

TEST_F(AnimatedButtonTest, WithHotAreasEitherAreaStartsTheHover) {
    AnimatedButton* button = Button(2, 0);
    button->SetHotArea1(0, 0, 10, 20);
    button->SetHotArea2(30, 0, 40, 20);
    MoveTo(120, 110);  // between the two areas
    EXPECT_FALSE(button->IsAnimating());
    MoveTo(135, 110);
    EXPECT_TRUE(button->IsAnimating());
    EXPECT_EQ(Interface::GetFocusId(), 2);
}

// A menu button whose picture is missing: its name face covers the hot areas it was given,
// so the game can still be started from it.
TEST_F(AnimatedButtonTest, WithoutItsPictureAMenuButtonFillsItsHotAreasAndIsStillPressed) {
    auto* button = Add(new AnimatedButton(2));
    button->SetTextColor(0x00FF00);
    button->SetUp(100, 100, "Bitmaps\\MMenu\\op_b", "Bitmaps\\MMenu\\op_ba", 5, 0.1f, 2, 0, 0);
    button->SetHotArea1(0, 0, 110, 100);
    button->SetHotArea2(67, 60, 273, 97);
    EXPECT_EQ(button->Width(), 273);
    EXPECT_EQ(button->Height(), 100);
    EXPECT_EQ(button->HotArea1().bottom, 100);
    EXPECT_EQ(button->HotArea2().bottom, 97);
    int textPixels = 0;
    for (int y = 4; y < 24; ++y) {
        for (int x = 4; x < button->Width(); ++x) textPixels += FaceAt(*button, x, y) == 0x00FF00;
    }
    EXPECT_GT(textPixels, 40);  // the picture's name
    for (const auto& [x, y] : {std::pair{155, 150}, std::pair{350, 190}}) {
        ClickAt(x, y);
        EXPECT_EQ(TakeEvents(), (std::vector<Event>{{2, 1, 1}})) << x;
    }
}

TEST_F(AnimatedButtonTest, WithoutItsAnimationStripTheButtonShowsItsStaticFace) {
    AnimatedButton* button = Button(2, 0, 0, 100, false);
    MoveTo(110, 110);
    EXPECT_EQ(Frames(*button, 3), Expected({-2, -2, -2}));  // the focused row
    LeftDown();
    LeftUp();
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{2, 1, 1}}));
    EXPECT_EQ(Frames(*button, 3), Expected({-2, -2, -2}));
}

TEST_F(AnimatedButtonTest, HaltStopsTheAnimationAndSetsTheFlags) {
    AnimatedButton* button = Button(2, 0);
    MoveTo(110, 110);
    Frames(*button, 3);
    button->Halt(Control::kDisabled);
    EXPECT_FALSE(button->IsAnimating());
    EXPECT_EQ(button->CurrentFrame(), 0);
    EXPECT_EQ(Interface::GetFocusId(), 0);
    EXPECT_EQ(Face(*button), CellColor(0, 3));
}

TEST_F(AnimatedButtonTest, HintPicturesFollowThePointer) {
    for (int32_t id : {50, 68, 1043}) Add(new Control(id))->SetFlags(Control::kHidden);
    Button(2, 0, 0, 100);
    Button(1029, 0, 0, 200);
    auto shown = [](int32_t id) { return !(Interface::FindControl(id)->GetFlags() & Control::kHidden); };
    MoveTo(110, 110);
    EXPECT_TRUE(shown(50));
    browserAnswerShown = 1;
    MoveTo(210, 110);
    EXPECT_FALSE(shown(50));
    EXPECT_TRUE(shown(1043));
    EXPECT_FALSE(shown(68));
    browserAnswerShown = 0;
    LeftDown();
    EXPECT_FALSE(shown(1043));
    EXPECT_TRUE(shown(68));
    MoveTo(400, 400);
    EXPECT_FALSE(shown(1043));
    EXPECT_FALSE(shown(68));
    browserAnswerShown = 1;
}

}  // namespace
