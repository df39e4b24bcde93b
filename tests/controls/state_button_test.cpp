// State buttons (cycling and radio groups) and sliders.
#include "controls/slider.h"
#include "controls/state_button.h"
#include "controls_fixture.h"

using controls_testing::ControlsTest;
using controls_testing::Event;

namespace {

class StateButtonTest : public ControlsTest {
protected:
    StateButton* Button(int32_t id, int32_t columns, int32_t group, int x) {
        auto* button = Add(new StateButton(id));
        const std::string name = Strip("state" + std::to_string(columns), columns, 4, 30, 20);
        EXPECT_EQ(button->SetUp(x, 100, name.c_str(), columns, group, 0), 1);
        return button;
    }
    Slider* MakeSlider(uint32_t flags) {
        auto* slider = Add(new Slider(40));
        // Ten looks of 200 x 20 pixels: one per position.
        const std::string name = Strip("slider", 10, 4, 200, 20);
        slider->SetUp(100, 100, name.c_str(), 10, flags);
        return slider;
    }
};

TEST_F(StateButtonTest, ACyclingButtonAdvancesOnEachRelease) {
    StateButton* button = Button(20, 2, StateButton::kNoGroup, 100);
    EXPECT_EQ(button->Width(), 30);
    std::vector<int32_t> states;
    for (int i = 0; i < 3; ++i) {
        ClickAt(110, 110);
        states.push_back(button->GetState());
    }
    EXPECT_EQ(states, (std::vector<int32_t>{1, 0, 1}));
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{20, 1, 1}, {20, 1, 1}, {20, 1, 1}}));
    EXPECT_EQ(Face(*button), CellColor(1, 1));  // state 1, focused
    LeftDown();
    EXPECT_EQ(Face(*button), CellColor(1, 2));
    MoveTo(500, 500);
    LeftUp();  // released elsewhere: no change
    EXPECT_EQ(button->GetState(), 1);
    EXPECT_EQ(Face(*button), CellColor(1, 0));
}

TEST_F(StateButtonTest, AGroupKeepsOneMemberSelected) {
    StateButton* first = Button(21, 2, 7, 100);
    StateButton* second = Button(22, 2, 7, 200);
    StateButton* outsider = Button(23, 2, 8, 300);
    outsider->SetState(1);
    ClickAt(110, 110);
    ClickAt(110, 110);
    EXPECT_EQ(first->GetState(), 1);  // a member stays selected
    ClickAt(210, 110);
    EXPECT_EQ(second->GetState(), 1);
    EXPECT_EQ(first->GetState(), 0);
    EXPECT_EQ(outsider->GetState(), 1);  // another group
    EXPECT_EQ(Face(*first), CellColor(0, 0));
}

TEST_F(StateButtonTest, TheAcceleratorAdvancesAndResetsTheGroup) {
    StateButton* first = Button(21, 3, 7, 100);
    StateButton* second = Button(22, 3, 7, 200);
    second->SetAccelerator('q');
    first->SetState(2);
    MoveTo(500, 500);
    TakeEvents();
    Type('q');
    EXPECT_EQ(second->GetState(), 1);
    EXPECT_EQ(first->GetState(), 0);
    EXPECT_EQ(Interface::GetFocusId(), 0);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{22, 1, 1}}));
}

TEST_F(StateButtonTest, StateButtonsWorkWhileFrozenAndKeepTheirStateInRange) {
    StateButton* button = Button(20, 3, StateButton::kNoGroup, 100);
    controlsFrozen = 1;
    ClickAt(110, 110);
    EXPECT_EQ(button->GetState(), 1);
    button->SetState(7);
    EXPECT_EQ(button->GetState(), 2);
    EXPECT_EQ(Face(*button), CellColor(2, 1));
}

TEST_F(StateButtonTest, AButtonWithoutPictureShowsItsStateAndName) {
    auto* button = Add(new StateButton(20));
    button->SetUp(0, 0, "Bitmaps\\none", 2, 0);
    EXPECT_EQ(button->Width(), 8 * 12 + 24);
    EXPECT_EQ(button->Height(), 24);
    ClickAt(10, 10);
    EXPECT_EQ(button->GetState(), 1);
}

TEST_F(StateButtonTest, ASliderTakesThePositionUnderThePointer) {
    Slider* slider = MakeSlider(0);
    EXPECT_EQ(slider->Width(), 200);
    MoveTo(100 + 199, 110);
    LeftDown();
    EXPECT_EQ(slider->GetState(), 9);
    MoveTo(100 + 0, 110);
    EXPECT_EQ(slider->GetState(), 0);
    MoveTo(100 + 45, 110);
    EXPECT_EQ(slider->GetState(), 2);
    MoveTo(100 + 49, 110);  // same position: no event
    LeftUp();
    MoveTo(100 + 150, 110);  // not held: no change
    EXPECT_EQ(slider->GetState(), 2);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{40, 1, 1}, {40, 1, 1}, {40, 1, 1}}));
    EXPECT_EQ(Face(*slider), CellColor(2, 1));
}

TEST_F(StateButtonTest, AVerticalSliderFollowsTheHeight) {
    Slider* slider = MakeSlider(Slider::kVertical);
    ClickAt(110, 100 + 10);
    EXPECT_EQ(slider->GetState(), 5);
}

TEST_F(StateButtonTest, ArrowCharactersStepAFocusedSliderAndWrap) {
    Slider* slider = MakeSlider(0);
    MoveTo(500, 500);
    Type(0x27);  // without the focus: nothing
    EXPECT_EQ(slider->GetState(), 0);
    Interface::SetFocus(slider);
    Type(0x25);
    EXPECT_EQ(slider->GetState(), 9);
    Interface::SetFocus(slider);
    Type(0x27);
    EXPECT_EQ(slider->GetState(), 0);
    Interface::SetFocus(slider);
    Type(0x28);  // the vertical arrow does not step a horizontal slider
    EXPECT_EQ(slider->GetState(), 0);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{40, 1, 1}, {40, 1, 1}}));
}

}  // namespace
