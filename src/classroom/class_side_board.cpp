#include "class_side_board.h"

#include "room/player_colours.h"

#include <algorithm>
#include <string>

namespace classroom {

namespace {

constexpr uint32_t kCounterColour = 0x00FFFF;  // yellow, as the buzzer game's counter
constexpr uint32_t kTitleColour = 0xFFFFFF;
constexpr int kCounterHeight = 84;
constexpr int kNameHeight = 44;
constexpr int kPointsHeight = 64;
constexpr int kRowGap = 20;

platform::BandLine Line(const std::string& cp1250, uint32_t colour, int height, platform::BandAlign align) {
    platform::BandLine line;
    line.text = {cp1250, colour};
    line.height = height;
    line.bold = true;
    line.align = align;
    return line;
}

void AddPupil(std::vector<platform::BandLine>& lines, const ClassGame& game, int seat) {
    const Pupil& pupil = game.PupilAt(seat);
    const uint32_t colour = room::SeatColour(seat);
    platform::BandLine name = Line(platform::Utf8ToCp1250(std::to_string(game.PlaceOf(seat)) + ". " + pupil.name),
                                   colour, kNameHeight, platform::BandAlign::Left);
    name.rows = 2;
    name.spaceAbove = kRowGap;
    lines.push_back(name);
    lines.push_back(Line(std::to_string(pupil.points), colour, kPointsHeight, platform::BandAlign::Right));
}

}  // namespace

platform::SideBands ClassSideBands(const ClassGame& game, int number) {
    platform::SideBands bands;
    if (number < 0) return bands;
    platform::BandLine word = Line(platform::Utf8ToCp1250("Otázka"), kCounterColour, 40, platform::BandAlign::Centre);
    word.bold = false;
    bands.left.push_back(word);
    bands.left.push_back(Line(std::to_string(number + 1) + " / " + std::to_string(game.Questions()),
                              kCounterColour, kCounterHeight, platform::BandAlign::Centre));
    const std::vector<int> ranking = game.Ranking();
    if (ranking.empty()) return bands;
    platform::BandLine title = Line(platform::Utf8ToCp1250("Nejlepší pětice"), kTitleColour, 40,
                                    platform::BandAlign::Centre);
    title.bold = false;
    bands.right.push_back(title);
    for (std::size_t i = 0; i < std::min<std::size_t>(ranking.size(), kSideTopFive); ++i) {
        AddPupil(bands.right, game, ranking[i]);
    }
    return bands;
}

}  // namespace classroom
