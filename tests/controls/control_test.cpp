// The base control: clipping of its face against the back buffer, hints, hot areas and
// the focus rules of its flags.
#include "controls/picture_button.h"
#include "controls_fixture.h"

using controls_testing::ControlsTest;

namespace {

// A face whose every pixel tells its own coordinates.
class PatternControl : public Control {
public:
    using Control::Control;
    void Render() override {
        gfx::Surface* face = Picture();
        if (!face) return;
        for (int y = 0; y < face->height; ++y) {
            for (int x = 0; x < face->width; ++x) face->WritePixel(x, y, Interface::ColorToPixel(ColorOf(x, y)));
        }
    }
    static uint32_t ColorOf(int x, int y) { return static_cast<uint32_t>(x * 8) | static_cast<uint32_t>(y * 8) << 8 | 0x800000; }
    static uint32_t RgbOf(int x, int y) {
        const uint32_t c = ColorOf(x, y);
        return (c & 0xFF) << 16 | (c & 0xFF00) | c >> 16;
    }
};

class ControlTest : public ControlsTest {
protected:
    PatternControl* Pattern(int x, int y) {
        auto* control = Add(new PatternControl(7));
        control->SetPosition(x, y);
        control->SetSize(20, 10);
        return control;
    }
    static void Clear() { gfx::Canvas(Interface::BackBuffer()).FillRect({0, 0, 1024, 768}, 0); }
};

TEST_F(ControlTest, AFaceLeftOfAndAboveTheBufferIsDrawnFromItsVisiblePart) {
    Pattern(-10, -4);
    Clear();
    Interface::Render();
    EXPECT_EQ(BackAt(0, 0), PatternControl::RgbOf(10, 4));
    EXPECT_EQ(BackAt(9, 5), PatternControl::RgbOf(19, 9));
    EXPECT_EQ(BackAt(10, 0), 0);  // nothing past the face's right edge
    EXPECT_EQ(BackAt(0, 6), 0);
}

TEST_F(ControlTest, AFacePastTheRightAndBottomEdgesIsCutThere) {
    Pattern(1014, 763);
    Clear();
    Interface::Render();
    EXPECT_EQ(BackAt(1014, 763), PatternControl::RgbOf(0, 0));
    EXPECT_EQ(BackAt(1023, 767), PatternControl::RgbOf(9, 4));
    EXPECT_EQ(BackAt(1013, 763), 0);
}

TEST_F(ControlTest, AFaceWhollyOutsideTheBufferDrawsNothing) {
    Pattern(-20, 0);
    Pattern(1024, 0);
    Pattern(0, 768);
    Clear();
    Interface::Render();
    EXPECT_EQ(BackAt(0, 0), 0);
    EXPECT_EQ(BackAt(1023, 0), 0);
    EXPECT_EQ(BackAt(0, 767), 0);
}

TEST_F(ControlTest, HiddenFacesAreNotDrawn) {
    Pattern(0, 0)->SetFlags(Control::kHidden);
    Clear();
    Interface::Render();
    EXPECT_EQ(BackAt(0, 0), 0);
}

TEST_F(ControlTest, HintsKeepFortyEightCharactersBetweenTwoSpaces) {
    Control control(1);
    control.SetHint(std::string(60, 'a').c_str());
    EXPECT_EQ(std::string(control.GetHint()), " " + std::string(48, 'a') + " ");
    control.SetHint("Konec");
    EXPECT_STREQ(control.GetHint(), " Konec ");
    control.SetHint("");
    EXPECT_STREQ(control.GetHint(), "");
    control.SetHint("x");
    control.SetHint(nullptr);
    EXPECT_STREQ(control.GetHint(), "");
}

TEST_F(ControlTest, HotAreasAreCutToTheFaceAndMinusOneOnlyClearsTheFlag) {
    PatternControl* control = Pattern(100, 100);
    control->SetHotArea1(-5, 2, 50, 8);
    EXPECT_TRUE(control->GetFlags() & Control::kHotAreas);
    EXPECT_EQ(control->HotArea1().left, 0);
    EXPECT_EQ(control->HotArea1().right, 20);
    EXPECT_EQ(control->HotArea1().bottom, 8);

    MoveTo(105, 101);  // inside the bounds, above the hot area
    EXPECT_FALSE(control->IsPointerIn());
    MoveTo(105, 103);
    EXPECT_TRUE(control->IsPointerIn());

    control->SetHotArea1(-1, 0, 0, 0);
    EXPECT_FALSE(control->GetFlags() & Control::kHotAreas);
    EXPECT_EQ(control->HotArea1().top, 2);
    EXPECT_EQ(control->HotArea1().bottom, 8);
    MoveTo(105, 101);
    EXPECT_TRUE(control->IsPointerIn());
}

TEST_F(ControlTest, HidingOrDisablingTheFocusedControlDropsTheFocusFirst) {
    PatternControl* focused = Pattern(0, 0);
    auto* other = Add(new PatternControl(8));
    Interface::SetFocus(focused);
    other->SetFlags(Control::kHidden);
    EXPECT_EQ(Interface::GetFocusId(), 7);
    focused->SetFlags(Control::kDisabled);
    EXPECT_EQ(Interface::GetFocusId(), 0);
}

}  // namespace
