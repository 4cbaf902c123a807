#include "ui/journal/journal_window.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <climits>

#include "analysis/analysis_tally.h"
#include "doubledummy/contract.h"
#include "doubledummy/strain.h"
#include "engine/card_text.h"
#include "text/readable_numbers.h"
#include "ui/journal/deal_diagrams.h"
#include "ui/journal/example_hands.h"
#include "ui/journal/figures_table.h"
#include "ui/journal/journal_chart.h"
#include "ui/journal/journal_export.h"
#include "ui/journal/journal_texts.h"
#include "ui/journal/session_store.h"
#include "ui/journal/sessions_dialog.h"
#include "ui/kit/bar_chart.h"
#include "ui/kit/escape_back.h"
#include "ui/kit/flow_layout.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/read_only_table.h"
#include "ui/kit/save_file.h"
#include "ui/kit/twips.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

// The window's size when the screen has room for it (as tall as the work
// area, wide enough for two deals side by side), and the least size it
// takes beside the main window rather than below it; in twips, so that
// they grow with the fonts at a higher DPI.
constexpr int kWidth = 21600;
constexpr int kHeight = 16200;
constexpr int kLeastWidth = 5400;
constexpr int kLeastHeight = 5400;
// The least sizes of the parts; the splitters give them the rest.
constexpr int kLeastRunsHeight = 700;
constexpr int kLeastChartHeight = 1800;
constexpr int kLeastChartWidth = 3000;
constexpr int kLeastChartLines = 9;
constexpr int kLeastHandsHeight = 900;
// The runs in view at once; what the figures take at most of the height.
constexpr int kRunsLines = 4;
constexpr double kFiguresShare = 0.4;
// A four-hand run's deals drawn as diagrams.
constexpr std::size_t kShownDeals = 5;
// A session that opens faster shows no bar.
constexpr int kOpeningShownAfterMs = 300;

// A run's title wraps between its ranges only: "5 ≤ ♠ ≤ 5" stays whole.
QString unbreakable(QString title) {
    const QChar space(0x00a0);
    return title.replace(QStringLiteral(" ≤ "), QString(space) + u'≤' + space)
        .replace(QStringLiteral("« "), QString(u'«') + space)
        .replace(QStringLiteral(" »"), QString(space) + u'»')
        .replace(QStringLiteral(" — "), QString(space) + QStringLiteral("— "));
}

QWidget* stacked(std::initializer_list<QWidget*> parts) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* part : parts) {
        layout->addWidget(part, part == *std::prev(parts.end()) ? 1 : 0);
    }
    return box;
}

// "3SA Sud : réussi" read back as the contract it counts.
std::optional<Contract> contractOf(const std::string& name) {
    const ParsedContracts parsed = parseContracts(name.substr(0, name.find(" : ")));
    return parsed.contracts.size() == 1 ? std::optional(parsed.contracts.front()) : std::nullopt;
}

// What follows the first " : " of a par's name: "4♠ par Nord ou Sud, +420".
QString parOf(const std::string& name) {
    const auto colon = name.find(" : ");
    return qtText(colon == std::string::npos ? name : name.substr(colon + 3));
}

// "3SA", "Sud" of a contract.
std::pair<QString, QString> contractWords(const Contract& contract) {
    return {QString::number(contract.level) + qtText(strainText(contract.strain)),
            qtText(nameOf(contract.declarer))};
}

// The rows an entry shows in its table: an analysis's contracts and pars,
// its games going to the grid; every figure of the other runs.
std::vector<std::size_t> tableRowsOf(const JournalEntry& entry) {
    std::vector<std::size_t> rows;
    if (entry.analysis) {
        const AnalysisParts parts = analysisParts(*entry.analysis);
        for (std::size_t i = 0; i < parts.contracts; ++i) {
            rows.push_back(i);
        }
        for (std::size_t i = 0; i < parts.pars; ++i) {
            rows.push_back(parts.contracts + parts.games + i);
        }
        return rows;
    }
    for (std::size_t i = 0; i < entry.figures.size(); ++i) {
        rows.push_back(i);
    }
    return rows;
}

QString rowName(const JournalEntry& entry, std::size_t figure) {
    const std::string& name = entry.figures[figure].name;
    if (!entry.analysis) {
        return qtText(name);
    }
    if (entry.analysis->figureTricks.at(figure) == kParBars) {
        return qtText(texts::kParRow).arg(parOf(name));
    }
    if (const auto contract = contractOf(name)) {
        const auto [bid, declarer] = contractWords(*contract);
        return qtText(texts::kContractRow).arg(bid, declarer);
    }
    return qtText(name);
}

}  // namespace

JournalWindow::JournalWindow(const Journal& journal, Dialogue& dialogue, QWidget* parent)
    : JournalWindow(nullptr, journal, dialogue, parent) {}

JournalWindow* JournalWindow::reopened(std::vector<JournalEntry> entries, const QString& label,
                                       Dialogue& dialogue, QWidget* parent) {
    auto own = std::make_unique<Journal>(Journal::reopened(std::move(entries)));
    const Journal& journal = *own;
    auto* window = new JournalWindow(std::move(own), journal, dialogue, parent);
    window->setObjectName(QStringLiteral("JournalReopened"));
    window->setWindowTitle(qtText(texts::kReopenedTitle).arg(label));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->sessions_->hide();
    return window;
}

JournalWindow::JournalWindow(std::unique_ptr<Journal> own, const Journal& journal,
                             Dialogue& dialogue, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      own_(std::move(own)),
      journal_(journal),
      dialogue_(dialogue),
      answer_(new QLabel),
      runs_(new QListWidget),
      figures_(new FiguresTable),
      gridTitle_(new QLabel(qtText(texts::kGridTitle))),
      grid_(new ReadOnlyTable),
      note_(new QLabel),
      figuresRow_(new QBoxLayout(QBoxLayout::TopToBottom)),
      figuresScroll_(new QScrollArea),
      chart_(new JournalChart),
      bars_(new BarChart),
      handsTitle_(new QLabel),
      hands_(new ExampleHands),
      deals_(new DealDiagrams),
      dealsScroll_(new QScrollArea),
      help_(new QPushButton(qtText(texts::kHelp))),
      sessions_(new QPushButton(qtText(texts::kSessions))),
      copyPbn_(new QPushButton(qtText(texts::kCopyPbn))),
      exportPbn_(new QPushButton(qtText(texts::kExportPbn))),
      save_(new QPushButton(qtText(texts::kSave))),
      split_(new QSplitter(Qt::Vertical)),
      views_(new QSplitter(Qt::Vertical)),
      viewTabs_(new QWidget),
      showChart_(new QPushButton(qtText(texts::kViewChart))),
      showExamples_(new QPushButton(qtText(texts::kViewExamples))),
      placement_(*this, Twips(*this).size(kWidth, kHeight),
                 Twips(*this).size(kLeastWidth, kLeastHeight)) {
    setObjectName(QStringLiteral("Journal"));
    setWindowTitle(qtText(texts::kTitle));
    // It follows the runs behind their report boxes: showing it or
    // filling it must never take the keyboard from them.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    const Twips twips(*this);
    resize(twips.size(kWidth, kHeight));

    // Names for screen readers, object names for scripts.
    answer_->setObjectName(QStringLiteral("journalAnswer"));
    answer_->setAccessibleName(qtText(texts::kAnswerName));
    runs_->setObjectName(QStringLiteral("journalRuns"));
    runs_->setAccessibleName(qtText(texts::kRunsName));
    figures_->setObjectName(QStringLiteral("journalFigures"));
    figures_->setAccessibleName(qtText(texts::kFiguresName));
    gridTitle_->setObjectName(QStringLiteral("journalGridTitle"));
    grid_->setObjectName(QStringLiteral("journalGrid"));
    grid_->setAccessibleName(qtText(texts::kGridName));
    chart_->setAccessibleName(qtText(texts::kChartName));
    bars_->setObjectName(QStringLiteral("journalBars"));
    bars_->setAccessibleName(qtText(texts::kBarsName));
    hands_->setObjectName(QStringLiteral("journalHands"));
    hands_->setAccessibleName(qtText(texts::kHandsName));
    help_->setObjectName(QStringLiteral("journalHelp"));
    help_->setToolTip(qtText(texts::kHelpTip));
    help_->setShortcut(QKeySequence(Qt::Key_F1));
    save_->setObjectName(QStringLiteral("journalSave"));
    sessions_->setObjectName(QStringLiteral("journalSessions"));
    copyPbn_->setObjectName(QStringLiteral("journalCopyPbn"));
    exportPbn_->setObjectName(QStringLiteral("journalExportPbn"));
    exportPbn_->setToolTip(qtText(texts::kExportPbnTip));
    for (QPushButton* button : {help_, sessions_, copyPbn_, exportPbn_}) {
        button->setAutoDefault(false);
    }
    deals_->setObjectName(QStringLiteral("journalDeals"));
    deals_->setAccessibleName(qtText(texts::kDealsName));
    dealsScroll_->setObjectName(QStringLiteral("journalDealsScroll"));
    dealsScroll_->setAccessibleName(qtText(texts::kDealsName));
    dealsScroll_->setFocusPolicy(Qt::NoFocus);  // the deals take the keyboard, not their frame
    dealsScroll_->setFrameShape(QFrame::NoFrame);
    dealsScroll_->setWidget(deals_);
    dealsScroll_->setWidgetResizable(true);
    dealsScroll_->hide();

    answer_->setWordWrap(true);
    answer_->setTextFormat(Qt::PlainText);
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont strong = answer_->font();
    strong.setBold(true);
    answer_->setFont(strong);
    runs_->setWordWrap(true);
    runs_->setTextElideMode(Qt::ElideNone);
    runs_->setMinimumHeight(twips.px(kLeastRunsHeight));
    note_->setObjectName(QStringLiteral("journalNote"));
    note_->setWordWrap(true);
    note_->hide();
    gridTitle_->setWordWrap(true);
    gridTitle_->setToolTip(qtText(texts::kGridTip));
    grid_->setToolTip(qtText(texts::kGridTip));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setRowCount(static_cast<int>(kStrains.size()));
    grid_->setColumnCount(static_cast<int>(kSeats.size()));
    for (const Strain strain : kStrains) {
        auto* heading = new QTableWidgetItem(qtText(strainText(strain)));
        if (strain == Strain::Hearts || strain == Strain::Diamonds) {
            heading->setForeground(QColor(255, 0, 0));
        }
        grid_->setVerticalHeaderItem(static_cast<int>(index(strain)), heading);
    }
    for (const Seat seat : kSeats) {
        grid_->setHorizontalHeaderItem(static_cast<int>(index(seat)),
                                       new QTableWidgetItem(qtText(nameOf(seat))));
    }
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() +
                                                   fontMetrics().height() / 2);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Room for "10,4 · 100 %" in each column.
    grid_->horizontalHeader()->setMinimumSectionSize(
        fontMetrics().horizontalAdvance(QStringLiteral("10,4 · 100 %  ")));
    for (QWidget* part : {static_cast<QWidget*>(gridTitle_), static_cast<QWidget*>(grid_)}) {
        part->hide();
    }
    // Room for a chart's title, its names and its axis' title besides its
    // plot, whatever the font.
    const QSize leastChart(
        twips.px(kLeastChartWidth),
        std::max(twips.px(kLeastChartHeight), kLeastChartLines * fontMetrics().lineSpacing()));
    chart_->setMinimumSize(leastChart);
    bars_->setMinimumSize(leastChart);
    bars_->hide();
    handsTitle_->setObjectName(QStringLiteral("journalHandsTitle"));
    handsTitle_->setWordWrap(true);
    hands_->setMinimumHeight(twips.px(kLeastHandsHeight));

    save_->setToolTip(qtText(texts::kSaveTip));
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    save_->setAutoDefault(false);

    // Each part can shrink to its least size and scroll, so that the
    // window fits any screen and font.
    views_->setChildrenCollapsible(false);
    views_->addWidget(stacked({chart_, bars_}));
    views_->addWidget(stacked({handsTitle_, hands_, dealsScroll_}));
    views_->setStretchFactor(0, 1);
    figuresRow_->setContentsMargins(0, 0, 0, 0);
    figuresRow_->addWidget(figures_, 1);
    figuresRow_->addWidget(stacked({gridTitle_, grid_}));
    auto* figuresBox = new QWidget;
    auto* figuresLayout = new QVBoxLayout(figuresBox);
    figuresLayout->setContentsMargins(0, 0, 0, 0);
    figuresLayout->addLayout(figuresRow_, 1);
    figuresLayout->addWidget(note_);
    // Where the height runs short, the figures scroll as one block.
    figuresScroll_->setObjectName(QStringLiteral("journalFiguresScroll"));
    figuresScroll_->setAccessibleName(qtText(texts::kFiguresName));
    figuresScroll_->setFocusPolicy(Qt::NoFocus);
    figuresScroll_->setFrameShape(QFrame::NoFrame);
    figuresScroll_->setWidget(figuresBox);
    figuresScroll_->setWidgetResizable(true);
    // Where the window is too short for the chart and a whole deal, they
    // take turns, chosen by a tab.
    // Two buttons rather than tabs: a hidden tab bar would still tell
    // screen readers that its tab has the keyboard.
    viewTabs_->setObjectName(QStringLiteral("journalViews"));
    viewTabs_->setAccessibleName(qtText(texts::kViewsName));
    showChart_->setObjectName(QStringLiteral("journalViewChart"));
    showExamples_->setObjectName(QStringLiteral("journalViewExamples"));
    auto* turns = new QButtonGroup(viewTabs_);
    auto* turnsRow = new QHBoxLayout(viewTabs_);
    turnsRow->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {showChart_, showExamples_}) {
        button->setCheckable(true);
        button->setAutoDefault(false);
        turns->addButton(button);
        turnsRow->addWidget(button);
    }
    turnsRow->addStretch(1);
    showChart_->setChecked(true);
    viewTabs_->hide();
    connect(turns, &QButtonGroup::buttonToggled, this, [this] { showView(); });
    split_->setChildrenCollapsible(false);
    split_->addWidget(runs_);
    split_->addWidget(figuresScroll_);
    split_->addWidget(stacked({viewTabs_, views_}));
    split_->setStretchFactor(2, 1);
    for (QSplitter* splitter : {split_, views_}) {
        connect(splitter, &QSplitter::splitterMoved, this, [this] { userSized_ = true; });
    }

    // The buttons go on to another line where the window is narrow.
    auto* buttons = new FlowLayout;
    buttons->addWidget(help_);
    buttons->addWidget(sessions_);
    buttons->addWidget(copyPbn_);
    buttons->addWidget(exportPbn_);
    buttons->addWidget(save_);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(answer_);
    layout->addWidget(split_, 1);
    layout->addLayout(buttons);
    setCentralWidget(central);

    // Tab goes from part to part; the arrows move within the list and tables.
    setTabOrder(runs_, figures_);
    setTabOrder(figures_, grid_);
    setTabOrder(grid_, showChart_);
    setTabOrder(showChart_, showExamples_);
    setTabOrder(showExamples_, chart_);
    setTabOrder(chart_, bars_);
    setTabOrder(bars_, hands_);
    setTabOrder(hands_, deals_);
    setTabOrder(deals_, help_);
    setTabOrder(help_, sessions_);
    setTabOrder(sessions_, copyPbn_);
    setTabOrder(copyPbn_, exportPbn_);
    setTabOrder(exportPbn_, save_);

    connect(runs_, &QListWidget::currentRowChanged, this, [this] { showRun(); });
    // The parts shared again once other deals come, in one turn of the
    // event loop.
    connect(deals_, &DealDiagrams::sizeChanged, this, [this] {
        if (!arrangeQueued_ && !userSized_) {
            arrangeQueued_ = true;
            QTimer::singleShot(0, this, [this] {
                arrangeQueued_ = false;
                if (isVisible() && !userSized_) {
                    arrange();
                }
            });
        }
    });
    // The chart follows the row the user chooses, not the focus that
    // comes into the table.
    connect(figures_, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetItem*> chosen = figures_->selectedItems();
        if (chosen.isEmpty() || chosen.front()->row() == figureRow_) {
            return;
        }
        figureRow_ = chosen.front()->row();
        const JournalEntry* entry = shownEntry();
        if (entry != nullptr && entry->analysis &&
            static_cast<std::size_t>(figureRow_) < figureRows_.size()) {
            chosenBars_ =
                entry->analysis->figureTricks.at(figureRows_[static_cast<std::size_t>(figureRow_)]);
            gridChosen_ = false;
            grid_->clearSelection();
        }
        if (entry != nullptr) {
            showAnswer(*entry, figureTexts(*entry, numberStyle()));
        }
        showChart();
    });
    connect(grid_, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetItem*> chosen = grid_->selectedItems();
        if (chosen.isEmpty()) {
            return;
        }
        chosenBars_ = trickBars(kStrains.at(static_cast<std::size_t>(chosen.front()->row())),
                                kSeats.at(static_cast<std::size_t>(chosen.front()->column())));
        gridChosen_ = true;
        showChart();
    });
    connect(help_, &QPushButton::clicked, this, &JournalWindow::showHelp);
    connect(save_, &QPushButton::clicked, this, [this] { saveAs(); });
    connect(sessions_, &QPushButton::clicked, this, [this] { showSessions(); });
    connect(copyPbn_, &QPushButton::clicked, this, [this] { copyPbn(); });
    connect(exportPbn_, &QPushButton::clicked, this, [this] { exportPbn(); });

    // All the runs at once, the newest shown: a reopened session may hold
    // thousands, and each shown in turn would hold the window up.
    QStringList labels;
    for (const JournalEntry& entry : journal_.entries()) {
        labels << unbreakable(qtText(runLabel(entry, numberStyle().group)));
    }
    runs_->addItems(labels);
    runs_->setCurrentRow(runs_->count() - 1);
    showRun();
}

NumberStyle JournalWindow::numberStyle() const {
    return {dialogue_.decimalSeparator(), dialogue_.groupSeparator()};
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
    const QString label = unbreakable(qtText(runLabel(entries[index], numberStyle().group)));
    const auto row = static_cast<int>(index);
    if (row < runs_->count()) {
        if (runs_->item(row)->text() != label) {
            runs_->item(row)->setText(label);
        }
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
    // The chosen run stays in view.
    runs_->scrollToItem(runs_->currentItem());
    save_->setEnabled(true);
}

void JournalWindow::showRun() {
    save_->setEnabled(!journal_.entries().empty());
    const JournalEntry* entry = shownEntry();
    const bool another = runs_->currentRow() != shownRow_;
    shownRow_ = runs_->currentRow();
    // What the parts hold: arranged again when it changes.
    const int shape = entry == nullptr
                          ? -1
                          : static_cast<int>(entry->kind) * 2 + (entry->examples.empty() ? 0 : 1);
    const bool reshaped = shape != shape_;
    shape_ = shape;
    figures_->setVisible(entry != nullptr);
    chart_->setVisible(entry != nullptr && !entry->analysis);
    bars_->setVisible(entry != nullptr && entry->analysis);
    gridTitle_->setVisible(entry != nullptr && entry->analysis);
    grid_->setVisible(entry != nullptr && entry->analysis);
    const bool wholeDeals =
        entry != nullptr && (entry->kind == RunKind::Table || entry->kind == RunKind::Analysis ||
                             entry->kind == RunKind::Lesson);
    const bool examples = entry != nullptr && !entry->examples.empty();
    hands_->setVisible(examples && !wholeDeals);
    dealsScroll_->setVisible(examples && wholeDeals);
    copyPbn_->setEnabled(examples);
    exportPbn_->setEnabled(examples);
    if (entry == nullptr) {
        figures_->showRows({});
        figureRows_.clear();
        note_->hide();
        answer_->setText(qtText(texts::kEmpty));
        handsTitle_->clear();
        return;
    }
    if (runs_->currentItem() != nullptr) {
        runs_->scrollToItem(runs_->currentItem());
    }

    const std::vector<FigureTexts> shown = figureTexts(*entry, numberStyle());
    figureRows_ = tableRowsOf(*entry);
    std::vector<FigureRow> rows;
    for (const std::size_t f : figureRows_) {
        rows.push_back({rowName(*entry, f), shown[f], qtText(entry->figures[f].note)});
    }
    figures_->showRows(rows);
    if (another || figureRow_ >= static_cast<int>(rows.size())) {
        figureRow_ = 0;
        gridChosen_ = false;
        grid_->clearSelection();
    }
    // The bars of the row chosen, until a cell of the grid is.
    if (entry->analysis && !gridChosen_) {
        chosenBars_ = figureRows_.empty() ? trickBars(Strain::NoTrump, Seat::North)
                                          : entry->analysis->figureTricks.at(figureRows_.at(
                                                static_cast<std::size_t>(figureRow_)));
    }
    if (!rows.empty() && figures_->currentRow() != figureRow_) {
        const QSignalBlocker quiet(figures_);
        figures_->selectRow(figureRow_);
    }
    showAnswer(*entry, shown);
    if (entry->analysis) {
        showGrid(*entry);
    }

    QStringList notes;
    if (entry->analysis) {
        notes << qtText(texts::kParNote);
    }
    for (const Figure& figure : entry->figures) {
        if (!figure.note.empty()) {
            notes << qtText(texts::kFigureNote).arg(qtText(figure.name), qtText(figure.note));
        }
    }
    const QString note = notes.join(QLatin1Char('\n'));
    if (note_->text() != note) {
        note_->setText(note);
    }
    note_->setVisible(!notes.isEmpty());

    handsTitle_->setText(qtText(entry->examples.empty()             ? texts::kNoHand
                                : entry->kind == RunKind::Frequency ? texts::kLastHits
                                : entry->kind == RunKind::Table     ? texts::kLastDeals
                                : entry->kind == RunKind::Analysis  ? texts::kFirstAnalysed
                                : entry->kind == RunKind::Lesson    ? texts::kLessonBoards
                                                                    : texts::kLastOfEachLine));
    if (wholeDeals) {
        deals_->showEntry(*entry, kShownDeals);
    } else if (another || entry->kind != RunKind::Analysis) {
        hands_->showEntry(*entry);
    }
    showChart();
    if ((another || reshaped) && !userSized_) {
        arrange();
    }
}

void JournalWindow::showAnswer(const JournalEntry& entry, const std::vector<FigureTexts>& shown) {
    const NumberStyle style = numberStyle();
    const int decimals = figureDecimals(entry);
    const QString deals = qtText(groupedText(entry.deals, style.group));
    const auto sentence = [&](const QString& subject, std::size_t f) {
        if (entry.deals == 0) {
            return qtText(texts::kAnswerWaiting).arg(subject);
        }
        const FigureStats stats = statsOf(entry.figures[f], entry);
        QString text =
            qtText(texts::kAnswer)
                .arg(subject, qtText(shown[f].estimate),
                     qtText(fixedText(stats.low, decimals, style.decimal)),
                     qtText(fixedText(stats.high, decimals, style.decimal) +
                            journal_texts::kPercent),
                     qtText(entry.analysis ? texts::kAnswerAnalysed : texts::kAnswerDeals)
                         .arg(deals));
        if (stats.exact) {
            text += qtText(texts::kAnswerExact).arg(qtText(shown[f].exact));
        } else if (!entry.figures[f].note.empty()) {
            text += qtText(texts::kAnswerNoHand).arg(qtText(entry.figures[f].note));
        }
        return text + qtText(texts::kAnswerEnd);
    };
    // The sentence of the row chosen in the table, the first at first.
    QString answer;
    if (!figureRows_.empty()) {
        const std::size_t f = figureRows_.at(static_cast<std::size_t>(
            std::clamp(figureRow_, 0, static_cast<int>(figureRows_.size()) - 1)));
        const QString condition = qtText(entry.condition);
        switch (entry.kind) {
            case RunKind::Frequency:
                answer = sentence(qtText(texts::kFrequencySubject).arg(condition), f);
                break;
            case RunKind::Survey:
                answer =
                    sentence(qtText(texts::kSurveySubject).arg(qtText(entry.figures[f].name)), f);
                break;
            case RunKind::Table:
                answer = sentence(qtText(texts::kTableSubject).arg(condition), f);
                break;
            case RunKind::Lesson:
                break;  // boards, no figures
            case RunKind::Analysis:
                if (entry.analysis && entry.analysis->figureTricks.at(f) == kParBars) {
                    answer =
                        sentence(qtText(texts::kParSubject).arg(parOf(entry.figures[f].name)), f);
                } else if (const auto contract = contractOf(entry.figures[f].name)) {
                    const auto [bid, declarer] = contractWords(*contract);
                    answer = sentence(qtText(texts::kContractSubject).arg(bid, declarer), f);
                }
                break;
        }
    }
    if (answer_->text() != answer) {
        answer_->setText(answer);
        // Heard with the list, where the keyboard is when a run is chosen.
        runs_->setAccessibleDescription(answer);
    }
}

void JournalWindow::showGrid(const JournalEntry& entry) {
    const AnalysisParts parts = analysisParts(*entry.analysis);
    const NumberStyle style = numberStyle();
    for (const Strain strain : kStrains) {
        for (const Seat seat : kSeats) {
            const std::size_t game = parts.contracts + 4 * index(strain) + index(seat);
            const double average =
                averageTricks(entry.analysis->tricks.at(index(strain)).at(index(seat)));
            // Whole percents: the grid is for comparing at a glance.
            const QString percent =
                game < parts.contracts + parts.games
                    ? qtText(fixedText(statsOf(entry.figures[game], entry).estimate, 0,
                                       style.decimal) +
                             journal_texts::kPercent)
                    : QString();
            const QString text =
                qtText(texts::kGridCell).arg(qtText(fixedText(average, 1, style.decimal)), percent);
            const auto row = static_cast<int>(index(strain));
            const auto column = static_cast<int>(index(seat));
            QTableWidgetItem* item = grid_->item(row, column);
            if (item == nullptr) {
                item = ReadOnlyTable::cell(text, true);
                grid_->setItem(row, column, item);
            } else if (item->text() != text) {
                item->setText(text);
            }
            const QString name = strain == Strain::NoTrump
                                     ? qtText(texts::kNoTrumpSpoken)
                                     : qtText(signOf(kSuits.at(index(strain) - 1)).name);
            item->setData(Qt::AccessibleTextRole,
                          qtText(texts::kGridSpoken)
                              .arg(name, qtText(nameOf(seat)),
                                   qtText(fixedText(average, 2, style.decimal)), percent));
        }
    }
    // As tall as its five rows.
    const int rows = grid_->verticalHeader()->length() + grid_->horizontalHeader()->height() +
                     2 * grid_->frameWidth();
    if (grid_->minimumHeight() != rows) {
        grid_->setFixedHeight(rows);
    }
}

void JournalWindow::showChart() {
    const JournalEntry* entry = shownEntry();
    if (entry == nullptr || figureRow_ < 0 ||
        static_cast<std::size_t>(figureRow_) >= figureRows_.size()) {
        if (entry != nullptr && entry->analysis) {
            showBars(*entry, chosenBars_);
            return;
        }
        chart_->showFigure(nullptr, 0, {}, numberStyle());
        return;
    }
    if (entry->analysis) {
        showBars(*entry, chosenBars_);
        return;
    }
    const std::size_t f = figureRows_[static_cast<std::size_t>(figureRow_)];
    chart_->showFigure(&entry->figures[f], countedDeals(*entry),
                       figureTexts(*entry, numberStyle())[f], numberStyle());
}

void JournalWindow::showBars(const JournalEntry& entry, int which) {
    const AnalysisDetail& detail = *entry.analysis;
    const NumberStyle style = numberStyle();
    const QString deals = qtText(groupedText(entry.deals, style.group));
    std::vector<ChartBar> bars;
    const auto bar = [&](const QString& name, std::int64_t count) {
        const double percent =
            entry.deals > 0 ? 100.0 * static_cast<double>(count) / static_cast<double>(entry.deals)
                            : 0.0;
        bars.push_back({name, percent,
                        qtText(fixedText(percent, 1, style.decimal) + journal_texts::kPercent)});
    };
    const auto percentText = [style](double value, int decimals) {
        return qtText(fixedText(value, decimals, style.decimal));
    };
    if (which == kParBars) {
        // The par scores from the worst for North-South to the best.
        for (std::size_t i = detail.parScores.size(); i-- > 0;) {
            const auto& [score, count] = detail.parScores[i];
            bar((score > 0 ? QStringLiteral("+") : QString()) + QString::number(score), count);
        }
        bars_->showBars(qtText(texts::kParTitle).arg(deals), qtText(texts::kParAxis), bars,
                        percentText);
        return;
    }
    const Strain strain = strainOfBars(which);
    const Seat declarer = declarerOfBars(which);
    const auto& counts = detail.tricks.at(index(strain)).at(index(declarer));
    for (std::size_t n = 0; n < counts.size(); ++n) {
        bar(QString::number(n), counts[n]);
    }
    bars_->showBars(qtText(texts::kTricksTitle)
                        .arg(qtText(strainText(strain)), qtText(nameOf(declarer)),
                             qtText(fixedText(averageTricks(counts), 2, style.decimal)), deals),
                    qtText(texts::kTricksAxis), bars, percentText);
}

void JournalWindow::showHelp() {
    dialogue_.messageBox(texts::kHelpText, Buttons::Ok, std::string(texts::kHelpTitle));
}

void JournalWindow::keyPressEvent(QKeyEvent* event) {
    if (escapeBackToParent(*this, *event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void JournalWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    centralWidget()->layout()->activate();
    if (!userSized_) {
        arrange();
    }
}

void JournalWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible() && !userSized_) {
        centralWidget()->layout()->activate();
        arrange();
    }
}

void JournalWindow::arrange() {
    const int handle = split_->handleWidth();
    const int width = split_->width();
    const int total = split_->height() - 2 * handle;
    const int line = runs_->count() > 0 ? runs_->sizeHintForRow(0) : fontMetrics().height();
    const int runsFrame = 2 * runs_->frameWidth();

    // An analysis's figures and grid side by side where the width holds both.
    QWidget* gridBox = gridTitle_->parentWidget();
    const int gridWidth = grid_->verticalHeader()->sizeHint().width() +
                          4 * grid_->horizontalHeader()->minimumSectionSize() +
                          2 * grid_->frameWidth();
    const bool sideBySide =
        !grid_->isVisibleTo(this) ||
        width >= figures_->sizeHint().width() + figuresRow_->spacing() + gridWidth;
    figuresRow_->setDirection(sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // Beside the figures, the grid keeps the width of its four columns.
    gridBox->setMinimumWidth(sideBySide && grid_->isVisibleTo(this) ? gridWidth : 0);
    QWidget* figuresBox = figuresScroll_->widget();
    figuresBox->layout()->activate();
    const int figuresLeast = figures_->minimumSizeHint().height();
    const int figuresWanted = std::max(
        figuresLeast,
        std::min(figuresBox->sizeHint().height(), static_cast<int>(kFiguresShare * total)));

    // The examples want their whole height (a deal is never cut), the
    // chart its least: one above the other where the height allows, else
    // side by side where the width does, the figures giving up room; else
    // they take turns, each with all the room.
    QWidget* chart = views_->widget(0);
    QWidget* examples = views_->widget(1);
    const JournalEntry* entry = shownEntry();
    const bool shown = entry != nullptr && !entry->examples.empty();
    const bool deals =
        shown && (entry->kind == RunKind::Table || entry->kind == RunKind::Analysis ||
                  entry->kind == RunKind::Lesson);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int examplesTitle = handsTitle_->sizeHint().height() + examples->layout()->spacing();
    // A deal is shorter where the width lets its tricks go beside it.
    const int examplesHeight =
        deals ? examplesTitle + deals_->heightFor(width - scrollBar) + scrollBar
              : examples->sizeHint().height();
    const int examplesWidth =
        deals ? deals_->minimumSizeHint().width() + scrollBar : examples->minimumSizeHint().width();
    const int chartHeight = chart->minimumSizeHint().height();
    const int chartWidth = chart->minimumSizeHint().width();
    const int runs = std::max(runs_->minimumHeight(), kRunsLines * line + runsFrame);
    const int room = total - runs;
    const bool aboveFits = room - figuresLeast >= chartHeight + handle + examplesHeight;
    const bool besideFits = width >= chartWidth + handle + examplesWidth &&
                            room - figuresLeast >= std::max(chartHeight, examplesHeight);
    enum class Views { Above, Beside, Turns };
    const Views views = !shown || aboveFits ? Views::Above
                        : besideFits        ? Views::Beside
                                            : Views::Turns;
    const int tabs = views == Views::Turns ? viewTabs_->sizeHint().height() : 0;
    const int viewsNeed = views == Views::Above    ? chartHeight + handle + examplesHeight
                          : views == Views::Beside ? std::max(chartHeight, examplesHeight)
                                                   : tabs + std::max(chartHeight, examplesHeight);
    const int figuresHeight = std::max(figuresLeast, std::min(figuresWanted, room - viewsNeed));
    const int viewsHeight = std::max(room - figuresHeight, 0);

    takingTurns_ = views == Views::Turns;
    viewTabs_->setVisible(takingTurns_);
    showView();
    views_->setOrientation(views == Views::Beside ? Qt::Horizontal : Qt::Vertical);
    split_->setSizes({runs, figuresHeight, viewsHeight});
    if (views == Views::Beside) {
        // The chart keeps half the width at least, where the deals leave it.
        const int examplesShare = std::max(
            examplesWidth,
            std::min(deals ? deals_->sizeHint().width() + scrollBar : examples->sizeHint().width(),
                     width / 2));
        views_->setSizes({std::max(width - handle - examplesShare, 0), examplesShare});
    } else if (views == Views::Above) {
        const int below = std::min(examplesHeight, std::max(viewsHeight - chartHeight - handle, 0));
        views_->setSizes({std::max(viewsHeight - handle - below, 0), below});
    }
    if (runs_->currentItem() != nullptr) {
        runs_->scrollToItem(runs_->currentItem());
    }
}

void JournalWindow::showView() {
    QWidget* chart = views_->widget(0);
    QWidget* examples = views_->widget(1);
    chart->setVisible(!takingTurns_ || showChart_->isChecked());
    examples->setVisible(!takingTurns_ || showExamples_->isChecked());
}

void JournalWindow::openBeside(QWidget& main) {
    if (!placed_) {
        placement_.placeBeside(main);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    runs_->setFocus(Qt::OtherFocusReason);
}

void JournalWindow::saveAs() {
    saveThroughDialog(this,
                      {qtText(texts::kSaveCaption), qtText(texts::kCsvFilter),
                       QStringLiteral("csv"), qtText(texts::kFileName)},
                      [this](const QString& path) { return saveTo(path); });
}

void JournalWindow::showSessions() {
    const SessionStore store;
    SessionsDialog dialog(store, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::optional<SavedSession> session = dialog.chosen();
    if (!session) {
        return;
    }
    ReopenedSession read = openSession(store, *session);
    if (!read.entries) {
        if (!read.message.isEmpty()) {
            dialogue_.messageBox(read.message.toStdString(), Buttons::Ok,
                                 std::string(texts::kSessionsTitle));
        }
        return;
    }
    JournalWindow* past =
        reopened(std::move(*read.entries), session->label, dialogue_, parentWidget());
    // Over this window, a little lower and to the right, as windows cascade.
    const int step = fontMetrics().height() * 2;
    QRect place = geometry().translated(step, step);
    const QRect area = workArea(*this);
    place.moveRight(std::min(place.right(), area.right() - frameOf(*this).right()));
    place.moveBottom(std::min(place.bottom(), area.bottom() - frameOf(*this).bottom()));
    past->setGeometry(place);
    past->placed_ = true;
    past->show();
    past->raise();
    past->activateWindow();
}

ReopenedSession JournalWindow::openSession(const SessionStore& store, const SavedSession& session) {
    // Read on a thread of its own, however large the file: the window
    // stays live, with a bar and "Annuler" once it takes a while.
    QProgressDialog progress(qtText(texts::kOpening).arg(session.label),
                             qtText(texts::kCancelOpening), 0, 0, this);
    progress.setObjectName(QStringLiteral("journalOpening"));
    progress.setWindowTitle(qtText(texts::kSessionsTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kOpeningShownAfterMs);
    QFutureWatcher<ReopenedSession> watcher;
    connect(&watcher, &QFutureWatcher<ReopenedSession>::progressRangeChanged, &progress,
            &QProgressDialog::setRange);
    connect(&watcher, &QFutureWatcher<ReopenedSession>::progressValueChanged, &progress,
            &QProgressDialog::setValue);
    connect(&progress, &QProgressDialog::canceled, &watcher,
            &QFutureWatcher<ReopenedSession>::cancel);
    QEventLoop waiting;
    connect(&watcher, &QFutureWatcher<ReopenedSession>::finished, &waiting, &QEventLoop::quit);
    sessions_->setEnabled(false);
    watcher.setFuture(QtConcurrent::run([store, session](QPromise<ReopenedSession>& promise) {
        ReopenedSession read = store.open(session, [&promise](std::int64_t done,
                                                              std::int64_t total) {
            promise.setProgressRange(0, static_cast<int>(std::min<std::int64_t>(total, INT_MAX)));
            promise.setProgressValue(static_cast<int>(std::min<std::int64_t>(done, INT_MAX)));
            return !promise.isCanceled();
        });
        promise.addResult(std::move(read));
    }));
    if (!watcher.isFinished()) {
        waiting.exec();
    }
    sessions_->setEnabled(true);
    progress.reset();
    if (watcher.isCanceled() || watcher.future().resultCount() == 0) {
        return {};
    }
    return watcher.future().takeResult();
}

void JournalWindow::exportPbn() {
    if (shownEntry() == nullptr) {
        return;
    }
    saveThroughDialog(this,
                      {qtText(texts::kPbnCaption), qtText(texts::kPbnFilter), QStringLiteral("pbn"),
                       qtText(texts::kPbnFileName)},
                      [this](const QString& path) { return exportPbnTo(path); });
}

bool JournalWindow::exportPbnTo(const QString& path) {
    const JournalEntry* entry = shownEntry();
    if (entry == nullptr) {
        return false;
    }
    const auto failure = writeWhole(runPbn(*entry, entry->examples.size()), path);
    if (!failure) {
        return true;
    }
    const QString message =
        qtText(texts::kPbnNotSaved).arg(QDir::toNativeSeparators(path), *failure);
    dialogue_.messageBox(message.toStdString(), Buttons::Ok, std::string(texts::kTitle));
    return false;
}

void JournalWindow::copyPbn() {
    const JournalEntry* entry = shownEntry();
    if (entry == nullptr) {
        return;
    }
    const std::size_t shown = entry->kind == RunKind::Table || entry->kind == RunKind::Analysis
                                  ? kShownDeals
                                  : entry->examples.size();
    QGuiApplication::clipboard()->setText(qtText(runPbn(*entry, shown)));
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
