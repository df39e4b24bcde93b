// Every sound effect the game plays: its file name under Sounds/ and how it is made.
#pragma once

#include "synth.h"

#include <string>
#include <vector>

namespace sfx {

struct Effect {
    std::string name;  // the file is Sounds/<name>.wav
    Signal (*make)();
};

const std::vector<Effect>& EffectTable();

// An effect's samples, levelled and ready to write.
std::vector<int16_t> Render(const Effect& effect);

}  // namespace sfx
