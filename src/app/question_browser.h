// The practice screen: questions one by one in a fresh order, with the right answer marked
// at once or on request.
#pragma once

#include <cstdint>

namespace screens {

void BuildQuestionBrowser();
// The browser's place, mode and answer switch as a fresh start has them.
void ResetBrowserState();
void BrowserOnControlEvent(int32_t id, int32_t event);
void BrowserInput(int32_t code, int32_t value);

// For tests: where the browser is.
int32_t BrowserIndex();
int32_t BrowserQuizMode();

}  // namespace screens
