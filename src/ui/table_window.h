#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "condition/table_bounds_check.h"
#include "engine/dealer.h"
#include "journal/journal.h"
#include "simulation/dialogue.h"
#include "ui/kit/window_placement.h"

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace ondiscale {

class AnalysisPanel;
class BarProgress;
class LessonWindow;
class TableRun;

// "Fréquence d'une donne précisée": a minimum and a maximum for each suit's
// length and the points of each hand and each partnership, and the run of
// whole deals that meet them all, batch after batch, into the journal.
// Bad bounds get one message and the keyboard goes to the box at fault;
// nothing typed is ever reset.
class TableWindow : public QMainWindow {
    Q_OBJECT

public:
    TableWindow(Dealer& dealer, Dialogue& dialogue, Journal& journal, QWidget* parent);
    ~TableWindow() override;

    // Shows the window beside `main` the first time, where the user left it
    // afterwards, and gives it the keyboard.
    void openBeside(QWidget& main);

    // The run of the bounds the boxes hold, if they can be run.
    void runTable();

    // "Donnes pour une leçon…": the lesson's window for the boxes' bounds.
    void openLesson();
    [[nodiscard]] LessonWindow* lesson() const { return lesson_; }

    // The run last made, if any: its bounds and the deals it kept.
    [[nodiscard]] const TableRun* lastRun() const { return lastRun_.get(); }

    // The box of a row's measure: "NordSudPointsMin".
    [[nodiscard]] QLineEdit* box(const TableBox& box) const;

    // The analysis at double dummy of the last run's deals.
    [[nodiscard]] AnalysisPanel* analysis() const { return analysis_; }

protected:
    // Escape gives the keyboard back to the main window.
    void keyPressEvent(QKeyEvent* event) override;
    // Closing the window stops an analysis; what it analysed stays.
    void closeEvent(QCloseEvent* event) override;

private:
    [[nodiscard]] TableTexts boxTexts() const;
    // The boxes' bounds; nothing when they are wrong, once that is said
    // and the keyboard is at the box at fault.
    [[nodiscard]] std::optional<TableBounds> checkedBounds();

    Dealer& dealer_;
    Dialogue& dialogue_;
    Journal& journal_;
    std::array<std::array<std::array<QLineEdit*, 2>, kMeasures>, kTableRows> boxes_{};
    QPushButton* run_;
    QProgressBar* bar_;
    std::unique_ptr<BarProgress> progress_;
    std::unique_ptr<TableRun> lastRun_;
    AnalysisPanel* analysis_;
    LessonWindow* lesson_ = nullptr;
    BesidePlacement placement_;
    bool placed_ = false;
};

}  // namespace ondiscale
