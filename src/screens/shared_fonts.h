// The four fonts every screen shares, alive from start-up to shutdown.
#pragma once

#include "gfx/font.h"

extern gfx::Font* FontRegular20;
extern gfx::Font* FontBold20;
extern gfx::Font* FontBold26;
extern gfx::Font* FontSmall14;

void CreateSharedFonts();
void DeleteSharedFonts();
