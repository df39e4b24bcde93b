#include "animated_picture.h"

#include "companions.h"
#include "frame/interface.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxName = 260;

// Pictures whose hint pictures follow the pointer: shown while it is over them (only the
// avatars) and hidden when it is off.
struct PictureCompanions {
    int32_t picture;
    int32_t first;
    int32_t second;  // -1 for none
    bool shownOver;
};
constexpr PictureCompanions kCompanions[] = {
    {298, 299, 300, false},  {607, 608, 609, false}, {1033, 1041, 1044, false},
    {568, 602, -1, true},    {569, 603, -1, true},   {570, 604, -1, true},
    {571, 605, -1, true},    {572, 606, -1, true},
};

const PictureCompanions* CompanionsOf(int32_t id) {
    for (const PictureCompanions& entry : kCompanions) {
        if (entry.picture == id) return &entry;
    }
    return nullptr;
}

void HideCompanions(int32_t id) {
    if (const PictureCompanions* entry = CompanionsOf(id)) {
        companions::Hide(entry->first);
        if (entry->second >= 0) companions::Hide(entry->second);
    }
}

void ShowCompanionsOver(int32_t id) {
    const PictureCompanions* entry = CompanionsOf(id);
    if (entry && entry->shownOver) companions::Show(entry->first);
}

// A press on an avatar hides its hint while the button is down.
void HideCompanionsOnPress(int32_t id) {
    const PictureCompanions* entry = CompanionsOf(id);
    if (entry && entry->shownOver) companions::Hide(entry->first);
}

}  // namespace

int AnimatedPicture::SetUp(int x, int y, const char* stripName, int32_t frames,
                           float framePeriodSeconds, uint32_t flags) {
    SetPosition(x, y);
    SetFlags(flags);
    animation_.running = false;
    name_ = std::string(stripName ? stripName : "").substr(0, kMaxName);
    animation_.frames = std::max(frames, 1);
    animation_.periodMs = Animation::PeriodMs(framePeriodSeconds);
    int32_t width = 0, height = 0;
    if (!Interface::LoadStrip(&strip_, name_.c_str(), &width, &height)) return 0;
    animation_.shownFrame = -1;
    animation_.currentFrame = 0;
    SetSize(width / animation_.frames, height);
    armed_ = false;
    Render();
    return 1;
}

void AnimatedPicture::StartAnimation(int32_t mode, bool loop) {
    animation_.startTick = platform::GetTickCount();
    animation_.mode = mode;
    animation_.loop = loop;
    animation_.running = true;
}

void AnimatedPicture::SetFrame(int32_t frame) {
    animation_.currentFrame = std::clamp(frame, 0, animation_.Frames() - 1);
}

void AnimatedPicture::Render() {
    gfx::Surface* face = Picture();
    if (!face || !strip_) return;
    const Animation::Step step = animation_.Advance(platform::GetTickCount());
    if (step.redraw) {
        gfx::CopyOpaque(*face, 0, 0, Width(), Height(), *strip_,
                        animation_.currentFrame * Width(), 0);
        if (GetFlags() & kFramed) {
            gfx::Canvas canvas(*face);
            DrawFrame(canvas);
        }
    }
    if (step.finished) ReportEnd();
}

void AnimatedPicture::ReportEnd() { Interface::ReportControlEvent(this, kEventAnimationEnded, 1); }

void AnimatedPicture::Refresh() {
    animation_.shownFrame = -1;
    Render();
}

int AnimatedPicture::Reload() {
    if (!CreatePicture()) return 0;
    strip_.reset();
    animation_.shownFrame = -1;
    int32_t width = Width(), height = Height();
    const int loaded = name_.empty()
                           ? Interface::LoadStrip(&strip_, nullptr, &width, &height)
                           : Interface::LoadStrip(&strip_, name_.c_str(), nullptr, nullptr);
    if (loaded) Render();
    return loaded;
}

void AnimatedPicture::Update() { Render(); }

void AnimatedPicture::HandleInput(int32_t code, int32_t, int32_t* handled) {
    if (controlsFrozen || !IsUsable() || !*handled) return;
    const int32_t id = GetId();
    switch (code) {
        case Interface::kInputLeftDown:
        case Interface::kInputDoubleClick:
            if (IsPointerOver()) {
                HideCompanionsOnPress(id);
                armed_ = true;
            } else {
                armed_ = false;
            }
            break;
        case Interface::kInputLeftUp:
            if (IsPointerOver() && armed_) {
                armed_ = false;
                Interface::ReportControlEvent(this, kEventClicked, 1);
            }
            break;
        case Interface::kInputMouseMove:
            if (IsPointerOver()) {
                ShowCompanionsOver(id);
                Interface::ReportControlEvent(this, kEventPointerOver, 1);
            } else {
                HideCompanions(id);
                Interface::ReportControlEvent(this, kEventPointerOff, 1);
            }
            break;
        default:
            break;
    }
}
