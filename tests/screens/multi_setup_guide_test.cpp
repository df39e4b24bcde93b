// Before a buzzer game starts: the set-up screen's guide line (why Next refuses, who is
// choosing a key, a key that is taken), Esc on the keyboard, and the buzzer test.
#include "multi/buzzer_check.h"
#include "controls/choice_line.h"
#include "multi/game_length.h"
#include "multi/play_presentation.h"
#include "multi_game_fixture.h"
#include "platform/headless/recording_sound.h"
#include "platform/platform.h"

using game_testing::MultiPlayerTest;
namespace mp = multi;

namespace {

std::string Cp1250(const char* utf8) { return platform::Utf8ToCp1250(utf8); }

std::string Guide() {
    const auto* line = dynamic_cast<ChoiceLine*>(Interface::FindControl(multi::kGameLengthChoice));
    return line ? line->Message() : "no guide";
}

}  // namespace

TEST_F(MultiPlayerTest, NextNamesTheRowThatIsNotReady) {
    dir.Write("home/System/users2.dat",
              Record("Ada", kKeyA, true) + Record("Bob", 0, true) + std::string(132, '\0'));
    OpenSetUp();
    ClickControl(mp::kNextButton);
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
    EXPECT_EQ(Guide(), Cp1250("Bob nemá klávesu: klikněte na kolečko"));
    SwitchRow(2);
    ClickControl(mp::kNextButton);
    EXPECT_EQ(Guide(), Cp1250("Bob nemá klávesu: klikněte na kolečko"));
    ChooseKey(1, kKeyL);
    ClickControl(mp::kNextButton);  // row 3 is on without a name
    EXPECT_EQ(Guide(),
              Cp1250("Řádek 3: napište jméno a potvrďte Enterem"));
    SaveScreenshot("multi_setup_next_refused");
    SwitchRow(2);
    SwitchRow(1);
    ClickControl(mp::kNextButton);
    EXPECT_EQ(Guide(), Cp1250("Zapněte aspoň dva hráče"));
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
}

TEST_F(MultiPlayerTest, TheKeyboardNamesItsPlayerATakenKeyAndClosesOnEscKeepingTheOldKey) {
    dir.Write("home/System/users2.dat", Record("Ada", kKeyA, true) + Record("Bob", kKeyL, true) +
                                            std::string(132, '\0'));
    OpenSetUp();
    ClickControl(mp::kFirstKeyPicture + 1);
    ASSERT_TRUE(Shown(mp::kKeyboard));
    EXPECT_EQ(Guide(), Cp1250("Klávesu volí Bob: stiskněte ji (Esc: zpět)"));
    headless::PressKey(kKeyA);
    Frame();
    EXPECT_EQ(Guide(), Cp1250("Tuto klávesu už má Ada, zvolte jinou"));
    SaveScreenshot("multi_setup_key_taken");
    EXPECT_TRUE(Shown(mp::kKeyboard));
    headless::PressKey(1, 27);
    RunFor(100);
    EXPECT_FALSE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[1].key, static_cast<int32_t>(kKeyL));
    EXPECT_TRUE(Shown(mp::kFirstKeyPicture + 1));
    EXPECT_EQ(Keyboard()->GetPlayerKey(1), static_cast<int32_t>(kKeyL));
    EXPECT_FALSE(Interface::FindControl(mp::kNextButton)->GetFlags() & Control::kDisabled);
    EXPECT_EQ(Guide(), "");
    ClickControl(mp::kNextButton);
    EXPECT_EQ(Interface::GetState(), StateMultiGame);  // still two players with their keys
}

TEST_F(MultiPlayerTest, BeforeStartAPlayersPressLightsTheirRowWithTheirSoundAndClaimsNothing) {
    dir.Write("home/System/users2.dat", Record("Ada", kKeyA, true) + Record("Bob", kKeyL, true) +
                                            std::string(132, '\0'));
    OpenSetUp();
    ClickControl(mp::kNextButton);
    RunFor(100);
    const uint32_t before = LabelColour(mp::kFirstNameLabel + 1);
    headless::ClearPlayedSounds();
    Buzz(kKeyL);
    EXPECT_EQ(LabelColour(mp::kFirstNameLabel + 1), mp::kBuzzerCheckColour);
    EXPECT_EQ(LabelColour(mp::kFirstScoreLabel + 1), mp::kBuzzerCheckColour);
    EXPECT_NE(LabelColour(mp::kFirstNameLabel), mp::kBuzzerCheckColour);
    EXPECT_TRUE(Shown(mp::kClaimerBanner));
    EXPECT_EQ(LabelText(mp::kClaimerBanner), "Bob");
    ASSERT_FALSE(headless::PlayedSounds().empty());
    EXPECT_EQ(headless::PlayedSounds().back().name, "claim2");
    SaveScreenshot("multi_buzzer_test");
    RunFor(1000);
    EXPECT_EQ(LabelColour(mp::kFirstNameLabel + 1), before);
    EXPECT_FALSE(Shown(mp::kClaimerBanner));
    EXPECT_TRUE(Shown(mp::kStartButton));
    EXPECT_EQ(mp::answeringPlayer, -1);
    ClickControl(mp::kStartButton);
    WaitForClaims();
    Buzz(kKeyL);  // once the game runs, the same press claims
    EXPECT_EQ(mp::answeringPlayer, 1);
}

TEST_F(MultiPlayerTest, ARefusalGoesWithTheRowItNamedAndAGameKeyIsSaidToBeTheGames) {
    dir.Write("home/System/users2.dat", Record("Ada", kKeyA, true) + Record("Bob", kKeyL, true) +
                                            std::string(132, '\0'));
    OpenSetUp();
    SwitchRow(3);
    ClickControl(mp::kNextButton);
    ASSERT_EQ(Guide(), Cp1250("Řádek 4: napište jméno a potvrďte Enterem"));
    SwitchRow(3);
    EXPECT_EQ(Guide(), "");

    ClickControl(mp::kFirstKeyPicture + 1);
    for (uint32_t gameKey : {0x3Bu, 0x03u}) {  // F1, the digit 2
        headless::PressKey(kKeyA);
        Frame();
        ASSERT_EQ(Guide(), Cp1250("Tuto klávesu už má Ada, zvolte jinou"));
        headless::PressKey(gameKey);
        Frame();
        EXPECT_EQ(Guide(), Cp1250("Tuto klávesu používá hra sama, zvolte jinou")) << gameKey;
        EXPECT_TRUE(Shown(mp::kKeyboard));
    }
    SaveScreenshot("multi_setup_game_key");
}

TEST_F(MultiPlayerTest, TheBottomBarShowsOneHintAtATime) {
    dir.Write("home/System/users2.dat", Record("Ada", kKeyA, true) + Record("Bob", kKeyL, true) +
                                            std::string(132, '\0'));
    OpenSetUp();
    const int32_t hints[] = {mp::kSwitchOnHint, mp::kSwitchOffHint, mp::kNextHint,
                             mp::kFirstSwitchHint, mp::kFirstKeyHint + 1, 55};
    const int32_t path[] = {mp::kShowAnswerSwitch, mp::kNextButton, mp::kFirstSelectSwitch,
                            mp::kShowAnswerSwitch, mp::kFirstKeyPicture + 1, mp::kBackButton};
    for (int32_t id : path) {
        PointAtControl(id);
        RunFor(100);
        int shown = 0;
        for (int32_t hint : hints) shown += Shown(hint);
        std::string which;
        for (int32_t hint : hints) which += Shown(hint) ? std::to_string(hint) + " " : "";
        EXPECT_LE(shown, 1) << "over " << id << ": " << which;
    }
    PointAtControl(mp::kShowAnswerSwitch);
    PointAtControl(mp::kNextButton);
    SaveScreenshot("multi_setup_one_hint");
}
