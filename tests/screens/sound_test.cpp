// What the players hear, played through the headless backend with its recording sound
// output: which sound each game event makes, the volume and mute switch and its profile
// lines, and a game on a machine without an audio device.
#include "platform/headless/recording_sound.h"
#include "scores/score_state.h"
#include "single/single_state.h"
#include "single_game_fixture.h"
#include "sound/sound.h"
#include "sound/sound_control.h"

#include <algorithm>

namespace {

using game_testing::SinglePlayerTest;

constexpr int32_t kSoundControl = 80;
constexpr uint32_t kF12 = 0x58;

std::vector<std::string> Played() {
    std::vector<std::string> names;
    for (const headless::SoundRecord& record : headless::PlayedSounds()) {
        names.push_back(record.name);
    }
    return names;
}

int CountOf(const std::string& name) {
    const std::vector<std::string> names = Played();
    return static_cast<int>(std::count(names.begin(), names.end(), name));
}

class SoundTest : public SinglePlayerTest {
protected:
    void SetUp() override {
        SinglePlayerTest::SetUp();
        headless::ClearPlayedSounds();
    }
    void TearDown() override {
        sound::SetMuted(false);
        SinglePlayerTest::TearDown();
    }
    std::string Profile() const { return dir.Read("home/tarvex_p.ini"); }
};

TEST_F(SoundTest, EveryEffectIsLoadedAtStartUp) {
    EXPECT_EQ(headless::LoadedSounds().size(), std::size_t(sound::kSoundCount));
    EXPECT_EQ(LogText().find("cannot be loaded"), std::string::npos);
    EXPECT_EQ(LogText().find("silent"), std::string::npos);
}

TEST_F(SoundTest, TheClockGameAnswersAppearWithRisingNotesAndARightAnswerEarnsItsPoints) {
    StartForP();
    WaitForAnswers();
    EXPECT_EQ(Played(), (std::vector<std::string>{"click", "reveal1", "reveal2", "reveal3"}));
    headless::ClearPlayedSounds();
    Answer(CorrectSlot());  // the answer buttons are push buttons too
    EXPECT_EQ(Played(), (std::vector<std::string>{"click", "right"}));
    RunFor(1000);  // the point picture plays out
    EXPECT_EQ(Played(), (std::vector<std::string>{"click", "right", "points"}));
}

TEST_F(SoundTest, AWrongAnswerSoundsWrong) {
    StartForP();
    WaitForAnswers();
    headless::ClearPlayedSounds();
    Answer((CorrectSlot() + 1) % 3);
    EXPECT_EQ(Played(), (std::vector<std::string>{"click", "wrong"}));
}

TEST_F(SoundTest, TheClockTicksItsLastThreeSecondsThenTimesOut) {
    StartForP();
    WaitForAnswers();
    headless::ClearPlayedSounds();
    // One tick as the clock reaches each of 8, 9 and 10 seconds; it runs out at 11.
    for (int t = 0; t < 12000 && CountOf("timeout") == 0; t += 27) {
        Frame();
        if (CountOf("timeout") == 0) {
            EXPECT_EQ(CountOf("tick"), std::max(single::clockElapsed - 7, 0));
        }
    }
    EXPECT_EQ(Played(), (std::vector<std::string>{"tick", "tick", "tick", "timeout"}));
    EXPECT_EQ(singleQuiz->modeValue3, -5);  // the rules are as they were
}

TEST_F(SoundTest, TheLivesGameHearsALifeLostAndTheGameEndsOverANewTableRow) {
    StartForR();
    WaitForAnswers();
    headless::ClearPlayedSounds();
    Answer(CorrectSlot());
    EXPECT_EQ(Played(), (std::vector<std::string>{"click", "right"}));
    RunFor(2500);
    WaitForAnswers();
    headless::ClearPlayedSounds();
    Answer((CorrectSlot() + 1) % 3);
    EXPECT_EQ(Played(), (std::vector<std::string>{"click", "life_lost"}));
    EXPECT_EQ(singleQuiz->modeValue2, 2);
    RunFor(100);
    headless::KeyDown(1, 27);
    Frame();
    EXPECT_EQ(CountOf("game_over"), 1);
    ASSERT_TRUE(RunUntilState(StateScores, 1500));
    RunFor(100);
    EXPECT_NE(scores::newScoreRow, -1);
    EXPECT_EQ(CountOf("new_entry"), 1);
}

TEST_F(SoundTest, ThePremiumQuestionAndTheLifeItWinsAreHeard) {
    StartForR();
    for (int question = 0; question < 10; ++question) {
        WaitForAnswers();
        Answer(CorrectSlot());
        RunFor(2500);
    }
    EXPECT_EQ(CountOf("premium"), 1);
    WaitForAnswers();
    headless::ClearPlayedSounds();
    Answer(CorrectSlot());
    EXPECT_EQ(Played(), (std::vector<std::string>{"click", "life_won"}));
    EXPECT_EQ(singleQuiz->modeValue2, 4);
}

TEST_F(SoundTest, PushButtonsClickOnEveryScreen) {
    Interface::SetState(StateSingleMenu, false);
    RunFor(100);
    headless::ClearPlayedSounds();
    ClickControl(259);  // back to the main menu
    EXPECT_EQ(Played(), std::vector<std::string>{"click"});
    RunFor(100);
    ClickControl(60);  // the advert
    EXPECT_EQ(CountOf("click"), 2);
}

TEST_F(SoundTest, EachPlayersClaimHasItsOwnSound) {
    sound::PlayClaimSound(2);
    EXPECT_EQ(Played(), std::vector<std::string>{"claim3"});
    sound::PlayClaimSound(5);
    sound::PlayClaimSound(-1);
    EXPECT_EQ(Played().size(), 1u);
    sound::TickLastSeconds(8, 9, 12);  // the claim clock's last three seconds: 9, 10 and 11
    sound::TickLastSeconds(9, 9, 12);
    sound::TickLastSeconds(11, 12, 12);
    EXPECT_EQ(Played(), (std::vector<std::string>{"claim3", "tick"}));
}

TEST_F(SoundTest, F12MutesEverythingAndTheProfileKeepsIt) {
    headless::PressKey(kF12);
    Frame();
    EXPECT_TRUE(sound::Muted());
    EXPECT_NE(Profile().find("Sound muted=1"), std::string::npos);
    EXPECT_NE(Profile().find("Runtime path="), std::string::npos) << "the frame's own line stays";
    EXPECT_EQ(sound::SoundControl::FrameForSettings(), 0);
    StartForP();
    WaitForAnswers();
    Answer(CorrectSlot());
    EXPECT_TRUE(Played().empty());
    headless::PressKey(kF12);
    Frame();
    EXPECT_FALSE(sound::Muted());
    EXPECT_NE(Profile().find("Sound muted=0"), std::string::npos);
}

TEST_F(SoundTest, TheBottomBarControlSetsTheVolumeAndMutes) {
    Control* control = Interface::FindControl(kSoundControl);
    ASSERT_NE(control, nullptr);
    ClickAt(control->X() + sound::SoundControl::kSpeakerWidth + 2, control->Y() + 12);  // first bar
    EXPECT_EQ(sound::Volume(), 25);
    EXPECT_NE(Profile().find("Sound volume=25"), std::string::npos);
    ASSERT_FALSE(headless::PlayedSounds().empty());
    EXPECT_EQ(headless::PlayedSounds().back().name, "click");
    EXPECT_EQ(headless::PlayedSounds().back().volume, 25)
        << "the click lets the new volume be heard";
    ClickAt(control->X() + 5, control->Y() + 12);  // the speaker
    EXPECT_TRUE(sound::Muted());
    SaveScreenshot("sound_muted_in_bottom_bar");
    // It stays in the bottom bar of the games.
    StartForP();
    EXPECT_NE(Interface::FindControl(kSoundControl), nullptr);
    ClickAt(control->X() + sound::SoundControl::kWidth - 2, control->Y() + 12);  // last bar
    EXPECT_FALSE(sound::Muted());
    EXPECT_EQ(sound::Volume(), 100);
}

TEST_F(SoundTest, TheProfilesVolumeIsUsedAtStartUp) {
    AppShutdown();
    Interface::Shutdown();
    dir.Write("home/tarvex_p.ini",
              "[Brellik]\nRuntime path=" + (dir / "") + "\nSound volume=50\nSound muted=0\n");
    headless::Install();
    ASSERT_EQ(Interface::PreInit(nullptr, "", &properties), 1);
    ASSERT_EQ(AppInit(), 1);
    sound::PlaySound(sound::SoundId::Right);
    ASSERT_EQ(headless::PlayedSounds().size(), 1u);
    EXPECT_EQ(headless::PlayedSounds()[0].volume, 50);
}

TEST_F(SoundTest, WithoutAnAudioDeviceTheGamePlaysOnInSilenceAndSaysSoOnce) {
    AppShutdown();
    Interface::Shutdown();
    headless::Install();
    headless::InstallRecordingSound(false);
    ASSERT_EQ(Interface::PreInit(nullptr, "", &properties), 1);
    ASSERT_EQ(AppInit(), 1);
    Frame();
    GoToMainMenu();
    StartForP();
    WaitForAnswers();
    Answer(CorrectSlot());
    EXPECT_EQ(singleQuiz->modeValue3, 10);
    EXPECT_TRUE(headless::LoadedSounds().empty());
    EXPECT_TRUE(headless::PlayedSounds().empty());
    const std::string log = LogText();
    const std::string line = "No audio device: the game is silent";
    ASSERT_NE(log.find(line), std::string::npos);
    EXPECT_EQ(log.find(line, log.find(line) + 1), std::string::npos);
}

TEST_F(SoundTest, AMissingEffectIsLoggedOnceAndStaysSilent) {
    AppShutdown();
    Interface::Shutdown();
    // A data folder without any sounds; the log still goes to the scratch folder.
    dir.Write("data/readme.txt", "");
    dir.Write("home/tarvex_p.ini",
              "[Brellik]\nRuntime path=" + (dir / "") + "\nData path=" + (dir / "data/") + "\n");
    headless::Install();
    ASSERT_EQ(Interface::PreInit(nullptr, "", &properties), 1);
    ASSERT_EQ(AppInit(), 1);
    const std::string log = LogText();
    const std::string line = "right.wav\" cannot be loaded";
    ASSERT_NE(log.find(line), std::string::npos);
    EXPECT_EQ(log.find(line, log.find(line) + 1), std::string::npos);
    sound::PlaySound(sound::SoundId::Right);
    EXPECT_TRUE(headless::PlayedSounds().empty());
}

}  // namespace
