#include "ui/lesson/lesson_print.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "ui/kit/qt_text.h"
#include "ui/kit/save_file.h"
#include "ui/lesson/board_painting.h"
#include "ui/lesson/lesson_texts.h"

namespace ondiscale {
namespace {

namespace texts = lesson_texts;

constexpr qreal kMarginMm = 12;
constexpr qreal kBoardPoints = 9;
constexpr qreal kHeaderPoints = 10;
constexpr qreal kFooterPoints = 8;
constexpr int kBoardsAcross = 2;
constexpr int kBoardsDown = 2;
// A board may grow to fill its quarter of the page, up to this much.
constexpr double kMostBoardScale = 1.3;
constexpr int kPdfResolution = 600;

QFont sheetFont(qreal points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// What every page has: a header and a footer, and the room between.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter, int total)
        : device_(device), painter_(painter), total_(total) {}

    // Starts a page (a new one after the first) with its header; gives
    // the room left for the page's body.
    QRectF start(const QString& title, const QDate& date) {
        if (page_ > 0) {
            device_.newPage();
        }
        ++page_;
        const QRectF full(0, 0, device_.width(), device_.height());
        const QFont header = sheetFont(kHeaderPoints, true);
        const QFontMetricsF fm(header, &device_);
        painter_.setFont(header);
        painter_.setPen(Qt::black);
        const QString day = QLocale(QLocale::French).toString(date, QStringLiteral("d MMMM yyyy"));
        const qreal dayWidth = fm.horizontalAdvance(day);
        painter_.drawText(QRectF(full.right() - dayWidth, 0, dayWidth, fm.lineSpacing()),
                          Qt::AlignRight | Qt::AlignTop, day);
        const QRectF titleArea(0, 0, full.width() - dayWidth - fm.lineSpacing(),
                               2 * fm.lineSpacing());
        const QRectF used = painter_.boundingRect(titleArea, Qt::TextWordWrap, title);
        painter_.drawText(titleArea, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, title);
        const qreal rule = std::min(used.height(), titleArea.height()) + fm.lineSpacing() / 3;
        painter_.setPen(QPen(Qt::black, fm.lineSpacing() / 20));
        painter_.drawLine(QPointF(0, rule), QPointF(full.right(), rule));

        const QFont footer = sheetFont(kFooterPoints);
        const QFontMetricsF ffm(footer, &device_);
        painter_.setFont(footer);
        painter_.drawText(
            QRectF(0, full.bottom() - ffm.lineSpacing(), full.width(), ffm.lineSpacing()),
            Qt::AlignHCenter | Qt::AlignBottom, qtText(texts::kPage).arg(page_).arg(total_));
        return {0, rule + fm.lineSpacing() / 2, full.width(),
                full.bottom() - ffm.lineSpacing() * 1.5 - rule - fm.lineSpacing() / 2};
    }

    [[nodiscard]] int count() const { return page_; }

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    int total_;
    int page_ = 0;
};

int pagesOf(int boards, int perPage) { return (boards + perPage - 1) / perPage; }

// Rows of seat hands a page takes, from the body's height.
int seatRows(const QPagedPaintDevice& device, const BoardLook& look, qreal bodyHeight) {
    const QSizeF block = seatHandSize(look, &device);
    const qreal step = block.height() * 1.4;
    return std::max(1, static_cast<int>(bodyHeight / step));
}

}  // namespace

void setUpLessonPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
}

int paintLesson(QPagedPaintDevice& device, const LessonPrint& print) {
    const BoardLook look{sheetFont(kBoardPoints), print.colour};
    const bool diagrams = print.sheets != LessonSheets::Seats;
    const bool seats = print.sheets != LessonSheets::Diagrams;
    const int boards = static_cast<int>(print.boards.size());
    // The body's height is known once a header is drawn; a header of two
    // lines at most leaves this much.
    const qreal lineHeight = QFontMetricsF(sheetFont(kHeaderPoints, true), &device).lineSpacing();
    const qreal body = device.height() - 4 * lineHeight;
    const int perSeatPage = kBoardsAcross * seatRows(device, look, body);
    const int total = (diagrams ? pagesOf(boards, kBoardsAcross * kBoardsDown) : 0) +
                      (seats ? 4 * pagesOf(boards, perSeatPage) : 0);

    QPainter painter(&device);
    Pages pages(device, painter, total);
    const QString title = qtText(texts::kSheetTitle).arg(print.condition);
    if (diagrams) {
        double scale = 0;
        for (int first = 0; first < boards; first += kBoardsAcross * kBoardsDown) {
            const QRectF area = pages.start(title, print.date);
            const QSizeF cell(area.width() / kBoardsAcross, area.height() / kBoardsDown);
            const qreal gap = QFontMetricsF(look.font, &device).lineSpacing();
            // One scale for every board of the set, so that they all look alike.
            if (scale == 0) {
                scale = kMostBoardScale;
                for (const Example& board : print.boards) {
                    const QSizeF size = boardSize(board, look, &device);
                    scale = std::min({scale, (cell.width() - gap) / size.width(),
                                      (cell.height() - gap) / size.height()});
                }
            }
            for (int i = first; i < std::min(boards, first + kBoardsAcross * kBoardsDown); ++i) {
                const int place = i - first;
                const int column = place % kBoardsAcross;
                const int row = place / kBoardsAcross;  // a whole row
                const QRectF at(area.x() + cell.width() * column, area.y() + cell.height() * row,
                                cell.width(), cell.height());
                paintBoard(painter, at.adjusted(gap / 2, gap / 2, -gap / 2, -gap / 2),
                           print.boards[static_cast<std::size_t>(i)], look, scale);
            }
        }
    }
    if (seats) {
        const QSizeF block = seatHandSize(look, &device);
        for (const Seat seat : kSeats) {
            const QString seatTitle = qtText(texts::kSeatSheetTitle).arg(qtText(nameOf(seat)));
            for (int first = 0; first < boards; first += perSeatPage) {
                const QRectF area = pages.start(seatTitle, print.date);
                const qreal across = area.width() / kBoardsAcross;
                const qreal step = block.height() * 1.4;
                for (int i = first; i < std::min(boards, first + perSeatPage); ++i) {
                    // Down the first column, then the second, in board order.
                    const int place = i - first;
                    const int rows = perSeatPage / kBoardsAcross;
                    const int column = place / rows;  // a whole column
                    const QRectF at(area.x() + across * column, area.y() + step * (place % rows),
                                    across - step / 4, block.height());
                    paintSeatHand(painter, at, print.boards[static_cast<std::size_t>(i)], seat,
                                  look);
                }
            }
        }
    }
    painter.end();
    return pages.count();
}

std::optional<QString> saveLessonPdf(const LessonPrint& print, const QString& path) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(qtText(texts::kTitle));
        writer.setCreator(QStringLiteral("ondiscale"));
        setUpLessonPage(writer);
        paintLesson(writer, print);
    }
    return writeWhole(bytes, path);
}

}  // namespace ondiscale
