#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

#include "journal/journal.h"
#include "journal/journal_text.h"
#include "simulation/dialogue.h"
#include "ui/journal/session_store.h"
#include "ui/kit/window_placement.h"

class QBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTableWidget;

namespace ondiscale {

class BarChart;
class DealDiagrams;
class ExampleHands;
class FiguresTable;
class JournalChart;
class ReadOnlyTable;

// The journal's window, read as an answer sheet: at the top the chosen
// run's answer in a sentence; the runs, several in view with the chosen
// one among them; its figures (for an analysis, the contracts asked and
// the par, with a grid of strains and declarers); the chart of one figure
// and the example hands or deals, each deal whole, beside the chart or
// below it as the window's shape allows. The window takes the room the
// screen gives beside the main window, and follows the runs live without
// taking the keyboard from the report boxes; opened from the menu, it
// takes the keyboard, and Escape gives it back to the main window.
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

    // What the window is for, in a box (its "Aide" button, F1).
    void showHelp();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Escape, which the list and tables leave to their window, gives the
    // keyboard back to the main window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    JournalWindow(std::unique_ptr<Journal> own, const Journal& journal, Dialogue& dialogue,
                  QWidget* parent);

    // Shares the window's height between its parts, and puts the chart and
    // the examples one above the other or side by side, so that a deal
    // shows whole; again for each kind of run, until the user sizes them.
    void arrange();
    // The chart, the examples, or one of them where they take turns.
    void showView();
    void showRun();
    void showAnswer(const JournalEntry& entry, const std::vector<FigureTexts>& shown);
    void showGrid(const JournalEntry& entry);
    void showChart();
    // An analysis's bars: a strain and declarer's tricks, or the par scores.
    void showBars(const JournalEntry& entry, int which);
    [[nodiscard]] const JournalEntry* shownEntry() const;
    [[nodiscard]] NumberStyle numberStyle() const;

    std::unique_ptr<Journal> own_;  // a reopened session's
    const Journal& journal_;
    Dialogue& dialogue_;
    QLabel* answer_;
    QListWidget* runs_;
    FiguresTable* figures_;
    QLabel* gridTitle_;
    ReadOnlyTable* grid_;
    QLabel* note_;
    QBoxLayout* figuresRow_;  // the figures and the grid, side by side where they fit
    QScrollArea* figuresScroll_;
    JournalChart* chart_;
    BarChart* bars_;
    QLabel* handsTitle_;
    ExampleHands* hands_;
    DealDiagrams* deals_;
    QScrollArea* dealsScroll_;
    QPushButton* help_;
    QPushButton* sessions_;
    QPushButton* copyPbn_;
    QPushButton* exportPbn_;
    QPushButton* save_;
    QSplitter* split_;   // the runs, the figures, the views
    QSplitter* views_;   // the chart, the examples
    QWidget* viewTabs_;  // the chart or the examples, where they take turns
    QPushButton* showChart_;
    QPushButton* showExamples_;
    BesidePlacement placement_;
    bool placed_ = false;
    bool userSized_ = false;  // the user moved a splitter's handle
    bool takingTurns_ = false;
    bool arrangeQueued_ = false;  // the chart and the examples, one at a time
    int shownRow_ = -1;           // the run shown, to know when another one comes
    int shape_ = -2;              // what its parts hold, to know when to arrange them again
    std::vector<std::size_t> figureRows_;  // the entry's figure on each row of the table
    int figureRow_ = 0;
    int chosenBars_ = kParBars;  // an analysis's bars, from its table or its grid
    bool gridChosen_ = false;    // from its grid
};

}  // namespace ondiscale
