#include "game_length.h"

#include "controls/choice_line.h"
#include "frame/interface.h"
#include "frame/profile_keys.h"
#include "multi_player.h"
#include "multi_state.h"
#include "platform/platform.h"
#include "screens/screen_tools.h"

#include <charconv>
#include <string>

namespace multi {

int32_t gameLength = 0;

namespace {

constexpr std::string_view kProfileKey = "Buzzer questions=";
constexpr int kLineX = 74;
constexpr int kLineY = 410;
constexpr int kLineWidth = 500;  // up to the promotion button
constexpr int kLineHeight = 56;
constexpr uint32_t kUnchosen = 0xD0D0D0;

int ChoiceOf(int32_t length) {
    for (int choice = 0; choice < kGameLengthChoices; ++choice) {
        if (kGameLengths[choice] == length) return choice;
    }
    return kGameLengthChoices - 1;
}

}  // namespace

void ReadGameLength() {
    gameLength = 0;
    const std::optional<std::string> value = profile::ReadValue(kProfileKey);
    if (!value) return;
    int number = 0;
    const char* end = value->data() + value->size();
    const auto parsed = std::from_chars(value->data(), end, number);
    if (parsed.ec != std::errc() || parsed.ptr != end) return;
    for (int32_t length : kGameLengths) {
        if (length == number) gameLength = length;
    }
}

void AddGameLengthChoice() {
    auto* line = new ChoiceLine(kGameLengthChoice);
    line->SetUp(kLineX, kLineY, kLineWidth, kLineHeight, MpFontName,
                platform::Utf8ToCp1250("Počet otázek:"),
                {"10", "20", "30", platform::Utf8ToCp1250("bez omezení")}, Control::kTransparent);
    line->SetColours(kUnchosen, kYellow);
    line->Choose(ChoiceOf(gameLength));
    screens::AddToScreen(line);
}

bool GameLengthEvent(int32_t id, int32_t event) {
    if (id != kGameLengthChoice) return false;
    const auto* line = dynamic_cast<ChoiceLine*>(Interface::FindControl(id));
    if (!line || event != ChoiceLine::kEventChosen || line->Chosen() < 0) return true;
    gameLength = kGameLengths[line->Chosen()];
    profile::WriteValue(kProfileKey, std::to_string(gameLength));
    return true;
}

bool GameLengthReached(int32_t questionsFinished) {
    return gameLength > 0 && questionsFinished >= gameLength;
}

}  // namespace multi
