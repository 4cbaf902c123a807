#pragma once

#include <QMainWindow>
#include <memory>

#include "condition/bounds_check.h"
#include "engine/dealer.h"
#include "journal/journal.h"
#include "simulation/dialogue.h"
#include "simulation/survey_groups.h"
#include "ui/journal/session_keeper.h"

class QLineEdit;
class QProgressBar;
class QSessionManager;

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

    // A logout or a closed terminal (QuitSignals): the session saved as a
    // quit saves it, without a question, for nobody may be there to
    // answer; a failure said on standard error. The program's exit status:
    // 0, or 1 when the session could not be saved.
    int endSession();

    // The desktop's session manager asks for the work to be saved before
    // a logout: saved, in place of the file a quit would write. A failure
    // is said on screen when `mayAsk`, with a way to keep the work; false
    // when the user chose to go back to the program (the logout is
    // cancelled).
    bool saveForLogout(bool mayAsk);

    // The exit status once the window has closed: 1 when the user quit
    // without the session saved, 0 otherwise.
    [[nodiscard]] int exitStatus() const { return unsaved_ ? 1 : 0; }

protected:
    // The program ends when this window closes: the session's journal is
    // saved first, without a question. A failure is said on screen, with a
    // way to keep the work or to go back to the program.
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

    void commitSession(QSessionManager& manager);

    Dialogue& dialogue_;
    Dealer dealer_;
    Journal journal_;  // the session's runs
    SessionKeeper keeper_{journal_};
    bool unsaved_ = false;  // the user quit with the session not saved

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
