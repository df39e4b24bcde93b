// The window procedure, the message pump and the paced frame loop with its update and
// render passes.
#include "frame/control.h"
#include "frame_state.h"

#include <cstring>

namespace Interface {

using detail::State;

namespace {

void DispatchIfOpen(int32_t code, int32_t value) {
    if (!State().inputBlocked) DispatchInput(code, value);
}

void NotifyGame(int32_t code) {
    if (!State().onInput) return;
    int32_t handled = 1;
    State().onInput(code, 0, &handled);
}

void HandleActivate(uint32_t wParam) {
    detail::FrameState& s = State();
    const bool active = (wParam & 0xFFFF) != 0;
    if (active != s.active) {
        s.active = active;
        // Keys released while another window had the keyboard send no key-up here.
        s.heldKeys.reset();
        NotifyGame(active ? kInputActivated : kInputDeactivated);
    }
    const bool minimised = (wParam >> 16) != 0;
    if (minimised != s.minimised) {
        s.minimised = minimised;
        NotifyGame(minimised ? kInputMinimised : kInputRestored);
    }
}

void DispatchKeyDown(uint32_t lParam) {
    detail::FrameState& s = State();
    const uint32_t scan = platform::ScanCodeOf(lParam);
    s.repeatedKeyDown = (lParam & platform::kKeyPreviousStateBit) != 0 || s.heldKeys.test(scan);
    s.heldKeys.set(scan);
    DispatchIfOpen(kInputKeyDown, static_cast<int32_t>(scan));
    s.repeatedKeyDown = false;
}

}  // namespace

bool KeyDownIsRepeat() { return State().repeatedKeyDown; }
uint32_t LastPressStamp() { return State().pressStamp; }

void HandleMessage(const platform::Message& m) {
    detail::FrameState& s = State();
    switch (m.id) {
        case platform::kWmChar:
            DispatchIfOpen((m.lParam & platform::kKeyTransitionBit) ? kInputCharUp : kInputChar,
                           static_cast<int32_t>(m.wParam));
            break;
        case platform::kWmLButtonDown: DispatchIfOpen(kInputLeftDown, 0); break;
        case platform::kWmLButtonUp: DispatchIfOpen(kInputLeftUp, 0); break;
        case platform::kWmRButtonDown: DispatchIfOpen(kInputRightDown, 0); break;
        case platform::kWmRButtonUp: DispatchIfOpen(kInputRightUp, 0); break;
        case platform::kWmMouseMove:
            if (s.inputBlocked) break;
            s.mouseX = static_cast<int>(m.lParam & 0xFFFF) - detail::OriginX();
            s.mouseY = static_cast<int>(m.lParam >> 16) - detail::OriginY();
            DispatchInput(kInputMouseMove, 0);
            break;
        case platform::kWmKeyDown:
        case platform::kWmSysKeyDown: DispatchKeyDown(m.lParam); break;
        case platform::kWmPadButtonDown:
            // Pad keys lie above every scan code, so they reach the game as key presses.
            DispatchIfOpen(kInputKeyDown, static_cast<int32_t>(m.wParam));
            break;
        case platform::kWmPhoneButtonDown:
            // So do phone keys. They joined the queue in the order they reached the game (their
            // stamp's order), among the keyboard's and the pads' presses.
            s.pressStamp = m.lParam;
            DispatchIfOpen(kInputKeyDown, static_cast<int32_t>(m.wParam));
            break;
        case platform::kWmKeyUp:
        case platform::kWmSysKeyUp:
            s.heldKeys.reset(platform::ScanCodeOf(m.lParam));
            DispatchIfOpen(kInputKeyUp, static_cast<int32_t>(platform::ScanCodeOf(m.lParam)));
            break;
        case platform::kWmActivate: HandleActivate(m.wParam); break;
        case platform::kWmClose: s.quit = true; break;
        case platform::kWmPaint: s.repaintNeeded = true; break;
        case platform::kWmPresentationChanged: detail::StorePresentation(); break;
        case platform::kWmDropFile: NotifyGame(kInputFileDropped); break;
        case platform::kWmDestroy: platform::PostQuitMessage(0); return;
        default: break;
    }
    // Alt shortcuts (Alt+F4 included) do nothing: the system keys skip default handling.
    if (m.id != platform::kWmSysKeyDown && m.id != platform::kWmSysKeyUp) {
        platform::DefaultHandling(m);
    }
}

void PumpMessages() {
    platform::Message message;
    while (platform::PeekMessage(message)) {
        if (message.id == platform::kWmNull) break;
        HandleMessage(message);
        DestroyRetiredControls();
    }
    State().inputBlocked = false;
}

int Run() {
    detail::FrameState& s = State();
    if (!s.runStarted) {
        s.runStarted = true;
        s.startTick = platform::GetTickCount();
    }
    const uint32_t period = static_cast<uint32_t>(s.properties->framePeriodMs);
    while (!s.quit) {
        PumpMessages();
        const uint32_t now = platform::GetTickCount();
        const auto late = static_cast<int32_t>(now - s.elapsedPeriods * period - s.startTick);
        if (late > static_cast<int32_t>(period)) {
            s.elapsedPeriods = (now - s.startTick) / period;
            if ((s.active && !s.minimised) || s.properties->runWhenInactive) {
                Update();
                Render();
            }
        } else {
            platform::Sleep(10);
        }
    }
    return 0;
}

void RequestQuit() { State().quit = true; }
bool QuitRequested() { return State().quit; }

void Update() {
    if (State().onTick) State().onTick();
    for (Control* control : State().controls) {
        if (!control) break;
        control->Update();
    }
    DestroyRetiredControls();
}

namespace {

void PlaceHint(const Control& control) {
    detail::HintState& hint = State().hint;
    const detail::FrameState& s = State();
    gfx::Size size;
    MeasureText(control.GetHint(), nullptr, &size);
    hint.extent = size;
    hint.hoverStart = platform::GetTickCount();
    hint.x = s.mouseX + 16;
    hint.y = s.mouseY + 16;
    hint.placedAtX = s.mouseX;
    hint.placedAtY = s.mouseY;
    if (hint.x > kBufferWidth - size.width) hint.x = s.mouseX - size.width;
    if (hint.y > kBufferHeight - size.height) hint.y = s.mouseY - size.height;
}

// Follows the hovered control and the mouse; the hint's text when it is to be drawn now,
// else none.
const char* TrackHint() {
    detail::FrameState& s = State();
    detail::HintState& hint = s.hint;
    if (hint.hoveredId == -1) {
        for (Control* control : s.controls) {
            if (control && control->IsPointerIn()) {
                hint.hoveredId = control->GetId();
                PlaceHint(*control);
                break;
            }
        }
        return nullptr;
    }
    Control* control = FindControl(hint.hoveredId);
    if (!control || !control->IsPointerIn()) {
        hint.hoveredId = -1;
        return nullptr;
    }
    if (s.mouseX != hint.placedAtX || s.mouseY != hint.placedAtY) PlaceHint(*control);
    if (platform::GetTickCount() - hint.hoverStart < hint.delayMs || !control->GetHint()[0]) {
        return nullptr;
    }
    return control->GetHint();
}

void DrawHint(gfx::Canvas& canvas, const char* text) {
    const detail::HintState& hint = State().hint;
    canvas.SetTextColor(hint.textColor);
    canvas.SetBackgroundColor(hint.backgroundColor);
    canvas.TextOut(hint.x + 1, hint.y, text);
    canvas.SetPen(hint.borderColor);
    const int x = hint.x, y = hint.y, w = hint.extent.width, h = hint.extent.height;
    canvas.MoveTo(x, y);
    canvas.LineTo(x + w, y);
    canvas.LineTo(x + w, y + h);
    canvas.LineTo(x, y + h);
    canvas.LineTo(x, y);
}

void CountFrame() {
    detail::FrameState& s = State();
    const uint32_t now = platform::GetTickCount();
    if (!s.fpsStarted) {
        s.fpsStarted = true;
        s.fpsTick = now;
    }
    if (now - s.fpsTick < 1000) {
        ++s.fpsCount;
    } else {
        s.fpsShown = s.fpsCount;
        s.fpsCount = 0;
        s.fpsTick = now;
    }
}

void DrawBlackOnWhite(gfx::Canvas& canvas, const std::string& text) {
    canvas.SetTextColor(0x000000);
    canvas.SetBackgroundColor(0xFFFFFF);
    canvas.TextOut(0, 0, text.c_str());
}

void Compose(const detail::ScreenContents& contents) {
    detail::FrameState& s = State();
    gfx::Surface& back = *s.backBuffer;
    if (s.background) gfx::CopyOpaque(back, 0, 0, kBufferWidth, kBufferHeight, *s.background, 0, 0);
    for (Control* control : s.controls) {
        if (!control) break;
        control->Draw();
    }
    gfx::Canvas canvas(back);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Opaque);
    if (contents.hintShown) DrawHint(canvas, contents.hintText.c_str());
    if (s.properties->showFps) DrawBlackOnWhite(canvas, contents.fpsText);
    if (s.properties->showStatusLine) DrawBlackOnWhite(canvas, contents.statusLine);
}

}  // namespace

// The back buffer is composed and presented only when it would differ from what was last
// presented (or the window asked for a repaint): an idle screen costs next to nothing.
void Render() {
    detail::FrameState& s = State();
    if (!s.backBuffer) return;
    const char* hintText = TrackHint();
    CountFrame();
    detail::ScreenContents contents = detail::DescribeScreen(hintText);
    if (!s.repaintNeeded && contents == s.presented) return;
    Compose(contents);
    const gfx::Surface& back = *s.backBuffer;
    platform::Present(back.bits, back.width, back.height, back.Stride(), back.layout,
                      detail::OriginX(), detail::OriginY());
    s.presented = std::move(contents);
    s.repaintNeeded = false;
}

}  // namespace Interface
