// The intro: its background, the letter tiles whose names and positions Data\intro.dat
// lists, the logo, the slogan, the four quarters of the closing picture with its title
// band and the team's mark.
#pragma once

#include "layout.h"
#include "picture.h"

#include <string>
#include <vector>

namespace art {

// The prefix intro.dat names and the positions of the tiles, one per letter of the title.
constexpr const char* kIntroPrefix = "tile";
std::vector<layout::Point> IntroTilePositions();
constexpr layout::Size kIntroTileSize{84, 84};
// "Intro\tile01" and so on; `second` gives the "_b" picture the fade ends on.
std::string IntroTileName(int k, bool second);
// Data\intro.dat: "[prefix]" and one "x,y" line per tile.
std::string IntroLayoutText();

// The closing picture the four quarters, the title band and the team's mark are cut from
// (their host); it is not written out itself.
constexpr const char* kIntroMosaic = "Intro\\mosaic";
void PaintIntroMosaic(const Cell& cell);

void PaintIntroBackground(const Cell& cell);
void PaintIntroTile(const Cell& cell, int k, bool lit);
void PaintIntroLogo(const Cell& cell);
void PaintIntroSlogan(const Cell& cell, bool shown);
// The title band over the closing picture; the fade starts from the bare picture.
void PaintIntroTitle(const Cell& cell, bool shown);
void PaintTeamMark(const Cell& cell);

}  // namespace art
