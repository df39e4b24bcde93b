// Pictures for people to look at, not for the game: contact sheets of every picture and
// screens composed the way the game shows them, with sample texts in place.
#pragma once

#include "library.h"

#include <filesystem>

namespace art {

bool WritePreviews(Library& library, const std::filesystem::path& folder);

}  // namespace art
