#include "ui/journal/journal_window.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "journal/journal_text.h"
#include "ui/journal/example_hands.h"
#include "ui/journal/figures_table.h"
#include "ui/journal/journal_chart.h"
#include "ui/journal/journal_export.h"
#include "ui/journal/journal_texts.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

// The window's size when the screen has room for it, and the least
// width it takes beside the main window rather than below it; in twips,
// so that they grow with the fonts at a higher DPI.
constexpr int kWidth = 9900;
constexpr int kHeight = 9000;
constexpr int kLeastWidth = 5400;
constexpr int kLeastHeight = 5400;
constexpr int kListWidth = 2250;
constexpr int kLeastChartHeight = 2700;

QSize twipsSize(const QWidget& window, int width, int height) {
    const Twips twips(window);
    return {twips.px(width), twips.px(height)};
}

}  // namespace

JournalWindow::JournalWindow(const Journal& journal, Dialogue& dialogue, QWidget* parent)
    : QWidget(parent, Qt::Window),
      journal_(journal),
      dialogue_(dialogue),
      runs_(new QListWidget),
      figures_(new FiguresTable),
      chart_(new JournalChart),
      handsTitle_(new QLabel),
      hands_(new QLabel),
      handsScroll_(new QScrollArea),
      save_(new QPushButton(qtText(texts::kSave))),
      placement_(*this, twipsSize(*this, kWidth, kHeight),
                 twipsSize(*this, kLeastWidth, kLeastHeight)) {
    setObjectName(QStringLiteral("Journal"));
    setWindowTitle(qtText(texts::kTitle));
    // It follows the runs behind their report boxes: showing it or
    // filling it must never take the keyboard from them.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    const Twips twips(*this);
    resize(twips.px(kWidth), twips.px(kHeight));

    // Names for screen readers.
    runs_->setAccessibleName(qtText(texts::kRunsName));
    figures_->setAccessibleName(qtText(texts::kFiguresName));
    chart_->setAccessibleName(qtText(texts::kChartName));
    hands_->setAccessibleName(qtText(texts::kHandsName));

    runs_->setObjectName(QStringLiteral("journalRuns"));
    runs_->setMinimumWidth(twips.px(kListWidth));
    runs_->setWordWrap(true);
    runs_->setTextElideMode(Qt::ElideNone);
    figures_->setObjectName(QStringLiteral("journalFigures"));

    handsTitle_->setObjectName(QStringLiteral("journalHandsTitle"));
    handsTitle_->setWordWrap(true);
    hands_->setObjectName(QStringLiteral("journalHands"));
    hands_->setTextFormat(Qt::RichText);
    hands_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    hands_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A hand with a long suit may be wider than the window: it scrolls
    // rather than widen the window over the main one.
    handsScroll_->setWidgetResizable(true);
    handsScroll_->setWidget(hands_);

    save_->setObjectName(QStringLiteral("journalSave"));
    save_->setToolTip(qtText(texts::kSaveTip));
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    save_->setAutoDefault(false);

    chart_->setMinimumHeight(twips.px(kLeastChartHeight));

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(figures_);
    rightLayout->addWidget(chart_, 1);
    rightLayout->addWidget(handsTitle_);
    rightLayout->addWidget(handsScroll_);

    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(runs_);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({twips.px(kListWidth), twips.px(kWidth - kListWidth)});
    split->setChildrenCollapsible(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    connect(runs_, &QListWidget::currentRowChanged, this, [this] { showRun(); });
    connect(figures_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != figureRow_) {
            figureRow_ = row;
            showChart();
        }
    });
    connect(save_, &QPushButton::clicked, this, [this] { saveAs(); });

    for (std::size_t i = 0; i < journal_.entries().size(); ++i) {
        entryChanged(i);
    }
    showRun();
}

const JournalEntry* JournalWindow::shownEntry() const {
    const int row = runs_->currentRow();
    const auto& entries = journal_.entries();
    return row >= 0 && static_cast<std::size_t>(row) < entries.size()
               ? &entries[static_cast<std::size_t>(row)]
               : nullptr;
}

void JournalWindow::entryChanged(std::size_t index) {
    const auto& entries = journal_.entries();
    if (index >= entries.size()) {
        return;
    }
    const QString label = qtText(runLabel(entries[index]));
    const auto row = static_cast<int>(index);
    if (row < runs_->count()) {
        runs_->item(row)->setText(label);
        if (row == runs_->currentRow()) {
            showRun();
        }
        return;
    }
    // A new run: shown at once, unless the user is looking at an older one.
    const bool following = runs_->currentRow() < 0 || runs_->currentRow() == runs_->count() - 1;
    runs_->addItem(label);
    if (following) {
        runs_->setCurrentRow(row);
    }
}

void JournalWindow::showRun() {
    const JournalEntry* entry = shownEntry();
    figures_->setVisible(entry != nullptr);
    chart_->setVisible(entry != nullptr);
    if (entry == nullptr) {
        figures_->setRowCount(0);
        handsTitle_->clear();
        hands_->setText(qtText(texts::kEmpty).toHtmlEscaped());
        return;
    }
    if (figures_->rowCount() != static_cast<int>(entry->figures.size())) {
        figureRow_ = 0;
    }
    figures_->showEntry(*entry, dialogue_.decimalSeparator());
    figures_->selectRow(figureRow_);
    showHands(*entry);
    showChart();
}

void JournalWindow::showHands(const JournalEntry& entry) {
    handsTitle_->setText(
        qtText(entry.kind == RunKind::Frequency ? texts::kLastHits : texts::kLastOfEachLine));
    hands_->setText(entry.examples.empty() ? qtText(texts::kNoHand).toHtmlEscaped()
                                           : exampleHandsHtml(entry));
    handsScroll_->setMinimumHeight(hands_->sizeHint().height() + 2 * handsScroll_->frameWidth());
}

void JournalWindow::showChart() {
    const JournalEntry* entry = shownEntry();
    const Figure* figure = nullptr;
    if (entry != nullptr && figureRow_ >= 0 &&
        static_cast<std::size_t>(figureRow_) < entry->figures.size()) {
        figure = &entry->figures[static_cast<std::size_t>(figureRow_)];
    }
    chart_->showFigure(figure, entry != nullptr ? entry->deals : 0);
}

void JournalWindow::openBeside(QWidget& main) {
    if (isVisible()) {
        raise();
        return;
    }
    placement_.placeBeside(main);
    show();
}

void JournalWindow::saveAs() {
    QFileDialog dialog(this, qtText(texts::kSaveCaption));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtText(texts::kCsvFilter));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    dialog.setDirectory(folder);
    dialog.selectFile(qtText(texts::kFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    saveTo(dialog.selectedFiles().constFirst());
}

bool JournalWindow::saveTo(const QString& path) {
    const auto failure = saveJournalCsv(journal_.entries(), path);
    if (!failure) {
        return true;
    }
    const QString message = qtText(texts::kNotSaved).arg(QDir::toNativeSeparators(path), *failure);
    dialogue_.messageBox(message.toStdString(), Buttons::Ok, std::string(texts::kTitle));
    return false;
}

}  // namespace ondiscale
