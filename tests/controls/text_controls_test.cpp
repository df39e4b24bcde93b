// The entry field, the label and the wrapped text block.
#include "controls/edit_field.h"
#include "controls/label.h"
#include "controls/wrapped_text.h"
#include "controls_text_fixture.h"

using controls_testing::ControlsTextTest;
using controls_testing::FaceColor;
using controls_testing::Reported;
using controls_testing::ReportedEvent;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

class EditFieldTest : public ControlsTextTest {
protected:
    EditField* Field(uint32_t flags = 0) {
        auto* field = Add(new EditField(7));
        EXPECT_EQ(field->SetUp(100, 100, 200, "", &font, flags), 1);
        return field;
    }
};

// Counts the pixels of a face region that differ from `color`.
int InkIn(const Control& control, const gfx::Rect& area, uint32_t color) {
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            ink += FaceColor(control, x, y) != color;
        }
    }
    return ink;
}

}  // namespace

TEST_F(EditFieldTest, TakesItsHeightFromTheFontAndItsTextFromSetUp) {
    auto* field = Add(new EditField(1));
    field->SetUp(10, 10, 150, "Pepa", &font, 0);
    EXPECT_EQ(field->Height(), 28);
    EXPECT_STREQ(field->Text(), "Pepa");
    EXPECT_EQ(field->SetText("Pepa"), 0);
    EXPECT_EQ(field->SetText(std::string(300, 'x').c_str()), 1);
    char copy[256];
    field->GetText(copy);
    EXPECT_EQ(std::string(copy), std::string(255, 'x'));
    auto* plain = Add(new EditField(2));
    plain->SetUp(10, 50, 150, nullptr, nullptr, 0);
    EXPECT_EQ(plain->Height(), 24);
    EXPECT_STREQ(plain->Text(), "");
}

TEST_F(EditFieldTest, AcceptsNineCharactersAndReportsEachAppend) {
    auto* field = Field();
    Interface::SetFocus(field);
    Type("abcdefghij");
    EXPECT_STREQ(field->Text(), "abcdefghi");
    EXPECT_EQ(CountEvents(EditField::kEventAppended), 9);
    field->SetMaxLength(12);
    Type("jk");
    EXPECT_STREQ(field->Text(), "abcdefghijk");
}

TEST_F(EditFieldTest, BackspaceRemovesTheLastCharacterAndReportsNothing) {
    auto* field = Field();
    Interface::SetFocus(field);
    Type("\b");
    EXPECT_STREQ(field->Text(), "");
    Type("ab\b");
    EXPECT_STREQ(field->Text(), "a");
    EXPECT_EQ(CountEvents(EditField::kEventAppended), 2);
    EXPECT_EQ(Reported().size(), 2u);
}

TEST_F(EditFieldTest, APasswordFieldShowsAsterisksAndTheCaret) {
    auto* field = Field(EditField::kPassword);
    field->SetTextColor(kWhite);
    Interface::SetFocus(field);
    Type("abc");
    Updates(1);
    ASSERT_TRUE(field->CaretOn());
    gfx::Surface expected;
    ASSERT_TRUE(expected.Create(field->Picture()->layout, field->Width(), field->Height()));
    gfx::Canvas canvas(expected);
    canvas.FillRect({0, 0, expected.width, expected.height}, controls_testing::kFillColor);
    canvas.SetTextColor(kWhite);
    canvas.SetBackgroundColor(controls_testing::kFillColor);
    canvas.SelectFont(&font);
    canvas.TextOut(4, 4, "***_");
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            ASSERT_EQ(field->Picture()->ReadPixel(x, y), expected.ReadPixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(EditFieldTest, TheCaretBlinksFiveUpdatesOnAndFiveOffOnlyWithTheFocus) {
    auto* field = Field();
    Updates(3);
    EXPECT_FALSE(field->CaretOn());
    Interface::SetFocus(field);
    std::vector<bool> shown;
    for (int i = 0; i < 12; ++i) {
        Interface::Update();
        shown.push_back(field->CaretOn());
    }
    // The counter runs 1..12: on while counter / 5 is even.
    EXPECT_EQ(shown, (std::vector<bool>{true, true, true, true, false, false, false, false, false,
                                        true, true, true}));
}

TEST_F(EditFieldTest, WithoutTheFocusTypedLettersPassByUntouched) {
    auto* field = Field();
    auto* probe = Add(new frame_testing::ProbeControl(8));
    Type("a");
    EXPECT_STREQ(field->Text(), "");
    ASSERT_FALSE(probe->cellsSeen.empty());
    EXPECT_EQ(probe->cellsSeen.front(), 1);  // the character
    EXPECT_EQ(probe->cellsSeen.back(), 0);   // its key up is kept from the others
}

TEST_F(EditFieldTest, TypeThroughAndAlwaysEditingFieldsTakeLettersWithoutTheFocus) {
    auto* through = Field(Control::kTypeThrough);
    Type("x");
    EXPECT_STREQ(through->Text(), "x");
    through->SetFlags(EditField::kReadOnly);
    Type("y");
    EXPECT_STREQ(through->Text(), "x");
}

TEST_F(EditFieldTest, EnterReportsAndDropsTheFocus) {
    auto* field = Field();
    Interface::SetFocus(field);
    Type("\r");
    EXPECT_EQ(Reported(), (std::vector<ReportedEvent>{{7, EditField::kEventEnter, 1}}));
    EXPECT_EQ(Interface::GetFocus(), nullptr);
    Reported().clear();
    auto* always = Add(new EditField(9));
    always->SetUp(100, 200, 200, "", &font, EditField::kAlwaysEditing);
    Type("\r");
    EXPECT_EQ(Reported(), (std::vector<ReportedEvent>{{9, EditField::kEventEnter, 1}}));
}

TEST_F(EditFieldTest, TheCaretIsWipedWhenEnterTakesTheFocusAway) {
    auto* field = Field();
    Interface::SetFocus(field);
    Updates(2);
    ASSERT_TRUE(field->CaretOn());
    Type("\r");
    Updates(1);
    EXPECT_FALSE(field->CaretOn());
    EXPECT_EQ(InkIn(*field, {0, 0, field->Width(), field->Height()}, controls_testing::kFillColor), 0);
}

TEST_F(EditFieldTest, ATextWiderThanTheFieldIsShrunkNotCut) {
    auto* field = Add(new EditField(7));
    field->SetUp(100, 100, 100, "", &font, 0);
    field->SetTextColor(kWhite);
    field->SetText("WWWWWWWWW");
    const int w = field->Width(), h = field->Height();
    EXPECT_GT(InkIn(*field, {0, 0, w / 2, h}, controls_testing::kFillColor), 0);
    // The last letter ends before the field's inset: nothing runs into the edge.
    EXPECT_EQ(InkIn(*field, {w - 3, 0, w, h}, controls_testing::kFillColor), 0);
    EXPECT_GT(InkIn(*field, {w / 2, 0, w - 3, h}, controls_testing::kFillColor), 0);
}

TEST_F(EditFieldTest, ThePointerFocusesAndPressesReportInsideAndOutside) {
    auto* field = Field();
    MoveTo(150, 110);
    EXPECT_EQ(Interface::GetFocus(), field);
    MoveTo(50, 50);
    EXPECT_EQ(Interface::GetFocus(), nullptr);
    ClickAt(150, 110);
    ClickAt(10, 10);
    EXPECT_EQ(Reported(), (std::vector<ReportedEvent>{{7, EditField::kEventPressed, 1},
                                                      {7, EditField::kEventPressedOutside, 1}}));
}

TEST_F(EditFieldTest, AClickToFocusFieldIsFocusedByAPressOnly) {
    auto* field = Field(EditField::kClickToFocus);
    MoveTo(150, 110);
    EXPECT_EQ(Interface::GetFocus(), nullptr);
    Press();
    EXPECT_EQ(Interface::GetFocus(), field);
}

TEST_F(EditFieldTest, FrozenControlsIgnoreTyping) {
    auto* field = Field();
    Interface::SetFocus(field);
    controlsFrozen = 1;
    Type("a");
    controlsFrozen = 0;
    EXPECT_STREQ(field->Text(), "");
}

TEST_F(EditFieldTest, ASeeThroughFieldShowsTheBackgroundUnderIt) {
    auto* field = Field(EditField::kSeeThrough);
    EXPECT_EQ(FaceColor(*field, field->Width() - 2, field->Height() - 2),
              controls_testing::kBackgroundColor);
    auto* filled = Field();
    EXPECT_EQ(FaceColor(*filled, filled->Width() - 2, filled->Height() - 2),
              controls_testing::kFillColor);
}

TEST_F(ControlsTextTest, ALabelGrowsToItsTextButNeverShrinks) {
    auto* label = Add(new Label(3));
    label->SetUp(20, 30, "", &font, 0);
    const int height = font.Height();
    label->SetSize(50, height);
    std::string wide = "M";
    while (font.TextWidth(wide) < 80) wide += "M";
    EXPECT_EQ(label->SetText(wide.c_str()), 1);
    EXPECT_EQ(label->Width(), font.TextWidth(wide));
    EXPECT_EQ(label->Height(), height);
    EXPECT_EQ(label->SetText("M"), 1);
    EXPECT_EQ(label->Width(), font.TextWidth(wide));
    EXPECT_EQ(label->SetText("M"), 0);
}

TEST_F(ControlsTextTest, ALabelDrawsItsTextOverTheBackground) {
    auto* label = Add(new Label(3));
    label->SetTextColor(kWhite);
    label->SetUp(20, 30, "Body: 120", &font, 0);
    EXPECT_EQ(FaceColor(*label, 0, 0), controls_testing::kBackgroundColor);
    EXPECT_GT(InkIn(*label, {0, 0, label->Width(), label->Height()},
                    controls_testing::kBackgroundColor), 50);
    Interface::Render();
    const headless::Frame& screen = headless::Screen();
    EXPECT_EQ(screen.At(controls_testing::kOriginX + 20, controls_testing::kOriginY + 30),
              controls_testing::kBackgroundRgb);
}

TEST_F(ControlsTextTest, WrappedTextBreaksBeforeEachWordThatOverflows) {
    const int width = std::max(font.TextWidth("alpha beta "), font.TextWidth("gamma ab"));
    ASSERT_GT(font.TextWidth("alpha beta gamma"), width);
    auto* text = Add(new WrappedText(4));
    text->SetTextColor(kWhite);
    text->SetUp(10, 10, width, 3 * font.Height(), "alpha beta gamma ab", &font, 0);
    EXPECT_STREQ(text->Text(), "alpha beta \n\rgamma ab");
    EXPECT_EQ(text->WrapCount(), 1);
    const int h = font.Height();
    EXPECT_GT(InkIn(*text, {0, h, width, 2 * h}, controls_testing::kBackgroundColor), 0);
    EXPECT_EQ(InkIn(*text, {0, 2 * h, width, 3 * h}, controls_testing::kBackgroundColor), 0);
}

TEST_F(ControlsTextTest, WrappedTextDropsWholeWordsBelowItsHeight) {
    const int width = font.TextWidth("alpha ");
    auto* text = Add(new WrappedText(4));
    text->SetUp(10, 10, width, 2 * font.Height() + 5, "alpha beta gamma delta", &font, 0);
    EXPECT_STREQ(text->Text(), "alpha \n\rbeta ");
    EXPECT_EQ(text->WrapCount(), 1);
    text->SetText(nullptr);
    EXPECT_STREQ(text->Text(), "alpha \n\rbeta ");
    EXPECT_EQ(text->WrapCount(), 0);
}

TEST_F(ControlsTextTest, WrappedTextStaysInsideItsBufferWhateverTheText) {
    auto* text = Add(new WrappedText(4));
    std::string words;
    while (words.size() < 5000) words += "ab ";
    text->SetUp(0, 0, 1000, 760, words.c_str(), &font, 0);
    const std::string kept = text->Text();
    EXPECT_LE(kept.size(), 899u);
    EXPECT_GT(kept.size(), 800u);
    EXPECT_EQ(kept.substr(kept.size() - 3), "ab ");  // whole words only
    const std::string oneWord(2000, 'w');
    text->SetText(oneWord.c_str());
    EXPECT_STREQ(text->Text(), "");
}

TEST_F(ControlsTextTest, ControlsOverTheBackgroundStopTheProgramWhenThereIsNone) {
    Interface::SetBackground(nullptr, false);
    const int label = ExitStatusOf([this] {
        Label control(3);
        control.SetUp(0, 0, "text", &font, 0);
    });
    EXPECT_EQ(label, 255);
    EXPECT_NE(LogText().find("Can`t get background!\n"), std::string::npos);
    const int wrapped = ExitStatusOf([this] {
        WrappedText control(4);
        control.SetUp(0, 0, 100, 100, "text", &font, 0);
    });
    EXPECT_EQ(wrapped, 255);
    const int seeThrough = ExitStatusOf([this] {
        EditField control(5);
        control.SetUp(0, 0, 100, "", &font, EditField::kSeeThrough);
    });
    EXPECT_EQ(seeThrough, 255);
    EditField filled(6);  // fills its face itself: no background needed
    EXPECT_EQ(filled.SetUp(0, 0, 100, "text", &font, 0), 1);
}
