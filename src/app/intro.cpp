#include "intro.h"

#include "frame/interface.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"

#include <cstdio>

namespace screens {

namespace {

enum IntroId : int32_t {
    kFirstFramePicture = 7,
    kLogo = 37,
    kQuarter2 = 38,
    kQuarter3 = 39,
    kQuarter4 = 40,
    kQuarter1 = 41,
    kTimer = 62,
    kSlogan = 63,
    kTitle = 64,
    kSmallLogo = 65,
};

// The frame pictures take ids from 7 up; the fixed pictures start at 37.
constexpr int kMaxFramePictures = kLogo - kFirstFramePicture;

// Timer event codes of the sequence.
enum IntroEvent : int32_t {
    kShowSlogan = 0,
    kShowQuarter3 = 2,
    kShowQuarter4 = 3,
    kShowQuarter1 = 4,
    kShowSmallLogo = 5,
    kShowTitle = 6,
    kToMainMenu = 7,
    kFirstFrame = 8,
};

const quiz::IntroLayout* introLayout = nullptr;
int32_t introStep = 0;

int FramePictureCount() {
    if (!introLayout) return 0;
    return introLayout->count < kMaxFramePictures ? introLayout->count : kMaxFramePictures;
}

void Schedule(float seconds, int32_t code) {
    if (auto* timer = dynamic_cast<EventTimer*>(Interface::FindControl(kTimer))) {
        timer->Schedule(seconds, code);
    }
}

// False when the pictures cannot be loaded: the fade would never report its end.
bool PlayFade(int32_t id, int x, int y, const char* first, const char* second, int frames) {
    auto* fade = new FadePicture(id);
    if (!fade->SetUp(x, y, first, second, frames, 0.05f, 0)) {
        delete fade;
        return false;
    }
    if (AddToScreen(fade)) fade->StartAnimation(1, false);
    return true;
}

void ShowLogo() {
    AddPicture(kLogo, 52, 34, "Bitmaps\\Intro\\i_logo", 1, 0.0f, 0);
    Schedule(2.0f, kShowSlogan);
}

void OnFramePictureFinished();

// Frame picture k: "Bitmaps\Intro\" + prefix + the number k + 1 in two digits. One that
// cannot be shown is passed over, so the intro never waits for it.
void PlayFramePicture(int k) {
    const char* prefix = introLayout ? introLayout->prefix : "";
    const quiz::Position at = introLayout && k < introLayout->count ? introLayout->positions[k]
                                                                     : quiz::Position{};
    char first[300], second[300];
    std::snprintf(first, sizeof first, "Bitmaps\\Intro\\%s%02d", prefix, k + 1);
    std::snprintf(second, sizeof second, "Bitmaps\\Intro\\%s%02d_b", prefix, k + 1);
    introStep = k;
    if (!PlayFade(kFirstFramePicture + k, at.x, at.y, first, second, 10)) OnFramePictureFinished();
}

void OnFramePictureFinished() {
    if (introStep < FramePictureCount() - 1) {
        PlayFramePicture(introStep + 1);
        return;
    }
    ShowLogo();
}

void ShowQuarter2() {
    AddPicture(kQuarter2, 379, 0, "Bitmaps\\Intro\\q2", 1, 0.0f, 0);
    Schedule(0.5f, kShowQuarter3);
}

void OnTimer(int32_t code) {
    switch (code) {
        case kFirstFrame:
            // A layout without frame positions goes straight on to the titles.
            if (FramePictureCount() > 0) PlayFramePicture(0);
            else ShowLogo();
            break;
        case kShowSlogan:
            HideControl(kLogo);
            if (!PlayFade(kSlogan, 6, 1, "Bitmaps\\Intro\\i_sl", "Bitmaps\\Intro\\i_sl_a", 10)) {
                ShowQuarter2();
            }
            break;
        case kShowQuarter3:
            AddPicture(kQuarter3, 0, 272, "Bitmaps\\Intro\\q3", 1, 0.0f, 0);
            Schedule(0.5f, kShowQuarter4);
            break;
        case kShowQuarter4:
            AddPicture(kQuarter4, 385, 272, "Bitmaps\\Intro\\q4", 1, 0.0f, 0);
            Schedule(0.5f, kShowQuarter1);
            break;
        case kShowQuarter1:
            AddPicture(kQuarter1, 0, 0, "Bitmaps\\Intro\\q1", 1, 0.0f, 0);
            Schedule(0.5f, kShowTitle);
            break;
        case kShowTitle:
            PlayFade(kTitle, 0, 214, "Bitmaps\\Intro\\i_tl", "Bitmaps\\Intro\\i_tl_b", 15);
            Schedule(2.0f, kShowSmallLogo);
            break;
        case kShowSmallLogo:
            AddPicture(kSmallLogo, 559, 475, "Bitmaps\\Intro\\logo", 1, 0.0f, 0);
            Schedule(7.0f, kToMainMenu);
            break;
        case kToMainMenu: Interface::SetState(StateMainMenu, false); break;
        default: break;
    }
}

}  // namespace

void SetIntroLayout(const quiz::IntroLayout* layout) { introLayout = layout; }

void ResetIntroState() { introStep = 0; }

void BuildIntro() {
    AddTimer(kTimer);
    Interface::SetBackground("Bitmaps\\Intro\\i_bg", false);
    Schedule(1.0f, kFirstFrame);
}

void IntroOnControlEvent(int32_t id, int32_t event) {
    if (id == kTimer) {
        OnTimer(event);
    } else if (event == 4 && id == kFirstFramePicture + introStep) {
        OnFramePictureFinished();
    } else if (event == 4 && id == kSlogan) {
        ShowQuarter2();
    }
}

}  // namespace screens
