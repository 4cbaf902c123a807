// The windows' own work, where users feel it: how long the Tables window
// takes to show a change of the vacant places, and how long a step of an
// analysis of 500 typed contracts holds the event loop with the journal
// open. Each iteration is timed from the change to the window drawn again;
// the counters give the longest.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSpinBox>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "analysis/analysis_tally.h"
#include "doubledummy/contract.h"
#include "engine/dealer.h"
#include "journal/journal.h"
#include "simulation/dialogue.h"
#include "ui/application.h"
#include "ui/journal/journal_window.h"
#include "ui/main_window.h"
#include "ui/tables/tables_window.h"

namespace {

using namespace ondiscale;

// A dialogue that never asks: the windows measured here ask nothing.
class SilentDialogue final : public Dialogue {
public:
    Answer messageBox(const std::string& /*prompt*/, Buttons /*buttons*/,
                      const std::optional<std::string>& /*title*/) override {
        return Answer::Ok;
    }
    std::string inputBox(const std::string& /*prompt*/, const std::string& /*title*/,
                         const std::string& /*defaultText*/) override {
        return {};
    }
    [[nodiscard]] std::string decimalSeparator() const override { return ","; }
    [[nodiscard]] std::string groupSeparator() const override { return " "; }
};

// Runs what a change queued (layouts, the chart's turns), then draws.
void settle(QWidget& window) {
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    window.repaint();
}

// West's vacant places set as the typing ends, 13 and 10 in turn, until
// the window is drawn again.
void BM_TablesVacantPlaces(benchmark::State& state) {
    SilentDialogue dialogue;
    MainWindow main(dialogue);
    main.show();
    main.openTables();
    auto& window = *main.findChild<TablesWindow*>(QStringLiteral("Tables"));
    settle(window);
    auto* west = window.findChild<QSpinBox*>(QStringLiteral("tablesWestPlaces"));
    int places = 13;
    double longest = 0;
    for (auto _ : state) {
        places = places == 13 ? 10 : 13;
        QElapsedTimer clock;
        clock.start();
        west->setValue(places);
        settle(window);
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        longest = std::max(longest, ms);
        state.SetIterationTime(ms / 1000);
    }
    state.counters["longest_ms"] = longest;
}
BENCHMARK(BM_TablesVacantPlaces)->UseManualTime()->Unit(benchmark::kMillisecond);

// 500 contracts as a user may type them, each of the 140 there are again
// and again.
std::vector<Contract> typedContracts() {
    std::string typed;
    for (std::size_t n = 0; n < 500; ++n) {
        const std::size_t level = 1 + n % 7;
        const char* strain = std::array{"SA", "P", "C", "K", "T"}[(n / 7) % 5];
        const char* seat = std::array{"N", "E", "S", "O"}[(n / 35) % 4];
        typed += std::to_string(level) + strain + " " + seat + ", ";
    }
    return parseContracts(typed).contracts;
}

// A step of an analysis, 8 deals more, reaching the open journal: from
// the journal told to the window drawn again, as the event loop waits.
void BM_JournalAnalysisStep500Contracts(benchmark::State& state) {
    SilentDialogue dialogue;
    MainWindow main(dialogue);
    main.show();
    Journal journal;
    JournalWindow window(journal, dialogue, &main);
    journal.setListener([&](std::size_t entry) { window.entryChanged(entry); });
    window.openBeside(main);
    journal.runStarted({RunKind::Analysis, "Nord-Sud : 25 ≤ points ≤ 40", 0, {}});
    AnalysisTally tally(typedContracts());
    Dealer dealer;
    std::vector<Example> examples;
    const auto step = [&] {
        for (int d = 0; d < 8; ++d) {
            Deal deal{};
            dealer.dealTable(deal);
            // Tricks and par as varied as real ones, without the solver.
            TrickTable tricks;
            for (std::size_t strain = 0; strain < tricks.tricks.size(); ++strain) {
                for (std::size_t seat = 0; seat < 4; ++seat) {
                    tricks.tricks[strain][seat] =
                        static_cast<std::uint8_t>((deal[seat][strain] + strain + seat) % 14);
                }
            }
            const ParResult par{(deal[0][0] % 5) * 110 - 200,
                                deal[0][1] % 2 != 0 ? "NS 4S" : "EW 3H"};
            tally.add(tricks, par);
            if (examples.size() < 1000) {
                examples.push_back({"Donne analysée", deal, true, tricks, par});
            }
        }
        AnalysisUpdate update = tally.update();
        update.examples = examples;
        return update;
    };
    journal.analysisDealt(0, step());
    settle(window);
    double longest = 0;
    for (auto _ : state) {
        AnalysisUpdate update = step();  // the analysing thread's work
        QElapsedTimer clock;
        clock.start();
        journal.analysisDealt(0, std::move(update));
        settle(window);
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        longest = std::max(longest, ms);
        state.SetIterationTime(ms / 1000);
    }
    state.counters["figures"] = static_cast<double>(journal.entries().front().figures.size());
    state.counters["longest_ms"] = longest;
}
BENCHMARK(BM_JournalAnalysisStep500Contracts)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
