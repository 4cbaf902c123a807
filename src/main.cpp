// How a click travels through the program, taking "Fréquence pour 100.000
// tirages" as the example:
//
//   ui/MainWindow::runFrequency       reads its ten boxes into BoundTexts
//   condition/checkBounds             answers with the bounds, or which
//                                     group of boxes to reset (the window
//                                     shows the message and resets them)
//   simulation/runFrequency           makes a FrequencyRun and hands it to
//   simulation/runBatches             the loop every run goes through:
//     FrequencyRun::dealBatch           engine/Dealer deals 100,000 hands,
//                                       engine/hand_measures measures them,
//                                       condition/matcher tests the bounds,
//                                       the window's bar moves
//     journal/Journal::batchDealt       records the batch; the journal's
//                                       window, if open, follows it
//     Dialogue::messageBox              ui/QtDialogue asks Oui or Non
//   ui/MainWindow                     puts the boxes back to their defaults
//
// The rooms, each a folder named for what it holds:
//   engine/      cards, the card parser, the random source, the dealers, measures
//   condition/   the question as one value (what is known, what is asked),
//                the checks of the windows' boxes into it, its matchers and
//                its French text: a new kind of clause goes here
//   exact/       exact counts of the conditions and the teaching tables
//   stats/       margins of error
//   text/        numbers as people read them
//   simulation/  the batch loop and the runs (South's hand, surveys, whole deals)
//   doubledummy/ libdds behind the program's deals: tricks, par, contracts
//   journal/     the session's record of runs
//   formats/     the session file, CSV and PBN
//   analysis/    a run's deals solved at double dummy into the journal
//   ui/          the windows, ui/kit the generic widgets
//
// The surveys take the same road from their menu entries
// (simulation/runSurvey asks for the seventh distribution first); the
// whole-deal window checks its boxes in condition/ and runs a TableRun.
// Everything above ui/ is free of Qt and is tested without a display.
#include <QApplication>
#include <optional>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/qt_dialogue.h"
#include "ui/quit_signals.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = ondiscale::answerBeforeWindow(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    ondiscale::setUpApplication(app);
    ondiscale::QtDialogue dialogue;
    ondiscale::MainWindow window(dialogue);
    // A logout ends the program as its QUITTER button does: session saved.
    const ondiscale::QuitSignals logout(
        [&window](int /*signal*/) { QCoreApplication::exit(window.endSession()); });
    window.show();
    const int status = QApplication::exec();
    return status != 0 ? status : window.exitStatus();
}
