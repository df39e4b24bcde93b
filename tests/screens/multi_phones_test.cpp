// Phones as buzzers in the buzzer game: a phone's buzzer chosen as a row's key, claims and
// answers from phones (only for the player who claimed with that phone), what each phone is
// told in each phase, and the server running only on the buzzer game's screens while phones
// are switched on (bound to 127.0.0.1 here).
#include "multi/phone_buzzers.h"
#include "multi_game_fixture.h"
#include "phones/phone_server.h"
#include "platform/pad_keys.h"
#include "platform/phone_keys.h"

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
    ASSERT_EQ(bob.answers.size(), 3u);
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::Other);
    EXPECT_TRUE(mp::PhoneViewFor(0).answers.empty());

    const int wrong = (CorrectSlot() + 1) % 3;
    PressPhone(0, 1 + CorrectSlot());  // Ada's phone cannot answer for Bob
    EXPECT_TRUE(mp::answerOpen);
    PressPhone(1, 1 + wrong);
    EXPECT_FALSE(mp::answerOpen);
    EXPECT_EQ(mp::players[1].score, -5);
    EXPECT_EQ(mp::PhoneViewFor(1).phase, Phase::Wrong);
    RunFor(2100);
    EXPECT_EQ(mp::PhoneViewFor(1).phase, Phase::LockedOut);
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::Claims);
    PressPhone(1, platform::kPhoneBuzzer);  // locked out
    EXPECT_FALSE(mp::answerOpen);
    PressPhone(0, platform::kPhoneBuzzer);
    PressPhone(0, 1 + CorrectSlot());
    EXPECT_GT(mp::players[0].score, 0);
    EXPECT_EQ(mp::PhoneViewFor(1).phase, Phase::Right);
    ASSERT_EQ(mp::PhoneViewFor(1).scores.size(), 2u);
    EXPECT_EQ(mp::PhoneViewFor(1).scores[1].points, -5);

    headless::PressKey(1, 27);  // Esc: the game ends on its results
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1500));
    EXPECT_EQ(mp::PhoneViewFor(0).phase, Phase::Result);
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

TEST_F(PhoneBuzzerTest, ThePhoneServerRunsOnlyOnTheBuzzerScreensWhilePhonesAreOn) {
    OpenSetUp();
    EXPECT_EQ(mp::RunningPhoneServer(), nullptr);  // off by default
    Interface::SetState(StateMainMenu, false);
    RunFor(100);

    SwitchPhonesOnInProfile();
    OpenSetUp();
    phones::PhoneServer* server = mp::RunningPhoneServer();
    ASSERT_NE(server, nullptr);
    EXPECT_NE(server->Port(), 0);
    EXPECT_EQ(server->Token().size(), 32u);
    EXPECT_NE(LogText().find("Phones: join at http://127.0.0.1:" + std::to_string(server->Port()) +
                             "/?t=" + server->Token()),
              std::string::npos);
    ClickControl(mp::kBackButton);
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
    EXPECT_EQ(mp::RunningPhoneServer(), nullptr);
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
