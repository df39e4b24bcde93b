// The pictures laid over a whole screen or most of it: the help overlays with the rules
// of each game, the credits and the advert for the game.
#pragma once

#include "picture.h"

namespace art {

enum class HelpTopic { SinglePlayer, ClockGame, LivesGame, Multiplayer, Browser };

void PaintHelp(const Cell& cell, HelpTopic topic);
void PaintCredits(const Cell& cell);
void PaintAdvert(const Cell& cell);

}  // namespace art
