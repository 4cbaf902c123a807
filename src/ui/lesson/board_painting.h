#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "simulation/batch_run.h"

class QPainter;
class QPaintDevice;

namespace ondiscale {

// How a board is drawn, on the screen and on paper alike: its font (the
// suit signs come from it, so DejaVu Sans on paper), and whether the red
// suits are red; in black and white, hearts and diamonds get their
// outlined signs ♡ ♢ so that they still differ from spades and clubs.
struct BoardLook {
    QFont font;
    bool colour = true;
};

// A board as a club's hand record draws it: its number, dealer and
// vulnerability in the top-left corner; North above, West and East on
// either side and South below, a suit a line with its sign and French
// ranks ("—" for a void); each hand's points in the square between them;
// under it, when solved, the tricks at double dummy and the par.
//
// Its size at its font on `device`, and the drawing scaled to fit `area`
// (never beyond `mostScale`), centred across and from the top; the tricks
// may go on the right of the diagram instead, where that draws it larger.
// Text stays text: a PDF of it can be searched.
QSizeF boardSize(const Example& board, const BoardLook& look, const QPaintDevice* device);
void paintBoard(QPainter& painter, const QRectF& area, const Example& board, const BoardLook& look,
                double mostScale = 1.0, bool tricksMayGoBeside = false);

// One seat's hand of a board alone, for that player's own sheet: the
// board's number, dealer and vulnerability, the hand, its points.
QSizeF seatHandSize(const BoardLook& look, const QPaintDevice* device);
void paintSeatHand(QPainter& painter, const QRectF& area, const Example& board, Seat seat,
                   const BoardLook& look);

// The texts around the diagram.
QString boardTitle(const Example& board);         // "Donne 5"
QString dealerText(const Example& board);         // "Donneur : Nord"
QString vulnerabilityText(const Example& board);  // "Vulnérabilité : Nord-Sud"
QString parText(const ParResult& par);            // "Par : +420 (NS 4♠)"

// The board as a screen reader says it: number, dealer, vulnerability,
// each hand with its points, card by card, and the tricks when solved.
QString boardSpoken(const Example& board);

}  // namespace ondiscale
