#include "ui/journal/example_hands.h"

#include "engine/card_text.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {
namespace {

QString handCells(const Hand& hand) {
    QString cells;
    for (const Suit suit : kSuits) {
        const SuitSign& s = signOf(suit);
        QString sign = qtText(s.sign);
        if (s.red) {
            sign = QStringLiteral("<span style=\"color:#ff0000\">%1</span>").arg(sign);
        }
        // No line break within a suit.
        const QString cards = qtText(suitCardsText(hand, suit))
                                  .toHtmlEscaped()
                                  .replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        cells +=
            QStringLiteral("<td style=\"padding-right:10px\">%1&nbsp;%2</td>").arg(sign, cards);
    }
    return cells;
}

}  // namespace

QString exampleHandsHtml(const JournalEntry& entry) {
    QString rows;
    for (const Example& example : entry.examples) {
        const QString label =
            entry.kind == RunKind::Survey
                ? QStringLiteral("<td style=\"padding-right:10px\"><b>%1</b></td>")
                      .arg(qtText(example.figure).toHtmlEscaped())
                : QString();
        rows +=
            QStringLiteral("<tr>%1%2</tr>").arg(label, handCells(example.deal[index(Seat::South)]));
    }
    return QStringLiteral("<table>%1</table>").arg(rows);
}

}  // namespace ondiscale
