#pragma once

#include <QWidget>

#include "dialogue/dialogue.h"
#include "journal/journal.h"
#include "ui/kit/window_placement.h"

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace ondiscale {

class FiguresTable;
class JournalChart;

// The journal's window: the runs on the left; on the right the selected
// run's figures, the chart of one figure and the example hands. It opens
// beside the main window and follows the runs live, without ever taking
// the keyboard from the report boxes.
class JournalWindow : public QWidget {
    Q_OBJECT

public:
    // `dialogue` tells of a failed export and gives the decimal separator.
    JournalWindow(const Journal& journal, Dialogue& dialogue, QWidget* parent);

    // Brings the list and, if it is shown, the run up to date after a
    // change to entry `index`.
    void entryChanged(std::size_t index);

    // Shows the window beside `main`, or raises it if it is shown.
    void openBeside(QWidget& main);

    // Asks for a file with Qt's own dialog, then saves to it.
    void saveAs();
    // Writes the journal to `path`; on failure tells the user why.
    bool saveTo(const QString& path);

private:
    void showRun();
    void showHands(const JournalEntry& entry);
    void showChart();
    [[nodiscard]] const JournalEntry* shownEntry() const;

    const Journal& journal_;
    Dialogue& dialogue_;
    QListWidget* runs_;
    FiguresTable* figures_;
    JournalChart* chart_;
    QLabel* handsTitle_;
    QLabel* hands_;
    QScrollArea* handsScroll_;
    QPushButton* save_;
    BesidePlacement placement_;
    int figureRow_ = 0;
};

}  // namespace ondiscale
