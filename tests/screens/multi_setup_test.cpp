// The buzzer game's set-up screen played through the headless backend: rows, names, keys
// on the on-screen keyboard, users2.dat and the way into the game.
#include "multi/player_keys.h"
#include "multi_game_fixture.h"

#include <filesystem>

using game_testing::MultiPlayerTest;
namespace mp = multi;

TEST_F(MultiPlayerTest, AFreshInstallationSetsUpTwoPlayersFromRowsZeroAndTwo) {
    OpenSetUp();
    EXPECT_TRUE(std::filesystem::exists(dir / "home/System/users2.dat"));
    EXPECT_EQ(PlayersFile().size(), 0u);
    for (int row = 0; row < 5; ++row) {
        EXPECT_FALSE(Shown(mp::kFirstAvatar + row)) << row;
        EXPECT_TRUE(Interface::FindControl(mp::kFirstNameField + row)->GetFlags() &
                    Control::kDisabled);
    }
    SaveScreenshot("multi_setup_fresh");
    SwitchRow(0);
    EXPECT_TRUE(Shown(mp::kFirstAvatar));
    EXPECT_TRUE(Shown(mp::kFirstKeyButton));
    EXPECT_EQ(Interface::GetFocusId(), mp::kFirstNameField);
    TypeName(0, "Ada");
    SwitchRow(2);
    ClickControl(mp::kNextButton);  // row 2 has no name yet
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
    EXPECT_EQ(PlayersFile().size(), 0u);
    TypeName(2, "Cyril");
    ClickControl(mp::kNextButton);  // no keys yet
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
    EXPECT_EQ(PlayersFile().size(), 0u);

    ClickControl(mp::kFirstKeyButton);
    EXPECT_TRUE(Shown(mp::kKeyboard));
    EXPECT_TRUE(Interface::FindControl(mp::kBackButton)->GetFlags() & Control::kDisabled);
    headless::PressKey(kKeyA);
    Frame();
    SaveScreenshot("multi_setup_keyboard");
    RunFor(1300);  // the keyboard closes a second after the choice
    EXPECT_FALSE(Shown(mp::kKeyboard));
    EXPECT_TRUE(Shown(mp::kFirstKeyPicture));
    EXPECT_FALSE(Shown(mp::kFirstKeyButton));
    EXPECT_EQ(mp::players[0].key, static_cast<int32_t>(kKeyA));

    // Row 2 cannot take row 0's key; a free key is taken.
    ClickControl(mp::kFirstKeyButton + 2);
    headless::PressKey(kKeyA);
    RunFor(1300);
    EXPECT_TRUE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[2].key, -1);
    headless::PressKey(kKeyM);
    RunFor(1300);
    EXPECT_FALSE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[2].key, static_cast<int32_t>(kKeyM));
    ASSERT_NE(Keyboard(), nullptr);
    EXPECT_GT(Keyboard()->GetKeyNumber(2), 0);
    EXPECT_EQ(ShownFrame(mp::kFirstKeyPicture + 2), Keyboard()->GetKeyNumber(2));
    SaveScreenshot("multi_setup_ready");

    ClickControl(mp::kNextButton);
    ASSERT_EQ(Interface::GetState(), StateMultiGame);
    EXPECT_EQ(PlayersFile().size(), 220u);
    EXPECT_EQ(PlayersFile().substr(88, 5), std::string("Cyril"));  // rows keep their places
    EXPECT_EQ(mp::playerCount, 2);
    EXPECT_STREQ(mp::players[0].name, "Ada");
    EXPECT_STREQ(mp::players[1].name, "Cyril");
    EXPECT_EQ(mp::players[1].key, static_cast<int32_t>(kKeyM));
    RunFor(100);
    EXPECT_EQ(LabelText(mp::kFirstNameLabel + 1), "Cyril");
    EXPECT_FALSE(Exists(mp::kFirstNameLabel + 2));
    EXPECT_FALSE(Exists(mp::kFirstScoreLabel + 2));
}

TEST_F(MultiPlayerTest, KeysStayWithOnePlayerAndReopeningTheKeyboardFreesTheRowsOwnKey) {
    dir.Write("home/System/users2.dat", Record("Ada", kKeyA, true) + Record("Bob", kKeyL, true) +
                                            std::string(132, '\0'));
    OpenSetUp();
    EXPECT_TRUE(Shown(mp::kFirstKeyPicture));
    EXPECT_EQ(ShownFrame(mp::kFirstKeyPicture), Keyboard()->GetKeyNumber(0));
    ChooseKey(0, kKeyL);  // Bob's
    EXPECT_TRUE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[0].key, static_cast<int32_t>(kKeyA));
    headless::PressKey(kKeyA);  // the row's own key is free again
    RunFor(1300);
    EXPECT_FALSE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[0].key, static_cast<int32_t>(kKeyA));
    // Clearing a name gives up the key; the name of a row switched off is kept.
    TypeName(1, "");
    EXPECT_EQ(mp::players[1].key, -1);
    EXPECT_TRUE(Shown(mp::kFirstKeyButton + 1));
    SwitchRow(1);
    ClickControl(mp::kShowAnswerSwitch);
    EXPECT_EQ(dir.Read("home/System/ini2.dat"), std::string("\x01\0\0\0", 4));
    ClickControl(mp::kBackButton);
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
    const std::string saved = PlayersFile();
    ASSERT_EQ(saved.size(), 220u);
    EXPECT_EQ(saved.substr(0, 4), std::string("Ada\0", 4));
    EXPECT_EQ(saved[44 + 40], 0);  // row 1 off
}

TEST_F(MultiPlayerTest, AShortOrGarbageFileStillBuildsTheScreenAndIsRewrittenWhole) {
    dir.Write("home/System/users2.dat", std::string(60, '\xFF'));
    OpenSetUp();
    EXPECT_EQ(std::strlen(mp::players[0].name), 27u);  // cut inside the field
    EXPECT_TRUE(Shown(mp::kFirstAvatar));
    EXPECT_TRUE(Shown(mp::kFirstKeyButton));  // no key
    EXPECT_FALSE(Shown(mp::kFirstAvatar + 1));  // the half record is an empty row
    ClickControl(mp::kNextButton);  // the row has no key
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
    ClickControl(mp::kBackButton);
    const std::string saved = PlayersFile();
    ASSERT_EQ(saved.size(), 220u);
    EXPECT_EQ(saved[27], '\0');
    EXPECT_EQ(saved.substr(44), std::string(44, '\0').replace(28, 8, 8, '\xFF') +
                                    std::string(44, '\0').replace(28, 8, 8, '\xFF') +
                                    std::string(44, '\0').replace(28, 8, 8, '\xFF') +
                                    std::string(44, '\0').replace(28, 8, 8, '\xFF'));
}

TEST_F(MultiPlayerTest, AStoredKeyThatNoKeyboardPadOrPhoneCanGiveCountsAsNone) {
    // 0x20001 is a phone's first answer button, never a buzzer.
    dir.Write("home/System/users2.dat", Record("Ada", 0x20001, true) +
                                            Record("Bob", 0x100FF, true) + std::string(132, '\0'));
    OpenSetUp();
    EXPECT_FALSE(mp::HasKey(mp::players[0]));
    EXPECT_FALSE(mp::HasKey(mp::players[1]));
    ClickControl(mp::kNextButton);
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
}

TEST_F(MultiPlayerTest, AnUnwritablePlayersFileEndsTheProgramAndKeepsTheOldFile) {
    std::filesystem::create_directories(dir / "home/System/users2.dat");
    OpenSetUp();
    EXPECT_EXIT(ClickControl(mp::kBackButton), ::testing::ExitedWithCode(255), "");
    EXPECT_NE(LogText().find("Cannot open users data file! :o("), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "home/System/users2.dat"));
}
