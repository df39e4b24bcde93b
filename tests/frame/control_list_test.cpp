// The control list, the focus, input dispatch and the screen-state stack.
#include "frame_fixture.h"

using frame_testing::FrameTest;
using frame_testing::ProbeControl;

namespace {

std::vector<std::string>* journal = nullptr;
int stateChanges = 0;

void CountStateChange() { ++stateChanges; }
int32_t JournalInput(int32_t, int32_t, int32_t* handled) {
    if (journal) journal->push_back("game cell " + std::to_string(*handled));
    return 5;
}

class ControlListTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        journal = &entries;
        stateChanges = 0;
        Interface::SetCallbacks(CountStateChange, nullptr, nullptr, JournalInput);
    }
    void TearDown() override {
        journal = nullptr;
        FrameTest::TearDown();
    }
    ProbeControl* Add(int32_t id, bool atBack = true) {
        auto* control = new ProbeControl(id, &entries);
        EXPECT_EQ(Interface::AddControl(control, atBack), 1);
        return control;
    }
    std::vector<std::string> entries;
};

}  // namespace

TEST_F(ControlListTest, AddingFillsEverySlotAndRefusesMore) {
    for (int i = 0; i < Interface::kControlSlots; ++i) Add(i + 1);
    auto* extra = new ProbeControl(99);
    EXPECT_EQ(Interface::AddControl(extra, true), 0);
    EXPECT_EQ(Interface::AddControl(nullptr, true), 0);
    delete extra;
    EXPECT_EQ(Interface::FindControl(Interface::kControlSlots),
              Interface::ControlAt(Interface::kControlSlots - 1));
}

TEST_F(ControlListTest, AddingAtTheFrontNeedsTheLastSlotFree) {
    Add(1);
    Add(2);
    auto* front = Add(3, false);
    EXPECT_EQ(Interface::ControlAt(0), front);
    EXPECT_EQ(Interface::ControlAt(1)->GetId(), 1);
    auto* filler = new ProbeControl(9);
    Interface::SetControlAt(Interface::kControlSlots - 1, filler);
    auto* refused = new ProbeControl(4);
    EXPECT_EQ(Interface::AddControl(refused, false), 0);  // the last slot taken, others free
    delete refused;
}

TEST_F(ControlListTest, RemovingKeepsTheListPackedAndPersistentControlsSurvive) {
    Add(1)->SetFlags(Control::kPersistent);
    auto* two = Add(2);
    Add(3)->SetFlags(Control::kPersistent);
    Add(4);
    Add(5)->SetFlags(Control::kPersistent);
    Interface::RemoveControl(two);
    delete two;
    EXPECT_EQ(Interface::ControlAt(1)->GetId(), 3);
    Interface::RemoveAllControls(false);
    EXPECT_EQ(Interface::ControlAt(0)->GetId(), 1);
    EXPECT_EQ(Interface::ControlAt(1)->GetId(), 3);
    EXPECT_EQ(Interface::ControlAt(2)->GetId(), 5);
    EXPECT_EQ(Interface::ControlAt(3), nullptr);
    Interface::RemoveAllControls(true);
    EXPECT_EQ(Interface::ControlAt(0), nullptr);
}

TEST_F(ControlListTest, TheFocusedControlHearsFirstThenTheRestInOrderThenTheGame) {
    auto* one = Add(1);
    auto* two = Add(2);
    auto* three = Add(3);
    Interface::SetFocus(two);
    two->consume = true;
    EXPECT_EQ(Interface::DispatchInput(Interface::kInputChar, 'x'), 5);
    EXPECT_EQ(entries, (std::vector<std::string>{"control 2", "control 1", "control 3", "game cell 0"}));
    // An event the focused control consumed still reaches the others, with the cell at 0.
    ASSERT_EQ(two->cellsSeen.size(), 1u);
    EXPECT_NE(two->cellsSeen[0], 0);
    EXPECT_EQ(one->cellsSeen, std::vector<int32_t>{0});
    EXPECT_EQ(three->cellsSeen, std::vector<int32_t>{0});
}

TEST_F(ControlListTest, AStateChangeStopsTheDelivery) {
    auto* one = Add(1);
    Add(2);
    Interface::SetFocus(one);
    one->onInput = [](int32_t, int32_t) { Interface::SetState(0x200, false); };
    Interface::DispatchInput(Interface::kInputLeftDown, 0);
    EXPECT_EQ(entries, (std::vector<std::string>{"control 1"}));
}

TEST_F(ControlListTest, WithFocusIdZeroAControlWithIdZeroHearsFirst) {
    Add(5);
    Add(0);
    EXPECT_EQ(Interface::GetFocusId(), 0);
    Interface::DispatchInput(Interface::kInputMouseMove, 0);
    EXPECT_EQ(entries.front(), "control 0");
}

TEST_F(ControlListTest, FocusChangesRefreshBothControlsAndUnknownIdsClearIt) {
    auto* one = Add(1);
    auto* two = Add(2);
    Interface::SetFocus(1);
    EXPECT_EQ(one->refreshes, 1);
    Interface::SetFocus(1);  // already focused: nothing happens
    EXPECT_EQ(one->refreshes, 1);
    Interface::SetFocus(two);
    EXPECT_EQ(one->refreshes, 2);
    EXPECT_EQ(two->refreshes, 1);
    Interface::SetFocus(77);
    EXPECT_EQ(Interface::GetFocusId(), 0);
    EXPECT_EQ(two->refreshes, 2);
    Interface::SetFocus(one);
    Interface::SetFocus(static_cast<Control*>(nullptr));
    EXPECT_EQ(Interface::GetFocusId(), 0);
    EXPECT_EQ(one->refreshes, 4);
}

TEST_F(ControlListTest, HidingTheFocusedControlDropsTheFocusFirst) {
    auto* one = Add(1);
    auto* two = Add(2);
    Interface::SetFocus(one);
    two->SetFlags(Control::kHidden);
    EXPECT_EQ(Interface::GetFocusId(), 1);
    one->SetFlags(Control::kDisabled);
    EXPECT_EQ(Interface::GetFocusId(), 0);
}

TEST_F(ControlListTest, AGapInTheListHidesLaterControlsFromDispatchButNotFromFind) {
    Add(1);
    Add(2);
    auto* three = Add(3);
    Control* gap = Interface::ControlAt(1);
    Interface::SetControlAt(1, nullptr);
    Interface::DispatchInput(Interface::kInputLeftDown, 0);
    EXPECT_EQ(entries, (std::vector<std::string>{"control 1", "game cell 1"}));
    EXPECT_EQ(Interface::FindControl(3), three);
    Interface::SetControlAt(1, gap);
}

TEST_F(ControlListTest, TheStackHoldsSixteenWordsAndPopsStopAtTheBottom) {
    for (int i = 1; i <= 16; ++i) Interface::SetState(i, true);
    EXPECT_EQ(Interface::StateTop(), 15);
    EXPECT_EQ(Interface::GetState(), 16);  // the 16th push replaced the 15th word
    EXPECT_EQ(stateChanges, 16);
    Interface::PopStates(13);
    EXPECT_EQ(Interface::StateTop(), 2);
    stateChanges = 0;
    Interface::PopStates(5);
    EXPECT_EQ(Interface::StateTop(), 0);
    EXPECT_EQ(stateChanges, 1);
    Interface::SetState(0, false);
    Interface::SetState(0, false);  // the same word rebuilds the screen again
    EXPECT_EQ(stateChanges, 3);
    EXPECT_TRUE(Interface::InputBlocked());
}

namespace {
// Clears the screen from inside its own input handler, as a button that changes the screen
// does, and then still touches itself.
class SelfClearingControl : public Control {
public:
    SelfClearingControl(int* destroyed) : Control(3), destroyed_(destroyed) {}
    ~SelfClearingControl() override { ++*destroyed_; }
    void HandleInput(int32_t code, int32_t, int32_t*) override {
        if (code != Interface::kInputLeftDown) return;
        Interface::RemoveAllControls(true);
        ++handled_;
    }

private:
    int* destroyed_;
    int handled_ = 0;
};
}  // namespace

TEST_F(ControlListTest, AControlThatClearsTheListFromItsOwnInputIsDestroyedAfterwards) {
    int destroyed = 0;
    Interface::AddControl(new SelfClearingControl(&destroyed), true);
    headless::Click(300, 300);
    Interface::PumpMessages();
    EXPECT_EQ(Interface::ControlAt(0), nullptr);
    EXPECT_EQ(destroyed, 1);
}
