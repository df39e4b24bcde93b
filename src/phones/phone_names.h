// Names typed on phones, as the game keeps them: Windows-1250, at most the player field's
// 27 bytes, never empty. Phones type in any script; the game's fonts and tables hold one code
// page, so what it cannot hold is spelt in Latin letters where a reader would (Cyrillic,
// Greek, accented letters of other languages) and replaced by "?" where nothing fits (emoji).
#pragma once

#include <string>
#include <string_view>

namespace phones {

constexpr std::size_t kGameNameBytes = 27;

// The name for `utf8`; "Hráč <number>" when nothing of it is left that reads as a name
// (empty, spaces only, or nothing but replaced characters).
std::string GameName(std::string_view utf8, int number);

}  // namespace phones
