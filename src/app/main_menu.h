#pragma once

#include <cstdint>

namespace screens {

// The main menu: every control goes, the persistent frame buttons are made anew.
void BuildMainMenu();
void MainMenuOnControlEvent(int32_t id, int32_t event);

}  // namespace screens
