#include "ui/journal_window.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "dialogue/number_text.h"
#include "journal/hand_text.h"
#include "journal/journal_text.h"
#include "ui/journal_chart.h"
#include "ui/journal_export.h"
#include "ui/qt_dialogue.h"
#include "ui/window_texts.h"

namespace ondiscale {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }
QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The window's size when the screen has room for it, and the least
// width it takes beside the main window rather than below it.
constexpr int kWidth = 660;
constexpr int kHeight = 600;
constexpr int kLeastWidth = 360;

// One row of the hands table: ♠ ♥ ♦ ♣, hearts and diamonds in red.
QString handCells(const MainSud& hand) {
    struct Suit {
        int number;
        const char* sign;
        bool red;
    };
    static constexpr std::array<Suit, 4> kSuits{
        {{3, "♠", false}, {2, "♥", true}, {1, "♦", true}, {0, "♣", false}}};
    QString cells;
    for (const Suit& s : kSuits) {
        QString sign = text(s.sign);
        if (s.red) {
            sign = QStringLiteral("<span style=\"color:#ff0000\">%1</span>").arg(sign);
        }
        cells += QStringLiteral("<td style=\"padding-right:14px\">%1&nbsp;%2</td>")
                     .arg(sign, text(suitText(hand, s.number)).toHtmlEscaped());
    }
    return cells;
}

QTableWidgetItem* cell(const QString& value) {
    auto* item = new QTableWidgetItem(value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

JournalWindow::JournalWindow(const Journal& journal, Dialogue* dialogue, QWidget* parent)
    : QWidget(parent, Qt::Window),
      journal_(journal),
      ownDialogue_(dialogue == nullptr ? std::make_unique<QtDialogue>(this) : nullptr),
      dialogue_(dialogue != nullptr ? *dialogue : *ownDialogue_),
      runs_(new QListWidget),
      figures_(new QTableWidget(0, 5)),
      chart_(new JournalChart),
      handsBox_(new QGroupBox),
      hands_(new QLabel),
      save_(new QPushButton(text(texts::kJournalSave))) {
    setObjectName(QStringLiteral("Journal"));
    setWindowTitle(text(texts::kJournalTitle));
    // It follows the runs behind their report boxes: showing it or
    // filling it must never take the keyboard from them.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kWidth, kHeight);

    runs_->setObjectName(QStringLiteral("journalRuns"));
    runs_->setWordWrap(true);
    runs_->setTextElideMode(Qt::ElideNone);

    figures_->setObjectName(QStringLiteral("journalFigures"));
    figures_->setHorizontalHeaderLabels({text(texts::kJournalHits), text(texts::kJournalEstimate),
                                         text(texts::kJournalMargin), text(texts::kJournalExact),
                                         text(texts::kJournalGap)});
    figures_->setSelectionBehavior(QAbstractItemView::SelectRows);
    figures_->setSelectionMode(QAbstractItemView::SingleSelection);
    figures_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    figures_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    handsBox_->setObjectName(QStringLiteral("journalHandsBox"));
    hands_->setObjectName(QStringLiteral("journalHands"));
    hands_->setTextFormat(Qt::RichText);
    hands_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    hands_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* handsLayout = new QVBoxLayout(handsBox_);
    handsLayout->addWidget(hands_);

    save_->setObjectName(QStringLiteral("journalSave"));
    save_->setToolTip(text(texts::kJournalSaveTip));
    save_->setShortcut(QKeySequence::SaveAs);
    save_->setAutoDefault(false);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(figures_);
    rightLayout->addWidget(chart_, 1);
    rightLayout->addWidget(handsBox_);

    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(runs_);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({kWidth / 3, 2 * kWidth / 3});
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

JournalWindow::~JournalWindow() = default;

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
    const QString label = text(runLabel(entries[index]));
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
    if (entry == nullptr) {
        figures_->setRowCount(0);
        chart_->showFigure(nullptr, 0);
        handsBox_->setTitle(QString());
        hands_->setText(text(texts::kJournalEmpty).toHtmlEscaped());
        return;
    }
    showFigures(*entry);
    showHands(*entry);
    showChart();
}

void JournalWindow::showFigures(const JournalEntry& entry) {
    const std::string separator = dialogue_.decimalSeparator();
    const auto rows = static_cast<int>(entry.figures.size());
    if (figures_->rowCount() != rows) {
        figureRow_ = 0;
    }
    figures_->setRowCount(rows);
    QStringList names;
    for (int r = 0; r < rows; ++r) {
        const Figure& f = entry.figures[static_cast<std::size_t>(r)];
        const FigureStats s = statsOf(f, entry.deals);
        names << text(f.name);
        const bool dealt = entry.deals > 0;
        const QString none = QStringLiteral("—");
        figures_->setItem(r, 0, cell(text(wholeText(f.hits))));
        figures_->setItem(r, 1,
                          cell(dealt ? text(percentText(s.estimate, separator) + " %") : none));
        figures_->setItem(
            r, 2, cell(dealt ? text("± " + percentText(s.margin, separator) + " %") : none));
        figures_->setItem(r, 3, cell(text(percentText(s.exact, separator) + " %")));
        figures_->setItem(r, 4, cell(dealt ? text(gapText(s.gap, separator)) : none));
    }
    figures_->setVerticalHeaderLabels(names);
    figures_->resizeColumnsToContents();
    figures_->resizeRowsToContents();
    int height = figures_->horizontalHeader()->sizeHint().height() + 2 * figures_->frameWidth();
    for (int r = 0; r < rows; ++r) {
        height += figures_->rowHeight(r);
    }
    figures_->setFixedHeight(height);
    figures_->selectRow(figureRow_);
}

void JournalWindow::showHands(const JournalEntry& entry) {
    handsBox_->setTitle(text(entry.kind == RunKind::Frequency ? texts::kJournalLastHits
                                                              : texts::kJournalLastOfEachLine));
    if (entry.examples.empty()) {
        hands_->setText(text(texts::kJournalNoHand).toHtmlEscaped());
        return;
    }
    QString rows;
    for (const Example& example : entry.examples) {
        const QString label =
            entry.kind == RunKind::Survey
                ? QStringLiteral("<td style=\"padding-right:14px\"><b>%1</b></td>")
                      .arg(text(example.figure).toHtmlEscaped())
                : QString();
        rows += QStringLiteral("<tr>%1%2</tr>").arg(label, handCells(example.hand));
    }
    hands_->setText(QStringLiteral("<table>%1</table>").arg(rows));
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
    beside_ = &main;
    if (isVisible()) {
        raise();
        return;
    }
    placeBeside();
    show();
}

void JournalWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The frame that a window manager adds is known only once shown.
    if (!placedAfterShow_ && beside_ != nullptr) {
        placedAfterShow_ = true;
        placeBeside();
    }
}

// To the left of the main window, which sits at the top-right of the
// screen; to its right, or else below it, when the left has too little room.
void JournalWindow::placeBeside() {
    if (beside_ == nullptr || beside_->screen() == nullptr) {
        return;
    }
    const QRect area = beside_->screen()->availableGeometry();
    const QRect main = beside_->frameGeometry();
    const QSize frame = isVisible() ? frameGeometry().size() - size()
                                    : beside_->frameGeometry().size() - beside_->size();
    const int roomLeft = main.left() - area.left() - frame.width();
    const int roomRight = area.right() - main.right() - frame.width();
    const int top = std::max(area.top(), main.top());
    const int fullHeight = std::min(kHeight, area.bottom() + 1 - top - frame.height());
    if (roomLeft >= kLeastWidth) {
        const int width = std::min(roomLeft, kWidth);
        resize(width, fullHeight);
        move(main.left() - width - frame.width(), top);
    } else if (roomRight >= kLeastWidth) {
        resize(std::min(roomRight, kWidth), fullHeight);
        move(main.right() + 1, top);
    } else {
        const int width = std::min(kWidth, area.width() - frame.width());
        resize(width, std::max(kLeastWidth,
                               std::min(kHeight, area.bottom() - main.bottom() - frame.height())));
        move(area.right() + 1 - width - frame.width(), main.bottom() + 1);
    }
}

void JournalWindow::saveAs() {
    QFileDialog dialog(this, text(texts::kJournalSaveCaption));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(text(texts::kJournalCsvFilter));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    dialog.setDirectory(folder);
    dialog.selectFile(text(texts::kJournalFileName));
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
    const QString message =
        text(texts::kJournalNotSaved).arg(QDir::toNativeSeparators(path), *failure);
    dialogue_.messageBox(message.toStdString(), Buttons::Ok, std::string(texts::kJournalTitle));
    return false;
}

}  // namespace ondiscale
