#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "condition/condition.h"
#include "doubledummy/solver.h"
#include "engine/dealer.h"
#include "journal/journal.h"
#include "simulation/dialogue.h"
#include "simulation/lesson_set.h"
#include "ui/kit/window_placement.h"
#include "ui/lesson/lesson_print.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace ondiscale {

class BoardView;

// How the window tests deals against a question: directQuestionTest until
// the condition room's compiled matcher takes its place.
using DealTestMaker = std::function<DealTest(const Condition&)>;

// "Donnes pour une leçon": a set of numbered boards that meet the four-hand
// window's condition, shown one large at a time, dealt again one by one,
// solved at double dummy, printed as hand records and players' sheets and
// written as PBN and LIN files. Dealing and solving run on a thread of
// their own, with their progress and Annuler; each set goes into the
// journal, and its changes follow it there.
class LessonWindow : public QMainWindow {
    Q_OBJECT

public:
    LessonWindow(Journal& journal, Dialogue& dialogue, QWidget* parent, Dealer dealer = Dealer(),
                 DealTestMaker makeTest = directQuestionTest);
    ~LessonWindow() override;

    // Shows the window beside `beside` (the first time) for this question,
    // `text` as the user reads it; a question other than the set's deals a
    // new set at once.
    void openFor(const Condition& condition, const std::string& text, QWidget& beside);

    // What the buttons do.
    void dealSet();
    void redealShown();
    void analyse();
    void cancel();
    void showBoard(int place);
    bool exportPdfTo(const QString& path);
    bool exportPbnTo(const QString& path);
    bool exportLinTo(const QString& path);
    void copyPbn();

    [[nodiscard]] bool busy() const { return busy_; }
    [[nodiscard]] const std::vector<Example>& boards() const { return boards_; }
    [[nodiscard]] int shownPlace() const { return shown_; }
    // The sheets as the controls ask for them, with the set's boards.
    [[nodiscard]] LessonPrint printRequest() const;

signals:
    // A dealing or a solve ended, done, stopped or failed.
    void workEnded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    [[nodiscard]] LessonPlan planFromControls() const;
    // A message about the whole set, `many` for "Les 16 donnes (1 à 16) …",
    // `one` for "La donne 5 …".
    [[nodiscard]] QString setText(const char* many, const char* one) const;
    [[nodiscard]] std::string eventText() const;
    void startWork(int total, const QString& what,
                   std::function<void(std::stop_token, LessonWindow*)> work);
    void workDone();
    void setDealt(LessonDealing dealing, const LessonPlan& plan, const Condition& condition,
                  const std::string& text);
    void setRedealt(LessonDealing dealing, int place);
    void setSolved(SolvedDeals solved, std::vector<std::size_t> places);
    void refresh();
    void say(const QString& text);
    void saved(const std::optional<QString>& failure, const QString& path);
    QString askPath(const char* caption, const char* filter, const char* suffix);

    Journal& journal_;
    Dialogue& dialogue_;
    Dealer dealer_;  // used by the work thread alone while it runs
    DealTestMaker makeTest_;

    Condition condition_;
    std::string conditionText_;
    // The set shown: its boards, what it was dealt for, its journal entry.
    std::vector<Example> boards_;
    std::optional<Condition> setCondition_;
    std::string setText_;
    LessonPlan setPlan_;
    std::optional<std::size_t> entry_;
    int shown_ = 0;

    QLabel* conditionLabel_;
    QSpinBox* boardsBox_;
    QSpinBox* firstBox_;
    QComboBox* rotation_;
    QComboBox* dealerBox_;
    QComboBox* vulnerability_;
    QComboBox* hand_;
    QComboBox* place_;
    QPushButton* deal_;
    BoardView* view_;
    QPushButton* previous_;
    QLabel* position_;
    QPushButton* next_;
    QPushButton* redeal_;
    QPushButton* analyse_;
    QPushButton* cancel_;
    QProgressBar* bar_;
    QComboBox* sheets_;
    QCheckBox* blackAndWhite_;
    QPushButton* print_;
    QPushButton* pdf_;
    QPushButton* pbn_;
    QPushButton* lin_;
    QPushButton* copy_;
    QLabel* status_;
    BesidePlacement placement_;
    bool placed_ = false;
    bool busy_ = false;
    std::jthread worker_;  // last: stopped and joined first when the window goes
};

}  // namespace ondiscale
