// A whole game set up at the main menu, with the moves of the buzzer game: rows, names and
// keys on the set-up screen, claims by the players' keys, answers by F1..F3.
#pragma once

#include "controls/animated_picture.h"
#include "controls/edit_field.h"
#include "controls/keyboard_picker.h"
#include "controls/label.h"
#include "game_fixture.h"
#include "multi/multi_player.h"
#include "multi/multi_state.h"
#include "quiz/quiz_state.h"

#include <cstring>
#include <string>

namespace game_testing {

class MultiPlayerTest : public GameTest {
protected:
    static constexpr uint32_t kKeyA = 30;
    static constexpr uint32_t kKeyL = 38;
    static constexpr uint32_t kKeyM = 50;

    void SetUp() override {
        MpResetState();
        GameTest::SetUp();
        GoToMainMenu();
    }

    // One 44-byte record of users2.dat.
    static std::string Record(const char* name, int32_t key, bool active) {
        std::string bytes(44, '\0');
        std::memcpy(bytes.data(), name, std::min<std::size_t>(std::strlen(name), 28));
        for (int i = 0; i < 4; ++i) {
            bytes[28 + i] = static_cast<char>(static_cast<uint32_t>(key) >> (8 * i));
            bytes[32 + i] = static_cast<char>(i == 0 ? 1 : 0);
        }
        bytes[40] = active ? 1 : 0;
        return bytes;
    }
    std::string PlayersFile() const { return dir.Read("home/System/users2.dat"); }

    void OpenSetUp() {
        Interface::SetState(StateMultiSetUp, false);
        RunFor(100);
    }
    void SwitchRow(int row) {
        ClickControl(multi::kFirstSelectSwitch + row);
        RunFor(1000);
    }
    void TypeName(int row, const std::string& name) {
        ClickControl(multi::kFirstNameField + row);
        headless::TypeText(std::string(9, '\b') + name + "\r");
        RunFor(100);
    }
    // Opens the row's keyboard, presses the key and waits for the keyboard to close.
    void ChooseKey(int row, uint32_t scan) {
        ClickControl(Shown(multi::kFirstKeyButton + row) ? multi::kFirstKeyButton + row
                                                         : multi::kFirstKeyPicture + row);
        headless::PressKey(scan);
        RunFor(1300);
    }
    KeyboardPicker* Keyboard() const {
        return dynamic_cast<KeyboardPicker*>(Interface::FindControl(multi::kKeyboard));
    }
    // Two players ready in rows 0 and 1 (keys A and L unless given), from the file, then Next
    // and Start.
    void StartTwoPlayerGame(int32_t key0 = kKeyA, int32_t key1 = kKeyL) {
        dir.Write("home/System/users2.dat",
                  Record("Ada", key0, true) + Record("Bob", key1, true) + std::string(132, '\0'));
        OpenSetUp();
        ClickControl(multi::kNextButton);
        // Phone rows without a connected phone are warned about once; the second Next plays.
        if (Interface::GetState() == StateMultiSetUp) ClickControl(multi::kNextButton);
        ASSERT_EQ(Interface::GetState(), StateMultiGame);
        RunFor(100);
        ClickControl(multi::kStartButton);
    }
    // Runs until the claim phase is open and its clock started.
    void WaitForClaims() {
        for (int t = 0; t < 8000 && !multi::claimOpen; t += 27) Frame();
        Frame();
    }
    void Buzz(uint32_t scan) {
        headless::PressKey(scan);
        Frame();
    }
    void Answer(int slot) {
        headless::PressKey(0x3B + slot);  // F1..F3
        Frame();
    }
    int CorrectSlot() const { return multiQuiz->correctSlot[multiQuiz->current]; }
    std::string LabelText(int32_t id) const {
        auto* label = dynamic_cast<Label*>(Interface::FindControl(id));
        return label ? label->Text() : "";
    }
    uint32_t LabelColour(int32_t id) const {
        const Control* label = Interface::FindControl(id);
        return label ? label->TextColor() : 0xDEAD;
    }
    int ShownFrame(int32_t id) const {
        auto* picture = dynamic_cast<AnimatedPicture*>(Interface::FindControl(id));
        return picture ? picture->CurrentFrame() : -1;
    }
};

}  // namespace game_testing
