// Phones as buzzers in the buzzer game: a phone's buzzer chosen as a row's key, claims and
// answers from phones (only for the player who claimed with that phone), what each phone is
// told in each phase, and the server running only on the buzzer game's screens while phones
// are switched on (bound to 127.0.0.1 here).
#include "controls/choice_line.h"
#include "multi/game_length.h"
#include "multi/phone_buzzers.h"
#include "multi/play_presentation.h"
#include "multi_game_fixture.h"
#include "phones/phone_server.h"
#include "platform/pad_keys.h"
#include "platform/phone_keys.h"

#include <sys/stat.h>

#include <thread>

using game_testing::MultiPlayerTest;
namespace mp = multi;
using phones::Phase;

class PhoneBuzzerTest : public MultiPlayerTest {
protected:
    void TearDown() override {
        mp::StopPhones();
        MultiPlayerTest::TearDown();
    }
    void PressPhone(int slot, int button) {
        headless::PressPhoneButton(slot, button);
        Frame();
    }
    static int32_t Buzzer(int slot) { return platform::MakePhoneKey(slot, platform::kPhoneBuzzer); }
    static std::string GuideText() {
        auto* line = dynamic_cast<ChoiceLine*>(Interface::FindControl(mp::kGameLengthChoice));
        return line ? platform::Cp1250ToUtf8(line->Message()) : "";
    }
    void SwitchPhonesOnInProfile() {
        dir.Write("home/tarvex_p.ini", "[Brellik]\nRuntime path=" + (dir / "") +
                                           "\nPhones=1\nPhone address=127.0.0.1\nPhone port=0\n");
    }
};

TEST_F(PhoneBuzzerTest, KeysOfPhonesPadsAndKeyboardsNeverMeet) {
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) {
        for (int button = 0; button <= platform::kPhoneAnswers; ++button) {
            const int32_t key = platform::MakePhoneKey(slot, button);
            EXPECT_TRUE(platform::IsPhoneKey(key));
            EXPECT_FALSE(platform::IsPadKey(key));
            EXPECT_GE(key, 512);
            EXPECT_EQ(platform::PhoneSlotOf(key), slot);
            EXPECT_EQ(platform::PhoneAnswerOf(key), button - 1);
        }
    }
    EXPECT_EQ(platform::MakePhoneKey(platform::kPhoneSlots, 0), 0);
    EXPECT_EQ(platform::MakePhoneKey(0, 4), 0);
    EXPECT_FALSE(platform::IsPhoneKey(platform::MakePadKey(3, 0)));
    EXPECT_FALSE(platform::IsPhoneKey(0x20000 | 16 << 8));
}

TEST_F(PhoneBuzzerTest, PressesPostedFromAnotherThreadArriveInOrder) {
    std::thread server([] {
        for (int i = 0; i < 200; ++i) headless::PressPhoneButton(i % 16, 0);
    });
    server.join();
    platform::Message message;
    int seen = 0;
    while (platform::PeekMessage(message)) {
        if (message.id != platform::kWmPhoneButtonDown) continue;
        EXPECT_EQ(platform::PhoneSlotOf(static_cast<int32_t>(message.wParam)), seen % 16);
        EXPECT_EQ(message.lParam, platform::GetTickCount());  // stamped when it came
        ++seen;
    }
    EXPECT_EQ(seen, 200);
}

TEST_F(PhoneBuzzerTest, APhonesBuzzerPressedWhileTheKeyboardIsOpenBecomesTheRowsKey) {
    OpenSetUp();
    SwitchRow(0);
    TypeName(0, "Ada");
    PressPhone(3, platform::kPhoneBuzzer);  // no keyboard open: nothing happens
    EXPECT_EQ(mp::players[0].key, -1);
    ClickControl(mp::kFirstKeyButton);
    PressPhone(3, 2);  // an answer button is no buzzer
    EXPECT_EQ(mp::players[0].key, -1);
    PressPhone(3, platform::kPhoneBuzzer);
    RunFor(1300);
    EXPECT_EQ(mp::players[0].key, Buzzer(3));
    EXPECT_EQ(mp::players[0].keyPicture, platform::PhoneKeyFrame(Buzzer(3)));
    EXPECT_FALSE(Shown(mp::kKeyboard));
    SaveScreenshot("multi_phone_key");
}

TEST_F(PhoneBuzzerTest, PhonesClaimAndAnswerOnlyForTheirOwnPlayer) {
    StartTwoPlayerGame(Buzzer(0), Buzzer(1));
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::Question);
    PressPhone(1, platform::kPhoneBuzzer);  // too early: claims are not open
    EXPECT_EQ(mp::answeringPlayer, -1);
    WaitForClaims();
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::Claims);
    EXPECT_EQ(mp::PhoneViewFor(5).phase, Phase::Waiting);  // nobody's phone

    PressPhone(1, platform::kPhoneBuzzer);
    ASSERT_EQ(mp::answeringPlayer, 1);
    const phones::PhoneView bob = mp::PhoneViewFor(1);
    EXPECT_EQ(bob.phase, Phase::Answer);
    EXPECT_EQ(bob.player, "Bob");
    EXPECT_EQ(bob.seconds, 5);
    ASSERT_EQ(bob.answers.size(), 3u);
    // The others see who answers, not answers of their own.
    const phones::PhoneView ada = mp::PhoneViewFor(0);
    EXPECT_EQ(ada.phase, Phase::Other);
    EXPECT_EQ(ada.claimer.name, "Bob");
    EXPECT_TRUE(ada.answers.empty());
    RunFor(2100);
    EXPECT_EQ(mp::PhoneViewFor(1).seconds, 3);

    const int wrong = (CorrectSlot() + 1) % 3;
    PressPhone(0, 1 + CorrectSlot());  // Ada's phone cannot answer for Bob
    EXPECT_TRUE(mp::answerOpen);
    PressPhone(1, 1 + wrong);
    EXPECT_FALSE(mp::answerOpen);
    EXPECT_EQ(mp::players[1].score, -5);
    EXPECT_EQ(mp::PhoneViewFor(1).phase, Phase::Wrong);
    EXPECT_EQ(mp::PhoneViewFor(1).points, -5);
    // Only the claimer's phone says "wrong" as its own verdict; the others hear whose it was.
    const phones::PhoneView heard = mp::PhoneViewFor(0);
    EXPECT_EQ(heard.phase, Phase::Heard);
    EXPECT_EQ(heard.claimer.name, "Bob");
    EXPECT_FALSE(heard.right);
    EXPECT_EQ(heard.points, -5);
    RunFor(2100);
    EXPECT_EQ(mp::PhoneViewFor(1).phase, Phase::LockedOut);
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::Claims);
    PressPhone(1, platform::kPhoneBuzzer);  // locked out
    EXPECT_FALSE(mp::answerOpen);
    PressPhone(0, platform::kPhoneBuzzer);
    PressPhone(0, 1 + CorrectSlot());
    EXPECT_GT(mp::players[0].score, 0);
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::Right);
    EXPECT_EQ(mp::PhoneViewFor(0).points, mp::players[0].score);
    EXPECT_EQ(mp::PhoneViewFor(1).phase, Phase::Heard);
    EXPECT_TRUE(mp::PhoneViewFor(1).right);
    ASSERT_EQ(mp::PhoneViewFor(1).scores.size(), 2u);
    EXPECT_EQ(mp::PhoneViewFor(1).scores[1].points, -5);

    headless::PressKey(1, 27);  // Esc: the game ends on its results
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1500));
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::Result);
    EXPECT_EQ(mp::PhoneViewFor(0).place, 1);
    EXPECT_EQ(mp::PhoneViewFor(1).place, 2);
}

TEST_F(PhoneBuzzerTest, AQuestionNobodyClaimsEndsWithTimeUpOnEveryPhoneTillTheNextIsReadOut) {
    StartTwoPlayerGame(Buzzer(0), Buzzer(1));
    WaitForClaims();
    RunFor(12500);  // the whole claim clock
    EXPECT_FALSE(mp::claimOpen);
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::TimeUp);
    EXPECT_EQ(mp::PhoneViewFor(1).phase, Phase::TimeUp);
    RunFor(2500);  // the next question's first answer shows
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::Question);
}

TEST_F(PhoneBuzzerTest, OneRoomLivesThroughResultsTablesAndTheNextSetUpUntilPhonesAreOff) {
    OpenSetUp();
    EXPECT_EQ(mp::RunningPhoneServer(), nullptr);  // off by default
    Interface::SetState(StateMainMenu, false);
    RunFor(100);

    SwitchPhonesOnInProfile();
    StartTwoPlayerGame(Buzzer(0), Buzzer(1));
    phones::PhoneServer* server = mp::RunningPhoneServer();
    ASSERT_NE(server, nullptr);
    const std::string token = server->Token();
    EXPECT_EQ(token.size(), 32u);
    // The log names the address, never the room's key.
    EXPECT_NE(LogText().find("Phones: join at http://127.0.0.1:" + std::to_string(server->Port()) +
                             "/ "),
              std::string::npos);
    EXPECT_EQ(LogText().find(token), std::string::npos);
    struct stat log {};
    ASSERT_EQ(::stat((dir / "Debug.log").c_str(), &log), 0);
    EXPECT_EQ(log.st_mode & 0777, 0600u);  // it names the network's addresses

    headless::PressKey(1, 27);
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1500));
    EXPECT_EQ(mp::RunningPhoneServer(), server);
    Interface::SetState(StateScores, false);
    RunFor(100);
    Interface::SetState(StateMainMenu, false);
    RunFor(100);
    OpenSetUp();
    ASSERT_EQ(mp::RunningPhoneServer(), server);
    EXPECT_EQ(server->Token(), token);

    mp::SetPhonesOn(false);
    EXPECT_EQ(mp::RunningPhoneServer(), nullptr);
    EXPECT_NE(LogText().find("Phones: the server stopped"), std::string::npos);
}

TEST_F(PhoneBuzzerTest, APhoneWithoutARowIsToldWhyAndMovesNothing) {
    StartTwoPlayerGame(Buzzer(0), Buzzer(1));
    mp::showCorrectAnswer = 1;
    EXPECT_EQ(mp::PhoneViewFor(5).note, phones::WaitNote::Running);
    WaitForClaims();
    PressPhone(0, platform::kPhoneBuzzer);
    PressPhone(0, 1 + (CorrectSlot() + 1) % 3);
    RunFor(2100);
    PressPhone(1, platform::kPhoneBuzzer);
    PressPhone(1, 1 + (CorrectSlot() + 2) % 3);
    RunFor(2100);
    ASSERT_TRUE(mp::awaitingContinue);  // the right answer is shown until someone goes on
    PressPhone(5, platform::kPhoneBuzzer);
    EXPECT_TRUE(mp::awaitingContinue);
    PressPhone(1, platform::kPhoneBuzzer);  // a player's buzzer goes on, as a key does
    EXPECT_FALSE(mp::awaitingContinue);

    headless::PressKey(1, 27);
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1500));
    RunFor(3000);
    PressPhone(5, platform::kPhoneBuzzer);
    RunFor(100);
    EXPECT_EQ(Interface::GetState(), StateMultiResults);
}

TEST_F(PhoneBuzzerTest, WhenEveryRowIsTakenAnotherPhoneHearsTheGameIsFull) {
    std::string rows;
    for (int row = 0; row < 5; ++row) rows += Record(("P" + std::to_string(row)).c_str(), 30 + row, true);
    dir.Write("home/System/users2.dat", rows);
    OpenSetUp();
    EXPECT_EQ(mp::PhoneViewFor(7).note, phones::WaitNote::Full);
    SwitchRow(4);
    EXPECT_EQ(mp::PhoneViewFor(7).note, phones::WaitNote::None);
}

TEST_F(PhoneBuzzerTest, ClaimsThatWaitTogetherGoByWhenTheyWereMadeNotByWhenTheyArrived) {
    StartTwoPlayerGame(kKeyA, Buzzer(1));
    WaitForClaims();
    // Ada's key is read first, but Bob's phone pressed 30 ms earlier: its press reached the
    // game late over the Wi-Fi.
    headless::KeyDown(kKeyA, 0);
    platform::PostFromAnyThread({platform::kWmPhoneButtonDown, static_cast<uint32_t>(Buzzer(1)),
                                 platform::GetTickCount() - 30});
    Frame();
    EXPECT_EQ(mp::answeringPlayer, 1);
}

TEST_F(PhoneBuzzerTest, HratWarnsOnceWhenAPhoneRowsPhoneIsNotConnected) {
    dir.Write("home/System/users2.dat", Record("Ada", Buzzer(0), true) +
                                            Record("Bob", kKeyL, true) + std::string(132, '\0'));
    OpenSetUp();
    ClickControl(mp::kNextButton);  // phones are off: Ada could not buzz
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
    EXPECT_NE(GuideText().find("Telefony jsou vypnut"), std::string::npos);

    SwitchPhonesOnInProfile();
    mp::SetPhonesOn(true);
    ClickControl(mp::kNextButton);  // on, but no phone joined
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
    EXPECT_NE(GuideText().find("Telefon řádku 1 (Ada) není připojen"), std::string::npos);
    ClickControl(mp::kNextButton);
    EXPECT_EQ(Interface::GetState(), StateMultiGame);
    // In play the panel marks her row.
    RunFor(100);
    EXPECT_EQ(LabelText(mp::kFirstRowMark), "!");
    EXPECT_EQ(LabelText(mp::kFirstRowMark + 1), "");
}

TEST_F(PhoneBuzzerTest, NamesOfRowsAreNeverTwiceTheSame) {
    OpenSetUp();
    SwitchRow(0);
    TypeName(0, "Eva");
    SwitchRow(1);
    TypeName(1, "Eva");
    EXPECT_STREQ(mp::players[1].name, "");
    EXPECT_NE(GuideText().find("Toto jméno už má řádek 1"), std::string::npos);
    TypeName(1, "Jan");
    EXPECT_STREQ(mp::players[1].name, "Jan");
    // A phone's name that another row has already is numbered.
    EXPECT_EQ(mp::UniqueRowName(1, "Eva"), "Eva 2");
    EXPECT_EQ(mp::UniqueRowName(0, "Eva"), "Eva");
    // A renamed phone renames its row, and the file keeps it.
    mp::players[1].key = Buzzer(4);
    mp::RenamePhoneRow(Buzzer(4), "Eva");
    EXPECT_STREQ(mp::players[1].name, "Eva 2");
    mp::RenamePhoneRow(Buzzer(4), "Jana");
    EXPECT_STREQ(mp::players[1].name, "Jana");
    EXPECT_NE(PlayersFile().find("Jana"), std::string::npos);
    dynamic_cast<EditField*>(Interface::FindControl(mp::kFirstNameField))
        ->SetText(std::string(27, 'W').c_str());
    EXPECT_EQ(mp::UniqueRowName(1, std::string(27, 'W')), std::string(25, 'W') + " 2");
}

TEST_F(PhoneBuzzerTest, AFatalErrorStopsTheServerBeforeTheGameLetsGoOfThePlatform) {
    SwitchPhonesOnInProfile();
    EXPECT_EXIT(
        {
            OpenSetUp();
            if (mp::RunningPhoneServer()) Interface::Fatal("Test", -1);
        },
        ::testing::ExitedWithCode(255), "");
    const std::string log = LogText();
    const std::size_t stopped = log.find("Phones: the server stopped");
    ASSERT_NE(stopped, std::string::npos);
    EXPECT_LT(stopped, log.find("Exit code"));
}

TEST_F(PhoneBuzzerTest, PhoneSettingsAreReadFromTheGamesSectionOnly) {
    const mp::PhoneSettings settings = mp::ParsePhoneSettings(
        "[Other]\nPhones=1\nPhone port=1\n[Brellik]\r\nPhones=1\r\nPhone port=5000\r\n"
        "Phone address=127.0.0.1\r\n",
        "Brellik");
    EXPECT_TRUE(settings.on);
    EXPECT_EQ(settings.port, 5000);
    EXPECT_EQ(settings.address, "127.0.0.1");
    const mp::PhoneSettings bad =
        mp::ParsePhoneSettings("[Brellik]\nPhones=yes\nPhone port=70000\n", "Brellik");
    EXPECT_FALSE(bad.on);
    EXPECT_EQ(bad.port, -1);
}
