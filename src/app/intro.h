// The intro: fading frame pictures from the intro layout, then the title pictures, then the
// main menu. A typed character or a left click skips it.
#pragma once

#include "quiz/intro_layout.h"

#include <cstdint>

namespace screens {

// The layout the intro plays; none plays only the fixed pictures.
void SetIntroLayout(const quiz::IntroLayout* layout);
void BuildIntro();
// Back to the intro's first step, as a fresh start has it.
void ResetIntroState();
void IntroOnControlEvent(int32_t id, int32_t event);

}  // namespace screens
