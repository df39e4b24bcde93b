#include "animated_button.h"

#include "button_face.h"
#include "companions.h"
#include "frame/interface.h"
#include "platform/platform.h"

#include <algorithm>

uint8_t browserAnswerShown = 1;

namespace {

constexpr std::size_t kMaxName = 260;

struct ButtonCompanion {
    int32_t button;
    int32_t companion;
};
constexpr ButtonCompanion kCompanions[] = {
    {2, 50},    {3, 48},    {4, 51},    {5, 49},    {6, 47},    {257, 271}, {258, 272}, {259, 55},
    {525, 55},  {526, 67},  {553, 602}, {554, 603}, {555, 604}, {556, 605}, {557, 606},
    {775, 55},  {816, 819}, {817, 819}, {818, 819},
};
// The browser's next button switches between two hint pictures.
constexpr int32_t kBrowserNext = 1029;
constexpr int32_t kBrowserNextHint = 1043;
constexpr int32_t kCheckHint = 68;
// The score screen's buttons hide this hint when released.
constexpr int32_t kScoreHint = 819;

int32_t CompanionOf(int32_t id) {
    for (const ButtonCompanion& entry : kCompanions) {
        if (entry.button == id) return entry.companion;
    }
    return -1;
}

void ShowBrowserHints() {
    if (browserAnswerShown == 1) {
        companions::Show(kBrowserNextHint);
        companions::Hide(kCheckHint);
    } else {
        companions::Hide(kBrowserNextHint);
        companions::Show(kCheckHint);
    }
}

// Each hot key also answers to the digit of the main keyboard and of the keypad.
struct HotKeyScanCodes {
    int32_t functionKey;
    int32_t digit;
    int32_t keypad;
};
constexpr HotKeyScanCodes kHotKeys[] = {{0x3B, 0x02, 0x4F}, {0x3C, 0x03, 0x50}, {0x3D, 0x04, 0x51}};

}  // namespace

int AnimatedButton::SetUp(int x, int y, const char* pictureName, const char* animationName,
                          int32_t frames, float framePeriodSeconds, int32_t options,
                          int32_t accelerator, uint32_t flags) {
    PictureButton::SetUp(x, y, pictureName, accelerator, flags);
    animationName_ = std::string(animationName ? animationName : "").substr(0, kMaxName);
    options_ = options;
    animation_.frames = frames;
    animation_.periodMs = Animation::PeriodMs(framePeriodSeconds);
    animation_.shownFrame = -1;
    animation_.currentFrame = 0;
    return Interface::LoadStrip(&animationStrip_, animationName_.c_str(), nullptr, nullptr);
}

void AnimatedButton::StartAnimation(int32_t mode, bool loop) {
    const uint32_t now = platform::GetTickCount();
    const uint32_t period = static_cast<uint32_t>(animation_.periodMs);
    // A forward run goes on from the current frame; backward and ping-pong runs start
    // "frames minus current" into their cycle.
    const int32_t framesIn = mode == kAnimationForward
                                 ? animation_.currentFrame
                                 : animation_.frames - animation_.currentFrame;
    animation_.startTick = now - static_cast<uint32_t>(framesIn) * period;
    animation_.mode = mode;
    animation_.loop = loop;
    animation_.running = true;
}

void AnimatedButton::SetFrame(int32_t frame) {
    animation_.currentFrame = std::max(0, std::min(frame, animation_.Frames() - 1));
}

void AnimatedButton::Halt(uint32_t flags) {
    animating_ = false;
    animation_.currentFrame = 0;
    SetFlags(flags);
}

void AnimatedButton::Render() {
    if (!animating_) {
        animation_.shownFrame = -1;  // the face no longer shows an animation frame
        PictureButton::Render();
        return;
    }
    if (!Picture()) return;
    const Animation::Step step = animation_.Advance(platform::GetTickCount());
    if (step.finished && animation_.mode != kAnimationForward) {
        // Leaving is over: back to the static look, ready to enter again from frame 0.
        animating_ = false;
        animation_.currentFrame = 0;
        animation_.shownFrame = -1;
        PictureButton::Render();
        return;
    }
    // Without both pictures the button keeps its static (or text) face.
    if (!strip_ || !animationStrip_) {
        PictureButton::Render();
        return;
    }
    if (step.redraw) button_face::PaintCell(*this, *animationStrip_, animation_.currentFrame, 0);
}

void AnimatedButton::Update() {
    if (animating_) Render();
}

bool AnimatedButton::IsHotKey(int32_t scanCode) const {
    for (const HotKeyScanCodes& keys : kHotKeys) {
        if (hotKey_ == keys.functionKey &&
            (scanCode == keys.functionKey || scanCode == keys.digit || scanCode == keys.keypad)) {
            return true;
        }
    }
    return false;
}

bool AnimatedButton::IsPointerOverHotAreas() const {
    if (!(GetFlags() & kHotAreas)) return IsPointerIn(Bounds());
    return IsPointerIn(HotArea1()) || IsPointerIn(HotArea2());
}

void AnimatedButton::ShowCompanions() const {
    if (GetId() == kBrowserNext) {
        ShowBrowserHints();
        return;
    }
    if (const int32_t companion = CompanionOf(GetId()); companion >= 0) companions::Show(companion);
}

void AnimatedButton::HideCompanions() const {
    if (GetId() == kBrowserNext) {
        companions::Hide(kBrowserNextHint);
        companions::Hide(kCheckHint);
        return;
    }
    if (const int32_t companion = CompanionOf(GetId()); companion >= 0) companions::Hide(companion);
}

void AnimatedButton::Enter() {
    if (!animating_ || hover_ != kEntered) {
        animating_ = true;
        hover_ = kEntered;
        StartAnimation((options_ & kOptionPingPong) ? kAnimationPingPong : kAnimationForward,
                       options_ & kOptionLoop);
    }
    Interface::SetFocus(this);
    ShowCompanions();
}

void AnimatedButton::Leave() {
    if (animating_ && hover_ != kLeft) {
        hover_ = kLeft;
        StartAnimation((options_ & kOptionPingPong) ? kAnimationPingPong : kAnimationBackward,
                       false);
    }
    if (HasFocus()) Interface::SetFocus(int32_t{0});
    HideCompanions();
}

// The left button let go over the button: play the release animation from near its end.
void AnimatedButton::Release() {
    pressedBy_ = 0;
    animating_ = true;
    Render();
    hover_ = kEntered;
    if (options_ & kOptionPingPong) {
        SetFrame(animation_.frames - 1);
        StartAnimation(kAnimationPingPong, options_ & kOptionLoop);
    } else {
        SetFrame(animation_.frames - 2);
        StartAnimation(kAnimationForward, options_ & kOptionLoop);
    }
}

void AnimatedButton::HandleInput(int32_t code, int32_t value, int32_t* handled) {
    if (controlsFrozen || (GetFlags() & (kHidden | kDisabled)) || !*handled) return;
    const int32_t id = GetId();
    switch (code) {
        case Interface::kInputChar:
            if (IsPressCharacter(value)) {
                Interface::SetFocus(this);
                pressedBy_ = value;
                Render();
            }
            break;
        case Interface::kInputCharUp:
            if (pressedBy_ > 0 && value == pressedBy_) {
                if (!IsPointerIn(Bounds())) Interface::SetFocus(int32_t{0});
                pressedBy_ = 0;
                Render();
                Interface::ReportControlEvent(this, kEventReleased, *handled);
            }
            break;
        case Interface::kInputLeftDown:
        case Interface::kInputDoubleClick:
            if (IsPointerIn(Bounds())) {
                pressedBy_ = -1;
                StopAnimation();
                animating_ = false;
                Render();
                *handled = 0;
                if (id == kBrowserNext) ShowBrowserHints();
            }
            break;
        case Interface::kInputLeftUp:
            if (IsPointerIn(Bounds()) && pressedBy_ == -1) {
                Release();
                // The game may tear this button down while it handles the event: only
                // locals are used after the report.
                if (IsPointerIn(Bounds())) {
                    Interface::ReportControlEvent(this, kEventReleased, *handled);
                    *handled = 0;
                }
                if (id == 816 || id == 817 || id == 818) companions::Hide(kScoreHint);
                if (id == kBrowserNext) ShowBrowserHints();
            }
            break;
        case Interface::kInputMouseMove:
            if (IsPointerOverHotAreas()) {
                Enter();
                *handled = 0;
            } else {
                Leave();
            }
            break;
        case Interface::kInputKeyDown:
            if (IsHotKey(value)) {
                animating_ = false;
                pressedBy_ = -1;
                Interface::SetFocus(this);
                Render();
                *handled = 0;
            }
            break;
        case Interface::kInputKeyUp:
            if (IsHotKey(value)) {
                // pressedBy stays: the button keeps its pressed row while it has the focus.
                if (pressedBy_ != 0) Interface::ReportControlEvent(this, kEventReleased, *handled);
                *handled = 0;
            }
            break;
        default:
            break;
    }
}
