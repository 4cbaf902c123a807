#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "simulation/batch_run.h"

class QPagedPaintDevice;

namespace ondiscale {

// Which sheets a lesson prints: the hand records (four boards a page, as
// clubs hand them out after a session), a sheet for each player with only
// their own hand of each board (for bidding practice), or both.
enum class LessonSheets { Diagrams, Seats, Both };

struct LessonPrint {
    std::vector<Example> boards;
    QString condition;  // in the hand records' header
    QDate date;
    LessonSheets sheets = LessonSheets::Diagrams;
    bool colour = true;
};

// A4 upright with margins of 12 mm, as the sheets are laid out for.
void setUpLessonPage(QPagedPaintDevice& device);

// The sheets on the device's pages, in DejaVu Sans (it has the suit
// signs), every text drawn as text; each page numbered "Page 2 sur 8".
// Gives the number of pages.
int paintLesson(QPagedPaintDevice& device, const LessonPrint& print);

// The same sheets as a PDF file, written whole or not at all; the reason
// in French when it could not be.
std::optional<QString> saveLessonPdf(const LessonPrint& print, const QString& path);

}  // namespace ondiscale
