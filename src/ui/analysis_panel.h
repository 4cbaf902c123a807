#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QWidget>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "analysis/analysis_run.h"
#include "journal/journal.h"
#include "simulation/dialogue.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace ondiscale {

// What the analysing thread tells the panel. The signals are emitted on
// that thread and belong to an object of the panel's: each reaches the
// panel as a call queued on its event loop, its value copied, and is
// dropped if the panel has gone.
class AnalysisChannel : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void progressed(qsizetype done, qsizetype total);
    void stepped(ondiscale::AnalysisUpdate update);
    void finished(std::optional<ondiscale::DoubleDummyError> error);
};

// The deals of the last run that met its bounds, newest first, and its
// condition; nothing before a run.
struct AnalysisSource {
    std::vector<Deal> deals;
    std::string condition;
};
using DealsToAnalyse = std::function<std::optional<AnalysisSource>(std::size_t most)>;

// "Analyse à quatre jeux": how many of the deals to analyse, the contracts
// to follow, and the analysis itself, on a thread of its own so that the
// windows stay responsive, into the journal step by step; the bar tells
// the deals done and the time left. "Annuler" stops it, what was analysed
// kept; so does closing or destroying the panel.
class AnalysisPanel : public QWidget {
    Q_OBJECT

public:
    AnalysisPanel(Journal& journal, Dialogue& dialogue, DealsToAnalyse source,
                  QWidget* parent = nullptr);
    ~AnalysisPanel() override;

    // Checks the contracts, then analyses the deals in the background.
    void startAnalysis();
    // Asks the analysis to stop after the solver's current call.
    void cancel();
    [[nodiscard]] bool running() const { return running_; }
    // Its controls in the order Tab goes through them.
    [[nodiscard]] std::vector<QWidget*> tabOrder() const;

signals:
    // The analysis ended, done, cancelled or failed.
    void analysisEnded();

private:
    void progressed(qsizetype done, qsizetype total);
    void stepped(AnalysisUpdate update);
    void ended(const std::optional<DoubleDummyError>& error);

    Journal& journal_;
    Dialogue& dialogue_;
    DealsToAnalyse source_;
    QSpinBox* count_;
    QLineEdit* contracts_;
    QPushButton* start_;
    QPushButton* cancel_;
    QProgressBar* bar_;
    AnalysisChannel* channel_;
    QElapsedTimer clock_;        // since the analysis started
    std::size_t entry_ = 0;      // the analysis's in the journal
    std::size_t requested_ = 0;  // the deals it was given
    bool running_ = false;
    std::jthread worker_;  // last: stopped and joined first when the panel goes
};

}  // namespace ondiscale
