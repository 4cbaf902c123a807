#pragma once

#include <QMainWindow>
#include <memory>

#include "simulation/dialogue.h"
#include "engine/dealer.h"
#include "condition/bounds_check.h"
#include "journal/journal.h"
#include "simulation/survey_groups.h"

class QLineEdit;
class QProgressBar;

namespace ondiscale {

class About;
class JournalWindow;
class TableWindow;
class TablesWindow;
class BarProgress;

// The main window: the ten bound boxes, the frequency button and its
// progress bar, the menus. It holds the session's dealer and journal, and
// talks to the user through the dialogue it is given.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Dialogue& dialogue, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The caption of a suit's label: "<=  ", the suit's sign, " <=".
    static QString suitLabelText(Suit suit);

    // What the buttons and the menu entries do.
    void runFrequency();
    void runSurvey(const SurveyGroup& group);
    void showHelp();
    void showInformation();
    void showAbout();
    void openJournal();
    void openTable();
    void openTables();

    [[nodiscard]] const Journal& journal() const { return journal_; }

protected:
    // The program ends when this window closes: the session's journal is
    // saved first, without a question.
    void closeEvent(QCloseEvent* event) override;

private:
    // A minimum and a maximum box.
    struct RangeBoxes {
        QLineEdit* min = nullptr;
        QLineEdit* max = nullptr;
    };

    void buildControls();
    void buildMenus();
    void writeSuitLabels();
    [[nodiscard]] BoundTexts boundTexts() const;
    void resetCardBounds();
    void resetPointBounds();

    Dialogue& dialogue_;
    Dealer dealer_;
    Journal journal_;  // the session's runs

    PerSuit<RangeBoxes> suitBoxes_;  // Text1 to Text8
    RangeBoxes pointBoxes_;          // Text9 and Text10
    QProgressBar* progressBar_ = nullptr;
    std::unique_ptr<BarProgress> progress_;
    About* about_ = nullptr;
    JournalWindow* journalWindow_ = nullptr;
    TableWindow* tableWindow_ = nullptr;
    TablesWindow* tablesWindow_ = nullptr;
};

}  // namespace ondiscale
