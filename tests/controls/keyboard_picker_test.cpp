// The key layout file and the on-screen keyboard on which players pick their keys.
#include "controls/keyboard_picker.h"
#include "controls_text_fixture.h"

using controls_testing::ControlsTextTest;
using controls_testing::FaceColor;
using controls_testing::Reported;
using controls_testing::ReportedEvent;

namespace {

constexpr uint32_t kKeyboardRgb = 0xC0C0C0;
constexpr uint32_t kCurrentRgb = 0xFF0000;
constexpr uint32_t kTakenRgb = 0x00FF00;
constexpr uint32_t kKeyboardColor = 0xC0C0C0;  // 0x00BBGGRR
constexpr uint32_t kCurrentColor = 0x0000FF;
constexpr uint32_t kTakenColor = 0x00FF00;

constexpr const char* kLayout =
    "30=160,260,28,28,\r\n"
    "31=190,260,28,28,\r\n"
    "32=220,260,28,28,\r\n"
    "28=600,250,60,25,620,275,40,40,\r\n"
    "285=500,320,60,28,\r\n";

class KeyboardPickerTest : public ControlsTextTest {
protected:
    void SetUp() override {
        ControlsTextTest::SetUp();
        WriteBmp("Bitmaps/MultiP/keyboard.bmp", 560, 160, kKeyboardRgb);
        WriteBmp("Bitmaps/MultiP/target.bmp", 18, 18, kCurrentRgb);
        WriteBmp("Bitmaps/MultiP/target_g.bmp", 18, 18, kTakenRgb);
    }
    void WriteLayout(const std::string& text) { dir.Write("game/Data/key.txt", text); }
    KeyboardPicker* Picker() {
        auto* picker = Add(new KeyboardPicker(600));
        EXPECT_EQ(picker->SetUp(135, 208, "Bitmaps\\MultiP\\keyboard", "Bitmaps\\MultiP\\target",
                                "Bitmaps\\MultiP\\target_g", 0),
                  1);
        return picker;
    }
    static void PressKey(int32_t code) {
        headless::KeyDown(static_cast<uint32_t>(code));
        Interface::PumpMessages();
    }
    // The colour of the face at a key's marker position.
    static uint32_t MarkerColor(const KeyboardPicker& picker, int32_t key) {
        const KeyboardPicker::Position at = picker.MarkerPositionOf(key);
        return FaceColor(picker, at.x + 9, at.y + 9);
    }
};

}  // namespace

TEST(KeyLayoutLines, EachValueIsFollowedByASeparatorAndMissingFieldsRepeat) {
    KeyLayout layout;
    EXPECT_TRUE(layout.ReadLine("30=160,260,28,28,\r\n", 0, "key.txt"));
    const KeyArea& a = layout.Entry(30);
    EXPECT_EQ(a.present, 1);
    EXPECT_EQ(std::vector<int>({a.area1.left, a.area1.top, a.area1.right, a.area1.bottom}),
              std::vector<int>({25, 52, 53, 80}));
    EXPECT_TRUE(layout.ReadLine("57=300,400,200,25\r\n", 1, "key.txt"));
    const gfx::Rect& space = layout.Entry(57).area1;
    EXPECT_EQ(space.Width(), 200);
    EXPECT_EQ(space.Height(), 200);
    EXPECT_EQ(layout.Entry(57).line, 1);
}

TEST(KeyLayoutLines, OnlyTheEnterKeyHasASecondArea) {
    KeyLayout layout;
    layout.ReadLine("28=600,250,60,25,620,275,40,40,", 0, "key.txt");
    layout.ReadLine("29=600,250,60,25,620,275,40,40,", 1, "key.txt");
    const gfx::Rect& second = layout.Entry(28).area2;
    EXPECT_EQ(std::vector<int>({second.left, second.top, second.right, second.bottom}),
              std::vector<int>({485, 67, 525, 107}));
    EXPECT_EQ(layout.Entry(29).area2.Width(), 0);
    EXPECT_EQ(layout.KeyAt(490, 70), 28);
    EXPECT_EQ(layout.KeyAt(465, 42), 28);  // area 1 of both: the lower code wins
}

TEST(KeyLayoutLines, ValuesAreReadTheWayAtoiReadsThem) {
    KeyLayout layout;
    EXPECT_TRUE(layout.ReadLine(" 31 \"170px\" 215,abc,12x,", 0, "key.txt"));
    const gfx::Rect& a = layout.Entry(31).area1;
    EXPECT_EQ(std::vector<int>({a.left, a.top, a.right, a.bottom}),
              std::vector<int>({35, 7, 35, 19}));
}

// Values near the integer limits once overflowed the marker arithmetic; an area must lie on
// the play area, the Enter key's second area too.
TEST(KeyLayoutLines, AreasOffThePlayAreaAreSkipped) {
    KeyLayout layout;
    for (const char* line : {"32=99999999999,1,1,1,", "32=-2147483648,0,10,10,",
                             "32=2147483647,0,10,10,", "32=10,10,-5,10,", "32=790,10,11,10,",
                             "32=10,590,10,11,", "28=600,250,60,25,620,590,40,40,"}) {
        EXPECT_FALSE(layout.ReadLine(line, 0, "key.txt")) << line;
    }
    EXPECT_FALSE(layout.Has(32));
    EXPECT_FALSE(layout.Has(28));
    EXPECT_TRUE(layout.ReadLine("32=790,590,10,10,", 1, "key.txt"));
    EXPECT_EQ(layout.Entry(32).area1.right, 800 - 135);
}

TEST(KeyLayoutLines, LinesWithoutAKeyTheLayoutCanHoldAreSkipped) {
    KeyLayout layout;
    EXPECT_FALSE(layout.ReadLine("512=1,2,3,4,", 0, "key.txt"));
    EXPECT_FALSE(layout.ReadLine("-1=1,2,3,4,", 1, "key.txt"));
    EXPECT_FALSE(layout.ReadLine("\r\n", 2, "key.txt"));
    EXPECT_FALSE(layout.ReadLine("", 3, "key.txt"));
    EXPECT_TRUE(layout.ReadLine("511=1,2,3,4,", 4, "key.txt"));
    for (int key = 0; key < 511; ++key) EXPECT_FALSE(layout.Has(key)) << key;
    EXPECT_FALSE(layout.Has(512));
    EXPECT_FALSE(layout.Has(-1));
}

TEST_F(KeyboardPickerTest, ReadsTheLayoutFileAndNumbersKeysByLine) {
    WriteLayout(kLayout + std::string("600=1,2,3,4,\r\n30=170,260,28,28,\r\n31=-9,0,1,1,\r\n"));
    auto* picker = Picker();
    EXPECT_EQ(picker->Width(), 560);
    EXPECT_EQ(picker->Height(), 160);
    EXPECT_EQ(picker->Layout().Entry(30).line, 6);  // the later line replaced the first
    picker->SetPlayerKey(0, 31);
    picker->SetPlayerKey(1, 30);
    picker->SetPlayerKey(2, 285);
    EXPECT_EQ(picker->GetKeyNumber(0), 2);
    EXPECT_EQ(picker->GetKeyNumber(1), 7);
    EXPECT_EQ(picker->GetKeyNumber(2), 5);
    EXPECT_EQ(picker->GetKeyNumber(3), 0);
    EXPECT_NE(LogText().find("Data\\key.txt line 6: key code 600 ignored"), std::string::npos);
    EXPECT_NE(LogText().find("Data\\key.txt line 8: key 31 lies off the picture, ignored"),
              std::string::npos);
}

TEST_F(KeyboardPickerTest, TheFirstLineGivesKeyNumberOne) {
    WriteLayout(kLayout);
    auto* picker = Picker();
    PressKey(30);
    EXPECT_EQ(picker->GetPlayerKey(0), 30);
    EXPECT_EQ(picker->GetKeyNumber(0), 1);
}

TEST_F(KeyboardPickerTest, AMissingLayoutFileLeavesNoKeyToChooseAndIsLogged) {
    auto* picker = Picker();
    EXPECT_FALSE(picker->Layout().Has(30));
    PressKey(30);
    EXPECT_EQ(picker->GetPlayerKey(0), -1);
    EXPECT_TRUE(Reported().empty());
    EXPECT_NE(LogText().find("Cannot load file \"Data\\key.txt\""), std::string::npos);
}

TEST_F(KeyboardPickerTest, SetUpReportsAMissingPicture) {
    WriteLayout(kLayout);
    auto* picker = Add(new KeyboardPicker(600));
    EXPECT_EQ(picker->SetUp(135, 208, "Bitmaps\\MultiP\\keyboard", "Bitmaps\\MultiP\\none",
                            "Bitmaps\\MultiP\\target_g", 0),
              0);
    EXPECT_EQ(picker->Width(), 560);
}

TEST_F(KeyboardPickerTest, TheRightControlKeyIsMarkedCentredAtTheTopOfItsArea) {
    WriteLayout(kLayout);
    auto* picker = Picker();
    PressKey(285);
    EXPECT_EQ(picker->GetPlayerKey(0), 285);
    EXPECT_EQ(Reported(), (std::vector<ReportedEvent>{{600, KeyboardPicker::kEventAssigned, 1}}));
    // Area 1 is (365, 112)-(425, 140): centred means 365 + 30 - 9.
    EXPECT_EQ(picker->MarkerPosition(), (KeyboardPicker::Position{386, 114}));
    EXPECT_EQ(FaceColor(*picker, 386, 114), kCurrentColor);
    EXPECT_EQ(FaceColor(*picker, 385, 114), kKeyboardColor);
    EXPECT_EQ(picker->MarkerPositionOf(28), (KeyboardPicker::Position{486, 48}));
    EXPECT_EQ(picker->MarkerPositionOf(30), (KeyboardPicker::Position{27, 54}));
}

TEST_F(KeyboardPickerTest, KeysMoveBetweenPlayersOnlyWhenFree) {
    WriteLayout(kLayout);
    auto* picker = Picker();
    picker->SetPlayerKey(0, 30);
    picker->SetPlayerKey(1, 31);
    picker->SelectPlayer(1);
    EXPECT_EQ(picker->GetPlayerKey(1), -1);
    EXPECT_EQ(picker->PreviousKey(), 31);
    picker->Render();
    EXPECT_EQ(MarkerColor(*picker, 30), kTakenColor);
    EXPECT_EQ(MarkerColor(*picker, 31), kCurrentColor);  // the old key while choosing again
    PressKey(30);
    EXPECT_EQ(picker->GetPlayerKey(1), -1);
    EXPECT_TRUE(Reported().empty());
    PressKey(32);
    EXPECT_EQ(picker->GetPlayerKey(1), 32);
    EXPECT_EQ(picker->PreviousKey(), -1);
    EXPECT_EQ(MarkerColor(*picker, 31), kKeyboardColor);
    EXPECT_EQ(MarkerColor(*picker, 32), kCurrentColor);
    EXPECT_EQ(MarkerColor(*picker, 30), kTakenColor);
    EXPECT_EQ(Reported().size(), 1u);
}

TEST_F(KeyboardPickerTest, AKeyOutsideTheLayoutIsNeverTakenNotEvenByALaterClick) {
    WriteLayout(kLayout);
    auto* picker = Picker();
    MoveTo(135 + 5, 208 + 5);
    PressKey(40);
    EXPECT_EQ(picker->HoveredKey(), -1);
    EXPECT_FALSE(picker->MarkerPosition().IsSet());
    Press();
    Release();
    EXPECT_EQ(picker->GetPlayerKey(0), -1);
    EXPECT_TRUE(Reported().empty());
    picker->SetPlayerKey(1, 600);  // a pad button: no key of the keyboard
    EXPECT_EQ(picker->GetKeyNumber(1), 0);
}

TEST_F(KeyboardPickerTest, AClickInEitherAreaOfEnterChoosesIt) {
    WriteLayout(kLayout);
    auto* picker = Picker();
    MoveTo(630, 300);  // area 2 only
    Press();
    Release();
    EXPECT_EQ(picker->GetPlayerKey(0), 28);
    picker->SelectPlayer(0);
    MoveTo(605, 255);  // area 1
    Press();
    Release();
    EXPECT_EQ(picker->GetPlayerKey(0), 28);
    EXPECT_EQ(Reported().size(), 2u);
}

TEST_F(KeyboardPickerTest, AReleaseWithoutAPressOverItChoosesNothing) {
    WriteLayout(kLayout);
    auto* picker = Picker();
    MoveTo(170, 270);
    Release();
    EXPECT_EQ(picker->GetPlayerKey(0), -1);
    picker->SetFlags(Control::kHidden);
    PressKey(30);
    EXPECT_EQ(picker->GetPlayerKey(0), -1);
}

TEST_F(KeyboardPickerTest, PlayerIndexesOutsideTheFiveAreIgnored) {
    WriteLayout(kLayout);
    auto* picker = Picker();
    picker->SetPlayerKey(5, 30);
    picker->SetPlayerKey(-1, 30);
    picker->SelectPlayer(7);
    EXPECT_EQ(picker->CurrentPlayer(), 0);
    EXPECT_EQ(picker->GetPlayerKey(5), -1);
    picker->SetPlayerKey(2, 9999);  // a stored key the layout does not know
    picker->Render();
    picker->ClearAllPlayerKeys();
    EXPECT_EQ(picker->GetPlayerKey(2), -1);
}
