// Game pads as buzzers in the buzzer game, through the headless backend's scripted pads:
// a pad button chosen as a row's key, claims and answers by pad, pads pulled out and
// plugged in again, and users2.dat with pad keys and without.
#include "multi_game_fixture.h"
#include "platform/pad_keys.h"

using game_testing::MultiPlayerTest;
namespace mp = multi;

namespace {

constexpr int kButtonA = 0;
constexpr int kButtonB = 1;
constexpr int kButtonX = 2;
constexpr int kButtonStart = 6;
constexpr int kButtonLB = 9;

int32_t KeyField(const std::string& file, int row) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<uint32_t>(static_cast<uint8_t>(file[row * 44 + 28 + i])) << (8 * i);
    }
    return static_cast<int32_t>(bits);
}

}  // namespace

class PadBuzzerTest : public MultiPlayerTest {
protected:
    void PressPad(int slot, int button) {
        headless::PressPadButton(slot, button);
        Frame();
    }
};

TEST_F(PadBuzzerTest, APadButtonPressedWhileTheKeyboardIsOpenBecomesTheRowsKey) {
    const int pad0 = headless::PlugPad(), pad1 = headless::PlugPad();
    ASSERT_EQ(pad0, 0);
    ASSERT_EQ(pad1, 1);
    OpenSetUp();
    SwitchRow(0);
    TypeName(0, "Ada");
    SwitchRow(2);
    TypeName(2, "Cyril");

    PressPad(pad0, kButtonA);  // no keyboard open: nothing happens
    EXPECT_EQ(mp::players[0].key, -1);
    ClickControl(mp::kFirstKeyButton);
    PressPad(pad0, kButtonLB);
    RunFor(1300);
    EXPECT_FALSE(Shown(mp::kKeyboard));
    const int32_t lb = platform::MakePadKey(pad0, kButtonLB);
    EXPECT_EQ(mp::players[0].key, lb);
    EXPECT_EQ(mp::players[0].keyPicture, platform::PadKeyFrame(lb));
    EXPECT_TRUE(Shown(mp::kFirstKeyPicture));
    EXPECT_EQ(ShownFrame(mp::kFirstKeyPicture), platform::PadKeyFrame(lb));

    // The same button of the same pad is refused to another row, as keyboard keys are; the
    // same button of another pad is a key of its own.
    ClickControl(mp::kFirstKeyButton + 2);
    PressPad(pad0, kButtonLB);
    RunFor(1300);
    EXPECT_TRUE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[2].key, -1);
    PressPad(pad1, kButtonLB);
    Frame();
    SaveScreenshot("multi_setup_pad_chosen");
    RunFor(1300);
    EXPECT_FALSE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[2].key, platform::MakePadKey(pad1, kButtonLB));
    SaveScreenshot("multi_setup_pads");

    ClickControl(mp::kNextButton);
    ASSERT_EQ(Interface::GetState(), StateMultiGame);
    EXPECT_EQ(KeyField(PlayersFile(), 0), lb);
    EXPECT_EQ(KeyField(PlayersFile(), 2), platform::MakePadKey(pad1, kButtonLB));
    RunFor(100);
    EXPECT_EQ(ShownFrame(mp::kFirstPanelKey), platform::PadKeyFrame(lb));
    EXPECT_EQ(ShownFrame(mp::kFirstPanelKey + 1),
              platform::PadKeyFrame(platform::MakePadKey(pad1, kButtonLB)));
    SaveScreenshot("multi_game_pads_panel");
}

TEST_F(PadBuzzerTest, TwoPlayersOnTwoPadsClaimAndAnswerWithTheirOwnPads) {
    const int pad0 = headless::PlugPad(), pad1 = headless::PlugPad();
    StartTwoPlayerGame(platform::MakePadKey(pad0, kButtonStart),
                       platform::MakePadKey(pad1, kButtonLB));
    WaitForClaims();
    RunFor(2000);
    PressPad(pad0, kButtonLB);  // another player's button on the wrong pad claims nothing
    EXPECT_EQ(mp::answeringPlayer, -1);
    PressPad(pad1, kButtonLB);
    EXPECT_EQ(mp::answeringPlayer, 1);
    EXPECT_TRUE(mp::answerOpen);
    // Only the answering player's pad answers: A, B and X are answers 1, 2 and 3.
    const int faces[] = {kButtonA, kButtonB, kButtonX};
    PressPad(pad0, faces[CorrectSlot()]);
    EXPECT_TRUE(mp::answerOpen);
    EXPECT_EQ(mp::chosenAnswer, -1);
    PressPad(pad1, faces[CorrectSlot()]);
    EXPECT_FALSE(mp::answerOpen);
    EXPECT_EQ(mp::chosenAnswer, CorrectSlot());
    EXPECT_EQ(mp::players[1].score, 8);
    EXPECT_EQ(multiQuiz->rightByPlayer[1], 1);
}

TEST_F(PadBuzzerTest, AWrongPadAnswerReopensTheClaimsForTheOtherPad) {
    const int pad0 = headless::PlugPad(), pad1 = headless::PlugPad();
    StartTwoPlayerGame(platform::MakePadKey(pad0, kButtonLB),
                       platform::MakePadKey(pad1, kButtonLB));
    WaitForClaims();
    PressPad(pad0, kButtonLB);
    ASSERT_EQ(mp::answeringPlayer, 0);
    const int faces[] = {kButtonA, kButtonB, kButtonX};
    PressPad(pad0, faces[(CorrectSlot() + 1) % 3]);
    EXPECT_EQ(mp::players[0].score, -5);
    RunFor(2100);
    ASSERT_TRUE(mp::claimOpen);
    PressPad(pad0, kButtonLB);  // the failed player's pad cannot claim again
    EXPECT_EQ(mp::answeringPlayer, 0);
    EXPECT_FALSE(mp::answerOpen);
    PressPad(pad1, kButtonLB);
    EXPECT_EQ(mp::answeringPlayer, 1);
    EXPECT_TRUE(mp::answerOpen);
}

TEST_F(PadBuzzerTest, APadPulledOutDuringAGameIsDroppedAndTakenBackWhenPluggedInAgain) {
    const int pad0 = headless::PlugPad();
    StartTwoPlayerGame(platform::MakePadKey(pad0, kButtonA), kKeyL);
    WaitForClaims();
    headless::UnplugPad(pad0);
    RunFor(1000);
    PressPad(pad0, kButtonA);  // a pad that is gone presses nothing
    EXPECT_EQ(mp::answeringPlayer, -1);
    EXPECT_TRUE(mp::claimOpen);
    // The game goes on: the keyboard player still claims.
    Buzz(kKeyL);
    EXPECT_EQ(mp::answeringPlayer, 1);
    Answer(CorrectSlot());
    RunFor(6000);
    WaitForClaims();
    ASSERT_TRUE(mp::claimOpen);
    // Plugged in again, the pad gets its number back and its player buzzes again.
    EXPECT_EQ(headless::PlugPad(), pad0);
    PressPad(pad0, kButtonA);
    EXPECT_EQ(mp::answeringPlayer, 0);
    EXPECT_TRUE(mp::answerOpen);
}

TEST_F(PadBuzzerTest, APlayerWhosePadIsGoneCanBeGivenAKeyboardKey) {
    dir.Write("home/System/users2.dat",
              Record("Ada", platform::MakePadKey(3, kButtonA), true) + std::string(176, '\0'));
    OpenSetUp();
    EXPECT_EQ(ShownFrame(mp::kFirstKeyPicture), platform::PadKeyFrame(platform::MakePadKey(3, 0)));
    ChooseKey(0, kKeyM);
    EXPECT_EQ(mp::players[0].key, static_cast<int32_t>(kKeyM));
    EXPECT_EQ(ShownFrame(mp::kFirstKeyPicture), Keyboard()->GetKeyNumber(0));
    EXPECT_LT(ShownFrame(mp::kFirstKeyPicture), platform::kKeyboardKeyFrames);
}

TEST_F(PadBuzzerTest, PadKeysSurviveARoundTripThroughTheFile) {
    const int32_t keys[] = {platform::MakePadKey(0, kButtonA),
                            platform::MakePadKey(7, platform::kJoystickButtonBase + 15),
                            static_cast<int32_t>(kKeyA)};
    dir.Write("home/System/users2.dat", Record("Ada", keys[0], true) +
                                            Record("Bob", keys[1], true) +
                                            Record("Cyril", keys[2], false) +
                                            std::string(88, '\0'));
    OpenSetUp();
    for (int row = 0; row < 3; ++row) EXPECT_EQ(mp::players[row].key, keys[row]) << row;
    EXPECT_EQ(mp::players[1].keyPicture, platform::PadKeyFrame(keys[1]));
    EXPECT_EQ(ShownFrame(mp::kFirstKeyPicture + 1), platform::PadKeyFrame(keys[1]));
    ClickControl(mp::kBackButton);
    const std::string written = PlayersFile();
    ASSERT_EQ(written.size(), 220u);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(KeyField(written, row), keys[row]) << row;
    EXPECT_EQ(KeyField(written, 3), -1);
}

TEST_F(PadBuzzerTest, AFileWrittenBeforePadsIsReadAndWrittenTheSame) {
    // Keyboard keys only, with the key-picture frames the keyboard gives them.
    KeyLayout layout;
    layout.Load(KeyboardPicker::kLayoutFile);
    const int32_t scans[] = {static_cast<int32_t>(kKeyA), static_cast<int32_t>(kKeyL), 285};
    std::string before;
    for (int row = 0; row < 3; ++row) {
        std::string record = Record(row == 0 ? "Ada" : row == 1 ? "Bob" : "Cyril", scans[row],
                                    row != 2);
        const int32_t frame = layout.Has(scans[row]) ? layout.Entry(scans[row]).line + 1 : 0;
        for (int i = 0; i < 4; ++i) record[32 + i] = static_cast<char>(frame >> (8 * i));
        before += record;
    }
    before += Record("", -1, false) + Record("", -1, false);
    for (int i = 0; i < 4; ++i) before[3 * 44 + 32 + i] = before[4 * 44 + 32 + i] = '\xff';
    dir.Write("home/System/users2.dat", before);
    OpenSetUp();
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(mp::players[row].key, scans[row]) << row;
        EXPECT_FALSE(platform::IsPadKey(mp::players[row].key));
        EXPECT_LT(mp::players[row].keyPicture, platform::kKeyboardKeyFrames);
    }
    ClickControl(mp::kBackButton);
    EXPECT_EQ(PlayersFile(), before);
}
