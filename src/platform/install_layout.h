// Where an installed game finds its data, and the window size the command line asks for.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The data folder of an installed game: the folder `fromBinary` names relative to the one
// that holds the running binary (bin/../share/brellik), when it has a Data folder. Empty
// when the binary has no such folder beside it, as in the build's game folder.
std::string InstalledDataFolder(std::string_view fromBinary);

// Makes `folder` the working directory; false when it cannot. A relative user folder
// ($BRELLIK_HOME=scores, or no $HOME) is first made absolute, so that it goes on naming the
// folder it named before the change rather than one inside `folder`.
bool ChangeWorkingFolder(const std::string& folder);

// The SDL backend takes the window size from BRELLIK_WINDOW when it opens the window; the
// command line sets that variable, so that the option and the variable are one setting. A
// size of 0 x 0 asks for none: the variable is removed.
void RequestWindowSize(int width, int height);

}  // namespace platform
