#include "background_copy.h"

#include "frame/interface.h"

void CopyBackgroundUnder(const Control& control, gfx::Surface& face) {
    const gfx::Surface* background = Interface::Background();
    if (!background) Interface::Fatal("Can`t get background!", -1);
    gfx::CopyOpaque(face, 0, 0, face.width, face.height, *background, control.X(), control.Y());
}

void PrepareSeeThroughText(const Control& control, gfx::Surface& face, gfx::Canvas& canvas,
                           const gfx::Font* font) {
    CopyBackgroundUnder(control, face);
    canvas.SetTextColor(control.TextColor());
    canvas.SetBackgroundColor(Interface::FillColor());
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    canvas.SelectFont(font);
}
