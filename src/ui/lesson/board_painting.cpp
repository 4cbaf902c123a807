#include "ui/lesson/board_painting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>

#include "doubledummy/strain.h"
#include "engine/card_text.h"
#include "engine/hand_measures.h"
#include "ui/kit/qt_text.h"
#include "ui/lesson/lesson_texts.h"

namespace ondiscale {
namespace {

namespace texts = lesson_texts;

// A red a printer renders dark enough to read, on screen too.
QColor red() { return {0xC0, 0x00, 0x00}; }

// The seats' initials in the trick table, French style (O for Ouest).
constexpr std::array<const char*, 4> kInitials{"N", "E", "S", "O"};

QString signText(Suit suit, bool colour) {
    if (!colour && suit == Suit::Hearts) {
        return QStringLiteral("♡");
    }
    if (!colour && suit == Suit::Diamonds) {
        return QStringLiteral("♢");
    }
    return qtText(signOf(suit).sign);
}

QColor signColour(Suit suit, bool colour) {
    return colour && signOf(suit).red ? red() : QColor(Qt::black);
}

QString strainLabel(Strain strain, bool colour) {
    return strain == Strain::NoTrump ? QStringLiteral("SA")
                                     : signText(kSuits.at(index(strain) - 1), colour);
}

QString cardsText(const Hand& hand, Suit suit) { return qtText(suitCardsText(hand, suit)); }

// The lengths a board's layout needs, from its font on its device.
struct Layout {
    Layout(const Example& board, const BoardLook& look, const QPaintDevice* device)
        : fm(look.font, device), bold(boldOf(look.font), device) {
        line = fm.lineSpacing();
        pad = line / 2;
        const Deal& deal = board.deal;
        for (const Seat seat : kSeats) {
            width[index(seat)] = handWidth(deal[index(seat)], look.colour);
        }
        info = std::max({bold.horizontalAdvance(boardTitle(board)),
                         fm.horizontalAdvance(dealerText(board)),
                         fm.horizontalAdvance(vulnerabilityText(board))});
        square = 4 * line;
        col0 = std::max(width[index(Seat::West)], info);
        col1 = std::max({width[index(Seat::North)], width[index(Seat::South)], square});
        col2 = width[index(Seat::East)];
        diagramHeight = 12 * line;
        total = QSizeF(col0 + pad + col1 + pad + col2, diagramHeight);
        if (board.tricks) {
            cell = std::max(fm.horizontalAdvance(QStringLiteral("SA")),
                            fm.horizontalAdvance(QStringLiteral("13"))) +
                   pad;
            const qreal tableWidth =
                std::max({5 * cell + fm.horizontalAdvance(QStringLiteral("O")) + pad,
                          bold.horizontalAdvance(qtText(texts::kTricks)),
                          board.par ? fm.horizontalAdvance(parText(*board.par)) : 0.0});
            const QSizeF diagram = total;
            total =
                QSizeF(std::max(diagram.width(), tableWidth), diagram.height() + pad + 7 * line);
            besideWidth = diagram.width() + 2 * pad;
            beside = QSizeF(besideWidth + tableWidth, diagram.height());
        } else {
            beside = total;
        }
    }

    static QFont boldOf(QFont font) {
        font.setBold(true);
        return font;
    }

    [[nodiscard]] qreal handWidth(const Hand& hand, bool colour) const {
        qreal widest = 0;
        for (const Suit suit : kSuits) {
            widest = std::max(widest, fm.horizontalAdvance(signText(suit, colour)) +
                                          fm.horizontalAdvance(QLatin1Char(' ')) +
                                          fm.horizontalAdvance(cardsText(hand, suit)));
        }
        return widest;
    }

    QFontMetricsF fm;
    QFontMetricsF bold;
    qreal line = 0;
    qreal pad = 0;
    std::array<qreal, 4> width{};
    qreal info = 0;
    qreal square = 0;
    qreal col0 = 0;
    qreal col1 = 0;
    qreal col2 = 0;
    qreal cell = 0;
    qreal diagramHeight = 0;
    QSizeF total;   // the tricks below the diagram
    QSizeF beside;  // the tricks on its right, from besideWidth
    qreal besideWidth = 0;
};

// Text with its top-left corner at (x, y).
void textAt(QPainter& painter, const QFontMetricsF& fm, qreal x, qreal y, const QString& text) {
    painter.drawText(QPointF(x, y + fm.ascent()), text);
}

void paintHand(QPainter& painter, const Layout& l, qreal x, qreal y, const Hand& hand,
               bool colour) {
    for (const Suit suit : kSuits) {
        const QString sign = signText(suit, colour);
        painter.setPen(signColour(suit, colour));
        textAt(painter, l.fm, x, y, sign);
        painter.setPen(Qt::black);
        // The space is written, not skipped over, so that a PDF's text
        // reads the sign and the cards apart.
        textAt(painter, l.fm, x + l.fm.horizontalAdvance(sign), y,
               QLatin1Char(' ') + cardsText(hand, suit));
        y += l.line;
    }
}

void paintTricks(QPainter& painter, const Layout& l, qreal x, qreal y, const Example& board,
                 const BoardLook& look) {
    painter.save();
    painter.translate(x, 0);
    QFont bold = look.font;
    bold.setBold(true);
    painter.setFont(bold);
    textAt(painter, l.bold, 0, y, qtText(texts::kTricks));
    painter.setFont(look.font);
    y += l.line;
    const qreal first = l.fm.horizontalAdvance(QStringLiteral("O")) + l.pad;
    // Right-aligned columns of numbers under each strain.
    const auto right = [&](qreal columnEnd, qreal top, const QString& text) {
        textAt(painter, l.fm, columnEnd - l.fm.horizontalAdvance(text), top, text);
    };
    for (const Strain strain : kStrains) {
        const qreal end = first + l.cell * static_cast<qreal>(index(strain) + 1);
        const bool isRed = strain == Strain::Hearts || strain == Strain::Diamonds;
        painter.setPen(look.colour && isRed ? red() : QColor(Qt::black));
        right(end, y, strainLabel(strain, look.colour));
    }
    painter.setPen(Qt::black);
    for (const Seat seat : kSeats) {
        y += l.line;
        textAt(painter, l.fm, 0, y, QString::fromLatin1(kInitials[index(seat)]));
        for (const Strain strain : kStrains) {
            const qreal end = first + l.cell * static_cast<qreal>(index(strain) + 1);
            right(end, y, QString::number(board.tricks->of(strain, seat)));
        }
    }
    if (board.par) {
        textAt(painter, l.fm, 0, y + l.line, parText(*board.par));
    }
    painter.restore();
}

QString contractText(const QString& token) {
    if (token == QStringLiteral("EW")) {
        return QStringLiteral("EO");
    }
    if (token.size() < 2 || !token[0].isDigit()) {
        return token;
    }
    static const QString kLetters = QStringLiteral("NSHDC");
    const auto strain = kLetters.indexOf(token[1]);
    if (strain < 0) {
        return token;
    }
    return token.left(1) + strainLabel(kStrains.at(static_cast<std::size_t>(strain)), true) +
           token.mid(2);
}

QString handSpoken(Seat seat, const Hand& hand) {
    QStringList suits;
    for (const Suit suit : kSuits) {
        suits << qtText(suitCardsSpoken(hand, suit));
    }
    return qtText(texts::kHandSpoken)
        .arg(qtText(nameOf(seat)))
        .arg(highCardPoints(hand))
        .arg(suits.join(QStringLiteral(" ; ")));
}

BoardLabel labelOf(const Example& board) { return board.board.value_or(BoardLabel{}); }

}  // namespace

QString boardTitle(const Example& board) {
    return qtText(texts::kBoardTitle).arg(labelOf(board).number);
}

QString dealerText(const Example& board) {
    return qtText(texts::kBoardDealer).arg(qtText(nameOf(labelOf(board).dealer)));
}

QString vulnerabilityText(const Example& board) {
    return qtText(texts::kBoardVulnerable)
        .arg(qtText(
            texts::kVulnerabilities[static_cast<std::size_t>(labelOf(board).vulnerability)]));
}

QString parText(const ParResult& par) {
    if (par.contracts.empty()) {
        return qtText(texts::kParPassed);
    }
    QStringList contracts;
    for (const QString& token : qtText(par.contracts).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        contracts << contractText(token);
    }
    const QString score = (par.northSouthScore > 0 ? QStringLiteral("+") : QString()) +
                          QString::number(par.northSouthScore);
    return qtText(texts::kPar).arg(score, contracts.join(QLatin1Char(' ')));
}

namespace {

// The board's number, dealer and vulnerability, one a line, from the top
// left corner.
void paintBoardHead(QPainter& painter, const Layout& l, const BoardLook& look,
                    const Example& board) {
    painter.setFont(Layout::boldOf(look.font));
    painter.setPen(Qt::black);
    textAt(painter, l.bold, 0, 0, boardTitle(board));
    painter.setFont(look.font);
    textAt(painter, l.fm, 0, l.line, dealerText(board));
    textAt(painter, l.fm, 0, 2 * l.line, vulnerabilityText(board));
}

}  // namespace

QSizeF boardSize(const Example& board, const BoardLook& look, const QPaintDevice* device) {
    return Layout(board, look, device).total;
}

void paintBoard(QPainter& painter, const QRectF& area, const Example& board, const BoardLook& look,
                double mostScale, bool tricksMayGoBeside) {
    const Layout l(board, look, painter.device());
    const auto fit = [&](const QSizeF& size) {
        return std::min({mostScale, area.width() / size.width(), area.height() / size.height()});
    };
    // Beside where that leaves the drawing larger: on a wide screen.
    const bool beside = tricksMayGoBeside && fit(l.beside) > fit(l.total);
    const QSizeF size = beside ? l.beside : l.total;
    const double scale = fit(size);
    painter.save();
    painter.translate(area.x() + (area.width() - size.width() * scale) / 2, area.y());
    painter.scale(scale, scale);
    paintBoardHead(painter, l, look, board);

    const qreal centre = l.col0 + l.pad;
    const qreal northSouth =
        centre + (l.col1 - std::max(l.width[index(Seat::North)], l.width[index(Seat::South)])) / 2;
    const Deal& deal = board.deal;
    paintHand(painter, l, northSouth, 0, deal[index(Seat::North)], look.colour);
    paintHand(painter, l, 0, 4 * l.line, deal[index(Seat::West)], look.colour);
    paintHand(painter, l, centre + l.col1 + l.pad, 4 * l.line, deal[index(Seat::East)],
              look.colour);
    paintHand(painter, l, northSouth, 8 * l.line, deal[index(Seat::South)], look.colour);

    // The square between the hands, each hand's points on its side.
    const QRectF square(centre + (l.col1 - l.square) / 2, 4 * l.line, l.square, l.square);
    painter.setPen(QPen(Qt::black, l.line / 16));
    painter.drawRect(square.adjusted(l.pad / 2, l.pad / 2, -l.pad / 2, -l.pad / 2));
    const auto points = [&](Seat seat) {
        return QString::number(highCardPoints(deal[index(seat)]));
    };
    const QRectF inside = square.adjusted(l.pad, l.pad, -l.pad, -l.pad);
    painter.drawText(inside, Qt::AlignTop | Qt::AlignHCenter, points(Seat::North));
    painter.drawText(inside, Qt::AlignBottom | Qt::AlignHCenter, points(Seat::South));
    painter.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft, points(Seat::West));
    painter.drawText(inside, Qt::AlignVCenter | Qt::AlignRight, points(Seat::East));

    if (board.tricks) {
        if (beside) {
            paintTricks(painter, l, l.besideWidth, 0, board, look);
        } else {
            paintTricks(painter, l, 0, l.diagramHeight + l.pad, board, look);
        }
    }
    painter.restore();
}

QSizeF seatHandSize(const BoardLook& look, const QPaintDevice* device) {
    // As wide as a long hand and the longest of the texts beside it.
    const QFontMetricsF fm(look.font, device);
    const qreal info = fm.horizontalAdvance(
        qtText(texts::kBoardVulnerable).arg(qtText(texts::kVulnerabilities[2])));
    const qreal hand = fm.horizontalAdvance(QStringLiteral("♠ A R D V 10 9 8"));
    return {info + fm.lineSpacing() + hand, 4 * fm.lineSpacing()};
}

void paintSeatHand(QPainter& painter, const QRectF& area, const Example& board, Seat seat,
                   const BoardLook& look) {
    const Layout l(board, look, painter.device());
    const Hand& hand = board.deal[index(seat)];
    // The hands of a sheet in one column, whatever each board's texts.
    const qreal info = std::max(
        {l.info, l.fm.horizontalAdvance(qtText(texts::kHandPoints).arg(highCardPoints(hand))),
         l.fm.horizontalAdvance(
             qtText(texts::kBoardVulnerable).arg(qtText(texts::kVulnerabilities[2])))});
    const qreal width = info + l.line + l.width[index(seat)];
    const double scale = std::min({1.0, area.width() / width, area.height() / (4 * l.line)});
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    paintBoardHead(painter, l, look, board);
    textAt(painter, l.fm, 0, 3 * l.line, qtText(texts::kHandPoints).arg(highCardPoints(hand)));
    paintHand(painter, l, info + l.line, 0, hand, look.colour);
    painter.restore();
}

QString boardSpoken(const Example& board) {
    QStringList parts{boardTitle(board), dealerText(board), vulnerabilityText(board)};
    for (const Seat seat : kSeats) {
        parts << handSpoken(seat, board.deal[index(seat)]);
    }
    if (board.tricks) {
        QStringList strains;
        for (const Strain strain : kStrains) {
            QStringList seats;
            for (const Seat seat : kSeats) {
                seats << QStringLiteral("%1 %2")
                             .arg(qtText(nameOf(seat)))
                             .arg(board.tricks->of(strain, seat));
            }
            strains << (strain == Strain::NoTrump
                            ? qtText(texts::kNoTrumpSpoken)
                            : qtText(signOf(kSuits.at(index(strain) - 1)).name)) +
                           QStringLiteral(" : ") + seats.join(QStringLiteral(", "));
        }
        parts << qtText(texts::kTricks) + QStringLiteral(" — ") +
                     strains.join(QStringLiteral(" ; "));
    }
    if (board.par) {
        parts << parText(*board.par);
    }
    return parts.join(QStringLiteral(". "));
}

}  // namespace ondiscale
