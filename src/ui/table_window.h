#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>

#include "condition/table_bounds_check.h"
#include "engine/dealer.h"
#include "journal/journal.h"
#include "simulation/dialogue.h"
#include "ui/kit/window_placement.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace ondiscale {

class AnalysisPanel;
class BarProgress;
class ConditionForm;
class FittingScroll;
class LessonWindow;
class TableRun;

// "Fréquence d'une donne précisée": the question as a teacher asks it,
// what is known and what is asked (condition_form.h), each a minimum and
// a maximum for each suit's length and the points of each hand and each
// partnership, a shape and cards for each hand, in up to four
// alternatives; and the run of whole deals, batch after batch, into the
// journal. With nothing known it is the share of all deals that meet what
// is asked. A bad form gets one message and the keyboard goes to the box
// at fault; nothing typed is ever reset.
class TableWindow : public QMainWindow {
    Q_OBJECT

public:
    TableWindow(Dealer& dealer, Dialogue& dialogue, Journal& journal, QWidget* parent);
    ~TableWindow() override;

    // Shows the window beside `main` the first time, where the user left it
    // afterwards, and gives it the keyboard.
    void openBeside(QWidget& main);

    // The run of the question the boxes hold, if it can be run.
    void runTable();

    // "Donnes pour une leçon…": the lesson's window for the boxes' question.
    void openLesson();
    [[nodiscard]] LessonWindow* lesson() const { return lesson_; }

    // The box of a row's measure in what is asked: "NordSudPointsMin".
    [[nodiscard]] QLineEdit* box(const TableBox& box) const;

    // The analysis at double dummy of the last run's deals.
    [[nodiscard]] AnalysisPanel* analysis() const { return analysis_; }

    // What the window is for, in a box (its "Aide" button, F1).
    void showHelp();

protected:
    // Escape gives the keyboard back to the main window.
    void keyPressEvent(QKeyEvent* event) override;
    // Closing the window stops an analysis; what it analysed stays.
    void closeEvent(QCloseEvent* event) override;

private:
    // The boxes, then the button, then the analysis, in the order Tab
    // takes them; again whenever an alternative comes or goes.
    void orderTabs();
    // Taller, where there is room, when the form grows.
    void growToFit();
    // The boxes' question; nothing when the form is wrong, once that is
    // said and the keyboard is at the box at fault.
    [[nodiscard]] std::optional<Condition> checkedCondition();
    // The exact answer counted on another thread when it takes longer
    // than the window may wait: into the journal's entry `entry` and the
    // run `serial`, if that run is still the last.
    void countAside(const Condition& condition, std::size_t entry, std::uint64_t serial);

    Dealer& dealer_;
    Dialogue& dialogue_;
    Journal& journal_;
    ConditionForm* form_;
    FittingScroll* scroll_;
    QPushButton* run_;
    QProgressBar* bar_;
    std::unique_ptr<BarProgress> progress_;
    std::unique_ptr<TableRun> lastRun_;
    std::uint64_t runSerial_ = 0;
    AnalysisPanel* analysis_;
    QPushButton* lessonButton_;
    QToolButton* help_;
    LessonWindow* lesson_ = nullptr;
    BesidePlacement placement_;
    bool placed_ = false;
};

}  // namespace ondiscale
