#include "ui/analysis_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "text/readable_numbers.h"
#include "ui/kit/qt_text.h"
#include "ui/window_texts.h"

namespace ondiscale {

AnalysisPanel::AnalysisPanel(Journal& journal, Dialogue& dialogue, DealsToAnalyse source,
                             QWidget* parent)
    : QWidget(parent),
      journal_(journal),
      dialogue_(dialogue),
      source_(std::move(source)),
      count_(new QSpinBox),
      contracts_(new QLineEdit),
      start_(new QPushButton(qtText(texts::kCmdAnalyse))),
      cancel_(new QPushButton(qtText(texts::kCmdAnalyseAnnuler))),
      bar_(new QProgressBar),
      channel_(new AnalysisChannel(this)) {
    count_->setObjectName(QStringLiteral("AnalyseDonnes"));
    count_->setRange(100, 100'000);
    count_->setValue(1'000);
    count_->setGroupSeparatorShown(true);
    count_->setAccessibleName(qtText(texts::kAnalyseDonnes).chopped(2));
    contracts_->setObjectName(QStringLiteral("AnalyseContrats"));
    contracts_->setPlaceholderText(qtText(texts::kAnalyseContratsExample));
    contracts_->setAccessibleName(qtText(texts::kAnalyseContrats).chopped(2));
    start_->setObjectName(QStringLiteral("cmdAnalyse"));
    start_->setAutoDefault(true);
    cancel_->setObjectName(QStringLiteral("cmdAnalyseAnnuler"));
    cancel_->setEnabled(false);
    bar_->setObjectName(QStringLiteral("AnalyseProgression"));
    bar_->setAccessibleName(qtText(texts::kAnalyseProgressName));
    bar_->hide();

    auto* countLabel = new QLabel(qtText(texts::kAnalyseDonnes));
    countLabel->setBuddy(count_);
    auto* contractsLabel = new QLabel(qtText(texts::kAnalyseContrats));
    contractsLabel->setBuddy(contracts_);
    // How contracts are written, under their box, not only as an example.
    auto* syntax = new QLabel(qtText(texts::kAnalyseContratsHelp));
    syntax->setObjectName(QStringLiteral("AnalyseContratsAide"));
    syntax->setWordWrap(true);
    contracts_->setAccessibleDescription(qtText(texts::kAnalyseContratsHelp));
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(countLabel, 0, 0);
    grid->addWidget(count_, 0, 1);
    grid->addWidget(contractsLabel, 0, 2);
    grid->addWidget(contracts_, 0, 3);
    grid->addWidget(syntax, 1, 2, 1, 2);
    grid->setColumnStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    // A row of its own, wide enough for its words.
    layout->addWidget(bar_);
    setTabOrder(count_, contracts_);
    setTabOrder(contracts_, start_);
    setTabOrder(start_, cancel_);

    connect(start_, &QPushButton::clicked, this, &AnalysisPanel::startAnalysis);
    connect(cancel_, &QPushButton::clicked, this, &AnalysisPanel::cancel);
    connect(channel_, &AnalysisChannel::progressed, this, &AnalysisPanel::progressed);
    connect(channel_, &AnalysisChannel::stepped, this, &AnalysisPanel::stepped);
    connect(channel_, &AnalysisChannel::finished, this, &AnalysisPanel::ended);
}

AnalysisPanel::~AnalysisPanel() = default;

std::vector<QWidget*> AnalysisPanel::tabOrder() const {
    return {count_, contracts_, start_, cancel_};
}

void AnalysisPanel::startAnalysis() {
    if (running_) {
        return;
    }
    const ParsedContracts parsed = parseContracts(contracts_->text().toStdString());
    if (!parsed.error.empty()) {
        dialogue_.messageBox(parsed.error, Buttons::Ok, std::string(texts::kDonneTitle));
        contracts_->setFocus(Qt::OtherFocusReason);
        contracts_->selectAll();
        return;
    }
    std::optional<AnalysisSource> source = source_(static_cast<std::size_t>(count_->value()));
    if (!source || source->deals.empty()) {
        dialogue_.messageBox(texts::kNothingToAnalyse, Buttons::Ok,
                             std::string(texts::kDonneTitle));
        return;
    }
    AnalysisRequest request{std::move(source->deals), parsed.contracts};
    journal_.runStarted({RunKind::Analysis, source->condition, 0, {}});
    entry_ = journal_.entries().size() - 1;
    running_ = true;
    start_->setEnabled(false);
    cancel_->setEnabled(true);
    requested_ = request.deals.size();
    bar_->setRange(0, static_cast<int>(request.deals.size()));
    progressed(0, static_cast<qsizetype>(request.deals.size()));
    bar_->show();
    clock_.start();

    AnalysisListener listener;
    listener.progress = [channel = channel_](std::size_t done, std::size_t total) {
        emit channel->progressed(static_cast<qsizetype>(done), static_cast<qsizetype>(total));
    };
    listener.update = [channel = channel_](AnalysisUpdate update) {
        emit channel->stepped(std::move(update));
    };
    worker_ = std::jthread([channel = channel_, request = std::move(request),
                            listener = std::move(listener)](const std::stop_token& stop) {
        emit channel->finished(analyseDeals(request, stop, listener));
    });
}

void AnalysisPanel::progressed(qsizetype done, qsizetype total) {
    bar_->setValue(static_cast<int>(done));
    const std::string group = dialogue_.groupSeparator();
    const QString count =
        qtText(texts::kAnalyseCount)
            .arg(qtText(groupedText(done, group)), qtText(groupedText(total, group)));
    if (done <= 0 || done >= total) {
        bar_->setFormat(count);
        return;
    }
    // What is left at the pace so far, to the second.
    const qint64 left = (clock_.elapsed() * (total - done) / done + 999) / 1000;
    const QString time = left < 60 ? qtText(texts::kSeconds).arg(left)
                                   : qtText(texts::kMinutes).arg(left / 60).arg(left % 60);
    bar_->setFormat(qtText(texts::kAnalyseLeft).arg(count, time));
}

void AnalysisPanel::stepped(AnalysisUpdate update) {
    journal_.analysisDealt(entry_, std::move(update));
}

void AnalysisPanel::cancel() {
    if (running_) {
        worker_.request_stop();
        cancel_->setEnabled(false);
    }
}

void AnalysisPanel::ended(const std::optional<DoubleDummyError>& error) {
    const bool cut = worker_.get_stop_token().stop_requested() || error.has_value();
    if (cut && journal_.entries().at(entry_).deals < static_cast<std::int64_t>(requested_)) {
        journal_.analysisStopped(entry_);
    }
    worker_.join();
    running_ = false;
    start_->setEnabled(true);
    cancel_->setEnabled(false);
    bar_->hide();
    if (error) {
        dialogue_.messageBox(error->message, Buttons::Ok, std::string(texts::kDonneTitle));
    }
    emit analysisEnded();
}

}  // namespace ondiscale
