#pragma once

#include <QWidget>
#include <memory>

#include "dialogue/dialogue.h"
#include "journal/journal.h"

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace ondiscale {

class FramePlacement;

class JournalChart;
class QtDialogue;

// The journal's window: the runs on the left; on the right the selected
// run's figures, the chart of one figure and the example hands. It opens
// beside the main window and follows the runs live, without ever taking
// the keyboard from the report boxes.
class JournalWindow : public QWidget {
public:
    // `dialogue` tells of a failed export and gives the decimal separator;
    // nullptr: Qt's boxes, over this window.
    JournalWindow(const Journal& journal, Dialogue* dialogue, QWidget* parent);
    ~JournalWindow() override;

    // Brings the list and, if it is shown, the run up to date after a
    // change to entry `index`.
    void entryChanged(std::size_t index);

    // Shows the window beside `main`, or raises it if it is shown.
    void openBeside(QWidget& main);

    // Asks for a file with Qt's own dialog, then saves to it.
    void saveAs();
    // Writes the journal to `path`; on failure tells the user why.
    bool saveTo(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRun();
    void showFigures(const JournalEntry& entry);
    // The table as tall as its rows, and its sideways scroll bar if shown.
    void fitFigures();
    void showHands(const JournalEntry& entry);
    void showChart();
    // Sizes the window for the side of the main window that has room.
    void fitBeside();
    // Where its frame goes on that side, for a frame of that outer size.
    [[nodiscard]] QPoint cornerBeside(const QSize& outer, const QRect& area) const;
    [[nodiscard]] const JournalEntry* shownEntry() const;

    const Journal& journal_;
    std::unique_ptr<QtDialogue> ownDialogue_;
    Dialogue& dialogue_;
    QWidget* beside_ = nullptr;
    enum class Side { Left, Right, Below };
    Side side_ = Side::Left;
    FramePlacement* placement_;

    QListWidget* runs_;
    QTableWidget* figures_;
    JournalChart* chart_;
    QLabel* handsTitle_;
    QLabel* hands_;
    QScrollArea* handsScroll_;
    QPushButton* save_;
    int figureRow_ = 0;
};

}  // namespace ondiscale
