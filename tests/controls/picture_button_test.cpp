// Push buttons: their looks, presses by pointer and by key, the frozen rule, the focus
// following the pointer, the hint pictures and the text face of a button without picture.
#include "controls/picture_button.h"
#include "controls_fixture.h"

using controls_testing::ControlsTest;
using controls_testing::Event;

namespace {

class PictureButtonTest : public ControlsTest {
protected:
    PictureButton* Button(int32_t id, int32_t accelerator = 0, uint32_t flags = 0, int x = 100) {
        auto* button = Add(new PictureButton(id));
        EXPECT_EQ(button->SetUp(x, 100, Strip("button", 1, 4, 40, 20).c_str(), accelerator, flags), 1);
        return button;
    }
    // A stand-in for a hint picture, hidden at start.
    Control* Companion(int32_t id) {
        auto* control = Add(new Control(id));
        control->SetFlags(Control::kHidden);
        return control;
    }
    static bool Shown(int32_t id) { return !(Interface::FindControl(id)->GetFlags() & Control::kHidden); }
};

TEST_F(PictureButtonTest, TheRowFollowsTheFocusThePressAndTheDisabledFlag) {
    PictureButton* button = Button(5);
    EXPECT_EQ(button->Width(), 40);
    EXPECT_EQ(button->Height(), 20);
    EXPECT_EQ(Face(*button), CellColor(0, 0));
    MoveTo(110, 110);
    EXPECT_EQ(Interface::GetFocusId(), 5);
    EXPECT_EQ(Face(*button), CellColor(0, 1));
    LeftDown();
    EXPECT_EQ(Face(*button), CellColor(0, 2));
    LeftUp();
    EXPECT_EQ(Face(*button), CellColor(0, 1));
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{5, 1, 1}}));
    button->SetFlags(Control::kDisabled);
    EXPECT_EQ(Face(*button), CellColor(0, 3));
    ClickAt(110, 110);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(PictureButtonTest, ReleasingOutsideGivesNoEventAndLeavesItUnpressed) {
    PictureButton* button = Button(5);
    MoveTo(110, 110);
    LeftDown();
    MoveTo(300, 300);
    EXPECT_EQ(Interface::GetFocusId(), 0);
    LeftUp();
    EXPECT_EQ(button->PressedBy(), 0);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{5, 3, 1}}));  // only the move off
    EXPECT_EQ(Face(*button), CellColor(0, 0));
}

TEST_F(PictureButtonTest, EveryMoveOffReportsEventThreeWithTheCell) {
    Button(5, 0, 0, 100);
    Button(6, 0, 0, 200);
    MoveTo(210, 110);
    MoveTo(215, 110);  // 6 has the focus and takes the move first: 5 sees a cell of 0
    MoveTo(400, 400);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{5, 3, 1}, {5, 3, 0}, {6, 3, 1}, {5, 3, 1}}));
}

TEST_F(PictureButtonTest, TheAcceleratorPressesAndItsKeyUpReleasesWithThePointerElsewhere) {
    PictureButton* button = Button(5, 's');
    MoveTo(500, 500);
    TakeEvents();
    CharDown('s');
    EXPECT_EQ(Interface::GetFocusId(), 5);
    EXPECT_EQ(button->PressedBy(), 's');
    EXPECT_EQ(Face(*button), CellColor(0, 2));
    CharUp('s');
    EXPECT_EQ(Interface::GetFocusId(), 0);
    EXPECT_EQ(Face(*button), CellColor(0, 0));
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{5, 1, 1}}));
    Type('x');
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(PictureButtonTest, EscAndEnterPressOnlyButtonsThatTakeThem) {
    Button(1, 0, Control::kEscape, 100);
    Button(2, 0, Control::kDefault, 200);
    Button(3, 0, 0, 300);
    MoveTo(600, 600);
    TakeEvents();
    Type(27);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{1, 1, 1}}));
    Type(13);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{2, 1, 1}}));
    // Enter also presses the focused button; the default button then sees a taken cell.
    Interface::SetFocus(3);
    CharDown(13);
    EXPECT_EQ(Interface::FindControl(3)->GetId(), 3);
    EXPECT_EQ(static_cast<PictureButton*>(Interface::FindControl(3))->PressedBy(), 13);
    EXPECT_EQ(static_cast<PictureButton*>(Interface::FindControl(2))->PressedBy(), 0);
}

TEST_F(PictureButtonTest, FrozenButtonsIgnoreEverythingUnlessUnfreezable) {
    PictureButton* frozen = Button(5, 'a', 0, 100);
    Button(6, 'b', Control::kUnfreezable, 200);
    controlsFrozen = 1;
    MoveTo(110, 110);
    EXPECT_EQ(Interface::GetFocusId(), 0);
    LeftDown();
    EXPECT_EQ(frozen->PressedBy(), 0);
    LeftUp();
    Type('a');
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{6, 3, 1}}));  // the move, seen by 6 alone
    ClickAt(210, 110);
    Type('b');
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{6, 1, 1}, {6, 1, 1}}));
}

TEST_F(PictureButtonTest, HintPicturesFollowThePointer) {
    Companion(58);
    Companion(72);
    Companion(73);
    Button(1, 0, 0, 100);
    Button(70, 0, 0, 200);
    Button(71, 0, 0, 300);
    Companion(56);
    MoveTo(110, 110);
    EXPECT_TRUE(Shown(58));
    MoveTo(210, 110);
    EXPECT_FALSE(Shown(58));
    EXPECT_TRUE(Shown(72));
    MoveTo(310, 110);
    EXPECT_FALSE(Shown(72));
    EXPECT_TRUE(Shown(73));
    LeftDown();
    LeftUp();
    EXPECT_FALSE(Shown(73));  // a release hides the panel button's hint
    EXPECT_FALSE(Shown(56));  // not a companion of these buttons
}

TEST_F(PictureButtonTest, AButtonWithoutPictureShowsItsNameAsText) {
    Interface::SetFillColor(0x203040);
    auto* button = Add(new PictureButton(9));
    button->SetTextColor(0x00FF00);
    EXPECT_EQ(button->SetUp(10, 10, "Bitmaps\\none", 0, 0), 1);
    EXPECT_EQ(button->Width(), 8 * 12 + 8);
    EXPECT_EQ(button->Height(), 24);
    EXPECT_EQ(FaceAt(*button, 2, 22), 0x403020);  // the fill colour, as 0x00RRGGBB
    EXPECT_EQ(FaceAt(*button, 0, 10), 0xFFFFFF);  // the light edge of the bevel
    int textPixels = 0;
    for (int y = 4; y < 20; ++y) {
        for (int x = 4; x < button->Width(); ++x) textPixels += FaceAt(*button, x, y) == 0x00FF00;
    }
    EXPECT_GT(textPixels, 20);
    // It is still a button.
    ClickAt(20, 20);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{9, 1, 1}}));
}

TEST_F(PictureButtonTest, ATransparentButtonLeavesKeyColouredPixelsOfTheBackground) {
    auto* button = Add(new PictureButton(4));
    const std::string name = Plain("key", 10, 40, 0xFF00FF);
    button->SetUp(0, 0, name.c_str(), 0, Control::kTransparent);
    gfx::Canvas(Interface::BackBuffer()).FillRect({0, 0, 1024, 768}, 0x0000FF);
    Interface::Render();
    EXPECT_EQ(BackAt(5, 5), 0xFF0000);
}

}  // namespace
