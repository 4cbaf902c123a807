#include "ui/analysis_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

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
      bar_(new QProgressBar) {
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
    bar_->setTextVisible(false);
    bar_->hide();

    auto* countLabel = new QLabel(qtText(texts::kAnalyseDonnes));
    countLabel->setBuddy(count_);
    auto* contractsLabel = new QLabel(qtText(texts::kAnalyseContrats));
    contractsLabel->setBuddy(contracts_);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(countLabel, 0, 0);
    grid->addWidget(count_, 0, 1);
    grid->addWidget(contractsLabel, 0, 2);
    grid->addWidget(contracts_, 0, 3);
    grid->setColumnStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    buttons->addWidget(bar_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setTabOrder(count_, contracts_);
    setTabOrder(contracts_, start_);
    setTabOrder(start_, cancel_);

    connect(start_, &QPushButton::clicked, this, &AnalysisPanel::startAnalysis);
    connect(cancel_, &QPushButton::clicked, this, &AnalysisPanel::cancel);
}

AnalysisPanel::~AnalysisPanel() = default;

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
    const std::size_t entry = journal_.entries().size() - 1;
    running_ = true;
    start_->setEnabled(false);
    cancel_->setEnabled(true);
    bar_->setRange(0, static_cast<int>(request.deals.size()));
    bar_->setValue(0);
    bar_->show();

    // The thread tells the window through its event loop: whatever is still
    // queued when the panel goes is dropped with it.
    AnalysisListener listener;
    listener.progress = [this](std::size_t done, std::size_t /*total*/) {
        QMetaObject::invokeMethod(
            this, [this, done] { bar_->setValue(static_cast<int>(done)); }, Qt::QueuedConnection);
    };
    listener.update = [this, entry](AnalysisUpdate update) {
        auto shared = std::make_shared<AnalysisUpdate>(std::move(update));
        QMetaObject::invokeMethod(
            this, [this, entry, shared] { journal_.analysisDealt(entry, std::move(*shared)); },
            Qt::QueuedConnection);
    };
    worker_ = std::jthread([this, request = std::move(request),
                            listener = std::move(listener)](const std::stop_token& stop) {
        const std::optional<DoubleDummyError> error = analyseDeals(request, stop, listener);
        QMetaObject::invokeMethod(
            this, [this, error] { ended(error); }, Qt::QueuedConnection);
    });
}

void AnalysisPanel::cancel() {
    if (running_) {
        worker_.request_stop();
        cancel_->setEnabled(false);
    }
}

void AnalysisPanel::ended(const std::optional<DoubleDummyError>& error) {
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
