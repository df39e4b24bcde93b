#include "button_face.h"

#include "frame/interface.h"

namespace button_face {

int RowFor(const Control& button, int32_t pressedBy) {
    if (button.GetFlags() & Control::kDisabled) return 3;
    if (!button.HasFocus()) return 0;
    return pressedBy != 0 ? 2 : 1;
}

void PaintCell(Control& button, const gfx::Surface& strip, int column, int row) {
    gfx::Surface* face = button.Picture();
    if (!face) return;
    const int width = button.Width(), height = button.Height();
    // The copy is clipped to the strip: a picture reloaded smaller is never read past its end.
    gfx::CopyOpaque(*face, 0, 0, width, height, strip, column * width, row * height);
    if (button.GetFlags() & Control::kFramed) {
        gfx::Canvas canvas(*face);
        button.DrawFrame(canvas);
    }
}

void PaintText(Control& button, const char* text) {
    gfx::Surface* face = button.Picture();
    if (!face) return;
    gfx::Canvas canvas(*face);
    const uint32_t fill = Interface::FillColor();
    canvas.FillRect({0, 0, face->width, face->height}, fill);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Opaque);
    canvas.SetBackgroundColor(fill);
    canvas.SetTextColor(button.TextColor());
    canvas.TextOut(4, 4, text);
    button.DrawFrame(canvas);
}

}  // namespace button_face
