// The two button shapes of the game, drawn in any of their looks: a pill with an icon
// and a label, and a round button with an icon (and an optional caption under it).
#pragma once

#include "icons.h"
#include "look.h"
#include "shapes.h"

#include <optional>
#include <string_view>

namespace art {

struct ButtonStyle {
    Rgb colour;
    std::optional<Icon> icon;
    std::string_view label;
    double fontSize = 20;
};

// Colours of a button face in a given look.
Rgb FaceColour(const Rgb& colour, const Look& look);
Rgb InkColour(const Look& look);

void PaintPill(cairo_t* cr, const Box& box, const ButtonStyle& style, const Look& look);
void PaintRound(cairo_t* cr, double cx, double cy, double radius, const ButtonStyle& style,
                const Look& look);

// A pill filling the cell, a small margin kept for the glow.
void PaintPillButton(const Cell& cell, const ButtonStyle& style);
// A round button in the top of the cell with the label under it, or centred without one.
void PaintRoundButton(const Cell& cell, const ButtonStyle& style);

}  // namespace art
