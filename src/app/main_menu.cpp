#include "main_menu.h"

#include "frame/interface.h"
#include "platform/platform.h"
#include "screens/shared_fonts.h"
#include "scores/score_state.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"
#include "sound/sound_control.h"

namespace screens {

namespace {

enum MainMenuId : int32_t {
    kSingleButton = 2,
    kMultiButton = 3,
    kScoresButton = 4,
    kBrowserButton = 5,
    kClassButton = 6,
    kMultiHint = 48,
    kBrowserHint = 49,
    kSingleHint = 50,
    kScoresHint = 51,
};

constexpr uint32_t kHiddenPersistent = Control::kHidden | Control::kPersistent;

void BuildFrameButtons() {
    AddButton(kExitButton, 762, 575, "Bitmaps\\MMenu\\exit_b", Control::kPersistent);
    AddButton(kCreditsButton, 13, 575, "Bitmaps\\MMenu\\c_b", Control::kPersistent);
    AddButton(kHelpButton, 40, 575, "Bitmaps\\MMenu\\help_b", kHiddenPersistent);
    AddButton(kMinimiseButton, 735, 575, "Bitmaps\\MMenu\\min_b", Control::kPersistent);
    auto* soundControl = new sound::SoundControl(kSoundControl, kSoundHint);
    soundControl->SetUp(682, 575, "Bitmaps\\MMenu\\snd_b", Control::kPersistent);
    AddToScreen(soundControl);
    AddButton(kAdvertButton, 577, 408, "Bitmaps\\rekl_b", 0);
    AddCentredHint(kBackHint, "Bitmaps\\tt_back", kHiddenPersistent);
    AddCentredHint(kCreditsHint, "Bitmaps\\tt_cred", kHiddenPersistent);
    AddCentredHint(kMinimiseHint, "Bitmaps\\tt_min", kHiddenPersistent);
    AddCentredHint(kExitHint, "Bitmaps\\tt_end", kHiddenPersistent);
    AddCentredHint(kHelpHint, "Bitmaps\\tt_help", kHiddenPersistent);
    AddCentredHint(kCheckHint, "Bitmaps\\tt_check", kHiddenPersistent);
    AddCentredHint(kSoundHint, "Bitmaps\\tt_snd", kHiddenPersistent);
}

// The class game's entry: a label button on the menu's free corner, the next step up the
// diagonal the other entries climb.
class MenuLabel : public Control {
public:
    MenuLabel() : Control(kClassButton) { SetFlags(kTransparent); }
    void Render() override {
        if (!Picture()) return;
        gfx::Canvas canvas(*Picture());
        canvas.FillRect({0, 0, Width(), Height()}, IsPointerIn() ? 0x3A8AD8 : 0x2A5A98);
        canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
        canvas.SetTextColor(0xFFFFFF);
        canvas.SelectFont(FontBold20);
        const std::string label = platform::Utf8ToCp1250("Celá třída");
        const gfx::Size size = canvas.TextExtent(label);
        canvas.TextOut((Width() - size.width) / 2, (Height() - size.height) / 2, label);
    }
    void HandleInput(int32_t code, int32_t, int32_t* handled) override {
        if (code == Interface::kInputMouseMove) Render();
        // `handled` stays 1 until a control takes the input.
        if (code != Interface::kInputLeftDown || !IsPointerIn() || controlsFrozen || !*handled) return;
        *handled = 0;
        Interface::ReportControlEvent(this, 1, 1);
    }
};

void AddClassEntry() {
    auto* entry = AddToScreen(new MenuLabel());
    if (!entry) return;
    entry->SetPosition(660, 60);
    entry->SetSize(130, 44);
}

}  // namespace

void BuildMainMenu() {
    Interface::RemoveAllControls(true);
    scores::scoreViewRequest = -1;
    scores::newScoreRow = -1;
    Interface::SetBackground("Bitmaps\\main_bg", false);
    BuildFrameButtons();
    AddMenuButton(kBrowserButton, 67, 341, "Bitmaps\\MMenu\\coc_b", "Bitmaps\\MMenu\\coc_ba", 52);
    AddMenuButton(kScoresButton, 219, 265, "Bitmaps\\MMenu\\tt_b", "Bitmaps\\MMenu\\tt_ba", 54);
    AddMenuButton(kMultiButton, 370, 191, "Bitmaps\\MMenu\\tp_b", "Bitmaps\\MMenu\\tp_ba", 51);
    AddMenuButton(kSingleButton, 520, 116, "Bitmaps\\MMenu\\op_b", "Bitmaps\\MMenu\\op_ba", 51);
    AddClassEntry();
    AddCentredHint(kSingleHint, "Bitmaps\\MMenu\\op_ttip", Control::kHidden);
    AddCentredHint(kMultiHint, "Bitmaps\\MMenu\\tp_ttip", Control::kHidden);
    AddCentredHint(kBrowserHint, "Bitmaps\\MMenu\\coc_ttip", Control::kHidden);
    AddCentredHint(kScoresHint, "Bitmaps\\MMenu\\tt_ttip", Control::kHidden);
    AddPicture(kAdvertPicture, 0, 0, "Bitmaps\\reklama", 1, 0.0f, Control::kHidden);
}

void MainMenuOnControlEvent(int32_t id, int32_t event) {
    if (event != 1) return;
    switch (id) {
        case kAdvertButton:
            if (IsHidden(kAdvertPicture)) {
                ShowControl(kAdvertPicture);
                controlsFrozen = 1;
            }
            break;
        case kSingleButton: Interface::SetState(StateSingleMenu, false); break;
        case kMultiButton: Interface::SetState(StateMultiSetUp, false); break;
        case kScoresButton: Interface::SetState(StateScores, false); break;
        case kBrowserButton: Interface::SetState(StateBrowser, false); break;
        case kClassButton: Interface::SetState(StateClassLobby, false); break;
        default: break;
    }
}

}  // namespace screens
