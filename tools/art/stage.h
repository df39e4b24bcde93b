// The pieces every background is built from: the night-blue stage, the bottom bar,
// screen titles, the question board and the panels.
#pragma once

#include "icons.h"
#include "layout.h"
#include "shapes.h"

#include <cairo.h>

#include <string_view>

namespace art {

// The 800 x 600 stage; the rest of the back buffer stays black like the window around it.
void PaintStage(cairo_t* cr);
// The strip along the bottom edge, identical on every screen.
void PaintBottomBar(cairo_t* cr);
// A screen title with the emblem at the top left.
void PaintTitle(cairo_t* cr, std::string_view title, std::string_view subtitle);
// A cream plate for black text, with a soft shadow.
void PaintTextPlate(cairo_t* cr, const Box& box, const Rgb& fill, const Rgb& border);
// A dark panel for white text.
void PaintPanel(cairo_t* cr, const Box& box, double radius);
// A sunken well the right-hand instrument (clock, lives, Start) stands in.
void PaintInstrumentWell(cairo_t* cr);
// A badge naming the game mode, top right.
void PaintModeBadge(cairo_t* cr, const Box& box, Icon icon, std::string_view line1,
                    std::string_view line2, const Rgb& accent);

// The question and the three answer plates of the game screens (and their premium
// colouring), and of the question browser.
enum class Board { Game, Premium, Browser };
void PaintBoard(cairo_t* cr, Board board);
// The plate behind answer `k` (0..2) of a board.
Box AnswerPlate(Board board, int k);
Box QuestionPlate();

}  // namespace art
