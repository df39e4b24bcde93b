#include "sound_control.h"

#include "controls/button_face.h"
#include "controls/companions.h"
#include "frame/interface.h"
#include "sound.h"

#include <algorithm>

namespace sound {

int SoundControl::SetUp(int x, int y, const char* pictureName, uint32_t flags) {
    SetPosition(x, y);
    SetFlags(flags);
    name_ = pictureName ? pictureName : "";
    Interface::LoadStrip(&strip_, name_.c_str(), nullptr, nullptr);
    SetSize(kWidth, kHeight);
    Render();
    return 1;
}

int SoundControl::FrameForSettings() {
    if (Muted()) return 0;
    return std::clamp((Volume() + kVolumeStep - 1) / kVolumeStep, 1, kBars);
}

void SoundControl::Render() {
    if (!Picture()) return;
    shownFrame_ = FrameForSettings();
    if (strip_) {
        button_face::PaintCell(*this, *strip_, shownFrame_, pointerOver_ ? 1 : 0);
    } else {
        button_face::PaintText(*this, Muted() ? "Ticho" : "Zvuk");
    }
}

int SoundControl::Reload() {
    if (!CreatePicture()) return 0;
    const int result = Interface::LoadStrip(&strip_, name_.c_str(), nullptr, nullptr);
    Render();
    return result;
}

void SoundControl::Update() {
    if (shownFrame_ != FrameForSettings()) Render();
}

// The speaker mutes and unmutes; a bar sets its volume and unmutes. The click that follows
// lets the players hear the new volume.
void SoundControl::Press(int x) {
    if (x < kSpeakerWidth) {
        ToggleMute();
    } else {
        const int barWidth = (kWidth - kSpeakerWidth) / kBars;
        const int bar = std::clamp((x - kSpeakerWidth) / barWidth + 1, 1, kBars);
        SetVolume(bar * kVolumeStep);
        if (Muted()) SetMuted(false);
    }
    PlaySound(SoundId::Click);
    Render();
}

void SoundControl::HandleInput(int32_t code, int32_t, int32_t* handled) {
    if (controlsFrozen || (GetFlags() & (kHidden | kDisabled))) return;
    const bool over = IsPointerIn(Bounds());
    if (code == Interface::kInputMouseMove && over != pointerOver_) {
        pointerOver_ = over;
        if (over) {
            companions::Show(hintId_);
        } else {
            companions::Hide(hintId_);
        }
        Render();
    }
    if (code == Interface::kInputLeftDown && over && *handled) {
        Press(Interface::MouseX() - X());
        *handled = 0;
    }
}

}  // namespace sound
