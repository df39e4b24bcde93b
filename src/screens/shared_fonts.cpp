#include "shared_fonts.h"

gfx::Font* FontRegular20 = nullptr;
gfx::Font* FontBold20 = nullptr;
gfx::Font* FontBold26 = nullptr;
gfx::Font* FontSmall14 = nullptr;

void CreateSharedFonts() {
    FontRegular20 = new gfx::Font({"Arial", 20, 400, 238});
    FontBold20 = new gfx::Font({"Arial", 20, 700, 238});
    FontBold26 = new gfx::Font({"Arial", 26, 700, 238});
    FontSmall14 = new gfx::Font({"Arial", 14, 400, 0});
}

void DeleteSharedFonts() {
    for (gfx::Font** font : {&FontRegular20, &FontBold20, &FontBold26, &FontSmall14}) {
        delete *font;
        *font = nullptr;
    }
}
