#include "ui/journal_window.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogue/number_text.h"
#include "journal/hand_text.h"
#include "journal/journal_text.h"
#include "ui/journal_chart.h"
#include "ui/journal_export.h"
#include "ui/qt_dialogue.h"
#include "ui/qt_text.h"
#include "ui/twips.h"
#include "ui/window_frame.h"
#include "ui/window_texts.h"

namespace ondiscale {
namespace {

// The window's size when the screen has room for it, and the least
// width it takes beside the main window rather than below it; in twips,
// so that they grow with the fonts at a higher DPI.
constexpr int kWidth = 9900;
constexpr int kHeight = 9000;
constexpr int kLeastWidth = 5400;
constexpr int kLeastHeight = 5400;
constexpr int kListWidth = 2250;
constexpr int kLeastChartHeight = 2700;

// One row of the hands table: ♠ ♥ ♦ ♣, hearts and diamonds in red.
QString handCells(const MainSud& hand) {
    QString cells;
    for (const SuitSign& s : kSuitSigns) {
        QString sign = qtText(s.sign);
        if (s.red) {
            sign = QStringLiteral("<span style=\"color:#ff0000\">%1</span>").arg(sign);
        }
        // No line break within a suit.
        const QString cards = qtText(suitText(hand, s.number))
                                  .toHtmlEscaped()
                                  .replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        cells +=
            QStringLiteral("<td style=\"padding-right:10px\">%1&nbsp;%2</td>").arg(sign, cards);
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
      handsTitle_(new QLabel),
      hands_(new QLabel),
      handsScroll_(new QScrollArea),
      save_(new QPushButton(qtText(texts::kJournalSave))) {
    setObjectName(QStringLiteral("Journal"));
    setWindowTitle(qtText(texts::kJournalTitle));
    // It follows the runs behind their report boxes: showing it or
    // filling it must never take the keyboard from them.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    const Twips twips(*this);
    resize(twips.px(kWidth), twips.px(kHeight));
    placement_ = new FramePlacement(
        *this, [this](const QSize& outer, const QRect& area) { return cornerBeside(outer, area); });

    // Names for screen readers.
    runs_->setAccessibleName(qtText(texts::kJournalRunsName));
    figures_->setAccessibleName(qtText(texts::kJournalFiguresName));
    chart_->setAccessibleName(qtText(texts::kJournalChartName));
    hands_->setAccessibleName(qtText(texts::kJournalHandsName));

    runs_->setObjectName(QStringLiteral("journalRuns"));
    runs_->setMinimumWidth(twips.px(kListWidth));
    runs_->setWordWrap(true);
    runs_->setTextElideMode(Qt::ElideNone);

    figures_->setObjectName(QStringLiteral("journalFigures"));
    figures_->setHorizontalHeaderLabels(
        {qtText(texts::kJournalHits), qtText(texts::kJournalEstimate),
         qtText(texts::kJournalMargin), qtText(texts::kJournalExactColumn),
         qtText(texts::kJournalGap)});
    figures_->setSelectionBehavior(QAbstractItemView::SelectRows);
    figures_->setSelectionMode(QAbstractItemView::SingleSelection);
    // As tall as its rows, and scrolled sideways only when the window is
    // too narrow for its columns (see fitFigures).
    figures_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    figures_->installEventFilter(this);
    figures_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

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
    save_->setToolTip(qtText(texts::kJournalSaveTip));
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
        hands_->setText(qtText(texts::kJournalEmpty).toHtmlEscaped());
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
        names << qtText(f.name);
        const bool dealt = entry.deals > 0;
        const QString none = QStringLiteral("—");
        figures_->setItem(r, 0, cell(qtText(wholeText(f.hits))));
        figures_->setItem(r, 1,
                          cell(dealt ? qtText(percentText(s.estimate, separator) + " %") : none));
        figures_->setItem(
            r, 2, cell(dealt ? qtText("± " + percentText(s.margin, separator) + " %") : none));
        figures_->setItem(r, 3, cell(qtText(percentText(s.exact, separator) + " %")));
        figures_->setItem(r, 4, cell(dealt ? qtText(gapText(s.gap, separator)) : none));
    }
    figures_->setVerticalHeaderLabels(names);
    figures_->resizeColumnsToContents();
    figures_->resizeRowsToContents();
    fitFigures();
    figures_->selectRow(figureRow_);
}

void JournalWindow::fitFigures() {
    const QHeaderView* across = figures_->horizontalHeader();
    const QHeaderView* down = figures_->verticalHeader();
    const int frame = 2 * figures_->frameWidth();
    const bool scrolls = figures_->width() < down->sizeHint().width() + across->length() + frame;
    const int scrollBar = scrolls ? figures_->horizontalScrollBar()->sizeHint().height() : 0;
    figures_->setFixedHeight(across->sizeHint().height() + down->length() + frame + scrollBar);
}

bool JournalWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == figures_ && event->type() == QEvent::Resize) {
        fitFigures();
    }
    return QWidget::eventFilter(watched, event);
}

void JournalWindow::showHands(const JournalEntry& entry) {
    handsTitle_->setText(qtText(entry.kind == RunKind::Frequency ? texts::kJournalLastHits
                                                                 : texts::kJournalLastOfEachLine));
    if (entry.examples.empty()) {
        hands_->setText(qtText(texts::kJournalNoHand).toHtmlEscaped());
        return;
    }
    QString rows;
    for (const Example& example : entry.examples) {
        const QString label =
            entry.kind == RunKind::Survey
                ? QStringLiteral("<td style=\"padding-right:10px\"><b>%1</b></td>")
                      .arg(qtText(example.figure).toHtmlEscaped())
                : QString();
        rows += QStringLiteral("<tr>%1%2</tr>").arg(label, handCells(example.hand));
    }
    hands_->setText(QStringLiteral("<table>%1</table>").arg(rows));
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
    beside_ = &main;
    if (isVisible()) {
        raise();
        return;
    }
    fitBeside();
    placement_->place();
    show();
}

// To the left of the main window, which sits at the top-right of the
// screen; to its right, or else below it, when the left has too little
// room; on a screen too small for any of these, on the wider side, as
// narrow as it must be (what does not fit scrolls). Never over the main
// window, never off the work area.
void JournalWindow::fitBeside() {
    const Twips twips(*beside_);
    const int width = twips.px(kWidth);
    const int height = twips.px(kHeight);
    const int leastWidth = twips.px(kLeastWidth);
    const QRect area = workArea(*beside_);
    const QRect main = beside_->frameGeometry();
    // Where the frame is not known before showing, the main window's stands
    // for it: a window manager frames the windows of one program alike.
    QMargins frame = frameOf(*this);
    if (frame.isNull()) {
        frame = frameOf(*beside_);
    }
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int roomLeft = main.left() - area.left() - frameWidth;
    const int roomRight = area.right() - main.right() - frameWidth;
    const int roomBelow = area.bottom() - main.bottom() - frameHeight;
    const int besideHeight =
        std::min(height, area.bottom() + 1 - std::max(area.top(), main.top()) - frameHeight);

    QSize inner(0, besideHeight);
    if (roomLeft >= leastWidth) {
        side_ = Side::Left;
        inner.setWidth(std::min(roomLeft, width));
    } else if (roomRight >= leastWidth) {
        side_ = Side::Right;
        inner.setWidth(std::min(roomRight, width));
    } else if (roomBelow >= twips.px(kLeastHeight)) {
        side_ = Side::Below;
        inner = QSize(std::min(width, area.width() - frameWidth), std::min(height, roomBelow));
    } else {
        side_ = roomLeft >= roomRight ? Side::Left : Side::Right;
        inner.setWidth(std::max(std::max(roomLeft, roomRight), 1));
    }
    resize(inner);
}

QPoint JournalWindow::cornerBeside(const QSize& outer, const QRect& area) const {
    const QRect main = beside_ != nullptr ? beside_->frameGeometry() : QRect();
    const int top = std::max(area.top(), main.top());
    switch (side_) {
        case Side::Left:
            return {main.left() - outer.width(), top};
        case Side::Right:
            return {main.right() + 1, top};
        case Side::Below:
            break;
    }
    return {area.right() + 1 - outer.width(), main.bottom() + 1};
}

void JournalWindow::saveAs() {
    QFileDialog dialog(this, qtText(texts::kJournalSaveCaption));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtText(texts::kJournalCsvFilter));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    dialog.setDirectory(folder);
    dialog.selectFile(qtText(texts::kJournalFileName));
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
        qtText(texts::kJournalNotSaved).arg(QDir::toNativeSeparators(path), *failure);
    dialogue_.messageBox(message.toStdString(), Buttons::Ok, std::string(texts::kJournalTitle));
    return false;
}

}  // namespace ondiscale
