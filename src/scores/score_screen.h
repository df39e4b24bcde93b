// The score tables screen.
#pragma once

#include <cstdint>

void BuildScoresScreen();
void ScoresOnControlEvent(int32_t id, int32_t event);
// Stores a name still being typed into its table row (before the exit dialog opens).
void ScoresCommitPendingName();
