#pragma once

#include <QMainWindow>
#include <memory>

#include "journal/journal.h"
#include "journal/journal_text.h"
#include "simulation/dialogue.h"
#include "ui/journal/session_store.h"
#include "ui/kit/window_placement.h"

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QSplitter;

namespace ondiscale {

class BarChart;
class DealDiagrams;
class ExampleHands;
class FiguresTable;
class JournalChart;

// The journal's window: the runs above; below them the selected run's
// figures, the chart of one figure and the example hands, each part able
// to shrink and scroll so that the window fits any screen. It opens beside
// the main window and follows the runs live, without taking the keyboard
// from the report boxes; opened from the menu, it takes the keyboard, and
// Escape gives it back to the main window.
class JournalWindow : public QMainWindow {
    Q_OBJECT

public:
    // `dialogue` tells of a failed export and gives the locale's separators.
    JournalWindow(const Journal& journal, Dialogue& dialogue, QWidget* parent);

    // A past session's journal, read-only, in a window of its own titled
    // with the session's label.
    static JournalWindow* reopened(std::vector<JournalEntry> entries, const QString& label,
                                   Dialogue& dialogue, QWidget* parent);

    // Brings the list and, if it is shown, the run up to date after a
    // change to entry `index`.
    void entryChanged(std::size_t index);

    // Shows the window beside `main` the first time, where the user left it
    // afterwards, and gives it the keyboard.
    void openBeside(QWidget& main);

    // Asks for a file with Qt's own dialog, then saves to it.
    void saveAs();
    // Writes the journal to `path`; on failure tells the user why.
    bool saveTo(const QString& path);

    // Lists the past sessions and opens the one the user chooses.
    void showSessions();
    // Reads a past session on a thread of its own, with a bar and
    // "Annuler" when it takes a while; nothing read once cancelled.
    ReopenedSession openSession(const SessionStore& store, const SavedSession& session);

    // The chosen run's example deals (all a four-hand run kept, up to
    // 1,000) in a PBN file, or (those shown) on the clipboard.
    void exportPbn();
    bool exportPbnTo(const QString& path);
    void copyPbn();

protected:
    void showEvent(QShowEvent* event) override;
    // Escape, which the list and tables leave to their window, gives the
    // keyboard back to the main window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    JournalWindow(std::unique_ptr<Journal> own, const Journal& journal, Dialogue& dialogue,
                  QWidget* parent);

    // Shares the window's height between its parts: the list a few lines,
    // the figures and the hands what they need up to a share, the chart
    // the rest; again for each run shown, until the user sizes the parts.
    void shareHeight();
    void showRun();
    void showChart();
    // An analysis's figure as bars: its strain and declarer's tricks, or
    // the par scores.
    void showBars(const JournalEntry& entry, std::size_t figure);
    [[nodiscard]] const JournalEntry* shownEntry() const;
    [[nodiscard]] NumberStyle numberStyle() const;

    std::unique_ptr<Journal> own_;  // a reopened session's
    const Journal& journal_;
    Dialogue& dialogue_;
    QListWidget* runs_;
    FiguresTable* figures_;
    QLabel* note_;
    JournalChart* chart_;
    BarChart* bars_;
    QLabel* handsTitle_;
    ExampleHands* hands_;
    DealDiagrams* deals_;
    QScrollArea* dealsScroll_;
    QPushButton* sessions_;
    QPushButton* copyPbn_;
    QPushButton* exportPbn_;
    QPushButton* save_;
    QSplitter* split_;
    BesidePlacement placement_;
    bool placed_ = false;
    bool shared_ = false;     // the height shared once the window has its size
    bool userSized_ = false;  // the user moved a splitter's handle
    int figureRow_ = 0;
};

}  // namespace ondiscale
