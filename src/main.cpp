// How a click travels through the program, taking "Fréquence pour 100.000
// tirages" as the example:
//
//   ui/MainWindow::runFrequency       reads its ten boxes into BoundTexts
//   frequency/checkBounds             answers with the bounds, or which
//                                     group of boxes to reset (the window
//                                     shows the message and resets them)
//   frequency/runFrequency            makes a FrequencyRun and hands it to
//   run/runBatches                    the loop every run goes through:
//     FrequencyRun::dealBatch           engine/Dealer deals 100,000 hands,
//                                       engine/hand_measures measures them,
//                                       the window's bar moves
//     journal/Journal::batchDealt       records the batch; the journal's
//                                       window, if open, follows it
//     Dialogue::messageBox              ui/QtDialogue asks Oui or Non
//   ui/MainWindow                     puts the boxes back to their defaults
//
// The surveys take the same road from their menu entries (survey/runSurvey
// asks for the seventh distribution first). Everything above ui/ is free
// of Qt and is tested without a display.
#include <QApplication>
#include <optional>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/qt_dialogue.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = ondiscale::answerBeforeWindow(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    ondiscale::setUpApplication(app);
    ondiscale::QtDialogue dialogue;
    ondiscale::MainWindow window(dialogue);
    window.show();
    return QApplication::exec();
}
