// Animated pictures, toggles and fades: frames by time in the three modes, the end event,
// pointer events and hint pictures, and the cross-fade weights.
#include "controls/animated_picture.h"
#include "controls/fade_picture.h"
#include "controls/toggle_picture.h"
#include "controls_fixture.h"

using controls_testing::ControlsTest;
using controls_testing::Event;

namespace {

class AnimatedPictureTest : public ControlsTest {
protected:
    template <class T = AnimatedPicture>
    T* Picture(int32_t id, int frames = 5, uint32_t flags = 0) {
        auto* picture = Add(new T(id));
        const std::string name = Strip("strip" + std::to_string(frames), frames, 1, 20, 10);
        EXPECT_EQ(picture->SetUp(100, 100, name.c_str(), frames, 0.1f, flags), 1);
        return picture;
    }
    // The frame shown at each of `count` updates `step` ms apart (-1 for none of them).
    std::vector<int> Frames(const Control& picture, int count, uint32_t step = 100) {
        std::vector<int> shown;
        for (int i = 0; i < count; ++i) {
            Tick(i == 0 ? 0 : step);
            int frame = -1;
            for (int k = 0; k < 10; ++k) {
                if (Face(picture) == CellColor(k, 0)) frame = k;
            }
            shown.push_back(frame);
        }
        return shown;
    }
    int EndEvents(int32_t id) {
        int count = 0;
        for (const Event& event : TakeEvents()) count += event == Event{id, 4, 1};
        return count;
    }
};

TEST_F(AnimatedPictureTest, AStillPictureShowsFrameZeroAndSetFrameFromTheNextUpdate) {
    AnimatedPicture* picture = Picture(30, 8);
    EXPECT_EQ(picture->Width(), 20);
    EXPECT_EQ(Frames(*picture, 2), (std::vector<int>{0, 0}));
    picture->SetFrame(6);
    EXPECT_EQ(Face(*picture), CellColor(0, 0));
    EXPECT_EQ(Frames(*picture, 1), (std::vector<int>{6}));
    picture->SetFrame(99);  // kept within the strip
    EXPECT_EQ(Frames(*picture, 1), (std::vector<int>{7}));
}

TEST_F(AnimatedPictureTest, AForwardRunEndsOnItsLastFrameWithOneEvent) {
    AnimatedPicture* picture = Picture(30);
    picture->StartAnimation(kAnimationForward, false);
    EXPECT_EQ(Frames(*picture, 5), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(EndEvents(30), 0);
    Tick(99);  // t + 499 ms
    EXPECT_EQ(EndEvents(30), 0);
    Tick(1);  // t + 500 ms
    EXPECT_EQ(EndEvents(30), 1);
    EXPECT_FALSE(picture->IsRunning());
    EXPECT_EQ(Frames(*picture, 3), (std::vector<int>{4, 4, 4}));
    EXPECT_EQ(EndEvents(30), 0);
}

TEST_F(AnimatedPictureTest, ABackwardRunEndsOnFrameZero) {
    AnimatedPicture* picture = Picture(30);
    picture->StartAnimation(kAnimationBackward, false);
    EXPECT_EQ(Frames(*picture, 7), (std::vector<int>{4, 3, 2, 1, 0, 0, 0}));
    EXPECT_EQ(EndEvents(30), 1);
}

TEST_F(AnimatedPictureTest, APingPongRunGoesThereAndBackOnce) {
    AnimatedPicture* picture = Picture(30);
    picture->StartAnimation(kAnimationPingPong, false);
    EXPECT_EQ(Frames(*picture, 11), (std::vector<int>{0, 1, 2, 3, 4, 3, 2, 1, 0, 0, 0}));
    EXPECT_EQ(EndEvents(30), 1);
}

TEST_F(AnimatedPictureTest, LoopingRunsRepeatWithoutEndEvents) {
    AnimatedPicture* forward = Picture(30);
    forward->StartAnimation(kAnimationForward, true);
    EXPECT_EQ(Frames(*forward, 7), (std::vector<int>{0, 1, 2, 3, 4, 0, 1}));
    forward->StartAnimation(kAnimationBackward, true);
    EXPECT_EQ(Frames(*forward, 7), (std::vector<int>{4, 3, 2, 1, 0, 4, 3}));
    forward->StartAnimation(kAnimationPingPong, true);
    EXPECT_EQ(Frames(*forward, 10), (std::vector<int>{0, 1, 2, 3, 4, 3, 2, 1, 0, 1}));
    EXPECT_EQ(EndEvents(30), 0);
}

TEST_F(AnimatedPictureTest, ASinglePingPongFrameEndsAtOnce) {
    AnimatedPicture* picture = Picture(30, 1);
    picture->StartAnimation(kAnimationPingPong, false);
    EXPECT_EQ(Frames(*picture, 2), (std::vector<int>{0, 0}));
    EXPECT_EQ(EndEvents(30), 1);
}

TEST_F(AnimatedPictureTest, PointerEventsAndClicks) {
    Picture(30);
    MoveTo(110, 105);
    MoveTo(300, 300);
    ClickAt(110, 105);
    // A press outside disarms: no click on the release over it.
    MoveTo(300, 300);
    LeftDown();
    MoveTo(110, 105);
    LeftUp();
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{30, 3, 1}, {30, 5, 1}, {30, 3, 1}, {30, 1, 1},
                                                {30, 5, 1}, {30, 3, 1}}));
}

TEST_F(AnimatedPictureTest, PicturesIgnoreInputWhileFrozenHiddenOrTakenButNeverTakeIt) {
    AnimatedPicture* picture = Picture(30);
    controlsFrozen = 1;
    ClickAt(110, 105);
    EXPECT_TRUE(TakeEvents().empty());
    controlsFrozen = 0;
    picture->SetFlags(Control::kHidden);
    ClickAt(110, 105);
    EXPECT_TRUE(TakeEvents().empty());
    picture->ClearFlags(Control::kHidden);
    auto* later = Picture(31);  // over the same place, after the first in the list
    MoveTo(112, 105);
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{30, 3, 1}, {31, 3, 1}}));
    (void)later;
}

TEST_F(AnimatedPictureTest, AvatarsShowTheirHintWhileThePointerIsOver) {
    for (int32_t id : {602, 299, 300}) Add(new Control(id))->SetFlags(Control::kHidden);
    Interface::FindControl(299)->ClearFlags(Control::kHidden);
    Interface::FindControl(300)->ClearFlags(Control::kHidden);
    Picture(568);
    auto* panel = Add(new AnimatedPicture(298));
    panel->SetUp(400, 100, Strip("strip1", 1, 1, 20, 10).c_str(), 1, 0.1f, 0);
    auto shown = [](int32_t id) { return !(Interface::FindControl(id)->GetFlags() & Control::kHidden); };
    MoveTo(110, 105);
    EXPECT_TRUE(shown(602));
    EXPECT_FALSE(shown(299));  // off the panel: its hints go
    EXPECT_FALSE(shown(300));
    LeftDown();
    EXPECT_FALSE(shown(602));  // hidden while pressed
}

TEST_F(AnimatedPictureTest, AMissingStripFailsTheSetUpAndDrawsNothing) {
    auto* picture = Add(new AnimatedPicture(30));
    EXPECT_EQ(picture->SetUp(0, 0, "Bitmaps\\none", 5, 0.1f, 0), 0);
    picture->StartAnimation(kAnimationForward, false);
    Tick(1000);
    Interface::Render();
    EXPECT_EQ(picture->Picture(), nullptr);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(AnimatedPictureTest, ATogglePlaysForwardThenBackwardAndReportsEachPress) {
    auto* toggle = Picture<TogglePicture>(517);
    Add(new Control(74))->SetFlags(Control::kHidden);
    MoveTo(110, 105);
    EXPECT_FALSE(Interface::FindControl(74)->GetFlags() & Control::kHidden);
    LeftDown();
    EXPECT_EQ(toggle->IsOn(), 1);
    EXPECT_EQ(Frames(*toggle, 6), (std::vector<int>{0, 1, 2, 3, 4, 4}));
    LeftUp();
    LeftDown();
    EXPECT_EQ(toggle->IsOn(), 0);
    EXPECT_EQ(Frames(*toggle, 6), (std::vector<int>{4, 3, 2, 1, 0, 0}));
    const std::vector<Event> events = TakeEvents();
    EXPECT_EQ(std::count(events.begin(), events.end(), Event{517, 1, 1}), 2);
    EXPECT_EQ(std::count(events.begin(), events.end(), Event{517, 4, 1}), 2);
    MoveTo(300, 300);
    EXPECT_TRUE(Interface::FindControl(74)->GetFlags() & Control::kHidden);
    toggle->SetOn(1);
    EXPECT_EQ(Face(*toggle), CellColor(0, 0));  // the state only
}

TEST_F(AnimatedPictureTest, AToggleTakesThePressFromLaterControls) {
    Picture<TogglePicture>(517);
    Picture(30);
    MoveTo(110, 105);
    TakeEvents();
    LeftDown();
    EXPECT_EQ(TakeEvents(), (std::vector<Event>{{517, 1, 1}}));
}

class FadePictureTest : public AnimatedPictureTest {
protected:
    FadePicture* Fade(int steps) {
        auto* fade = Add(new FadePicture(40));
        const std::string first = Plain("first", 7, 3, 0x000000);
        const std::string second = Plain("second", 7, 3, 0xFFFFFF);
        EXPECT_EQ(fade->SetUp(0, 0, first.c_str(), second.c_str(), steps, 0.1f, 0), 1);
        return fade;
    }
};

TEST_F(FadePictureTest, StepsBlendWithWeightsOfAQuarterAHalfAndThreeQuarters) {
    FadePicture* fade = Fade(5);
    EXPECT_EQ(fade->Width(), 7);
    EXPECT_EQ(FadePicture::WeightOf(1, 5), 64);
    EXPECT_EQ(FadePicture::WeightOf(2, 5), 128);
    EXPECT_EQ(FadePicture::WeightOf(3, 5), 192);
    fade->StartAnimation(kAnimationForward, false);
    std::vector<int64_t> shown;
    for (int i = 0; i < 6; ++i) {
        Tick(i == 0 ? 0 : 100);
        shown.push_back(FaceAt(*fade, 6, 2));
    }
    // 255 x w >> 8 for w = 64, 128, 192.
    EXPECT_EQ(shown, (std::vector<int64_t>{0x000000, 0x3F3F3F, 0x7F7F7F, 0xBFBFBF, 0xFFFFFF,
                                           0xFFFFFF}));
    EXPECT_EQ(EndEvents(40), 1);
}

TEST_F(FadePictureTest, PicturesOfDifferentSizesOrAMissingOneFailTheSetUp) {
    auto* fade = Add(new FadePicture(40));
    const std::string first = Plain("first", 7, 3, 0);
    const std::string other = Plain("other", 8, 3, 0);
    EXPECT_EQ(fade->SetUp(0, 0, first.c_str(), other.c_str(), 5, 0.1f, 0), 0);
    EXPECT_EQ(fade->SetUp(0, 0, first.c_str(), "Bitmaps\\none", 5, 0.1f, 0), 0);
    fade->StartAnimation(kAnimationForward, false);
    Tick(1000);
    Interface::Render();
    EXPECT_TRUE(TakeEvents().empty());
}

}  // namespace
