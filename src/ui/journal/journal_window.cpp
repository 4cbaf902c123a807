#include "ui/journal/journal_window.h"

#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <climits>

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
#include "ui/kit/save_file.h"
#include "ui/kit/twips.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

// The window's size when the screen has room for it, and the least size it
// takes beside the main window rather than below it; in twips, so that
// they grow with the fonts at a higher DPI.
constexpr int kWidth = 9900;
constexpr int kHeight = 10500;
constexpr int kLeastWidth = 5400;
constexpr int kLeastHeight = 5400;
// The least heights of the parts; the splitter gives them the rest.
constexpr int kLeastRunsHeight = 700;
constexpr int kLeastChartHeight = 2700;
constexpr int kLeastHandsHeight = 900;
// What the list, the figures and the hands take at most of the height at
// first; the chart has the rest.
constexpr int kRunsLines = 3;
constexpr double kFiguresShare = 0.35;
constexpr double kHandsShare = 0.25;
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
      runs_(new QListWidget),
      figures_(new FiguresTable),
      note_(new QLabel),
      chart_(new JournalChart),
      bars_(new BarChart),
      handsTitle_(new QLabel),
      hands_(new ExampleHands),
      deals_(new DealDiagrams),
      dealsScroll_(new QScrollArea),
      sessions_(new QPushButton(qtText(texts::kSessions))),
      copyPbn_(new QPushButton(qtText(texts::kCopyPbn))),
      exportPbn_(new QPushButton(qtText(texts::kExportPbn))),
      save_(new QPushButton(qtText(texts::kSave))),
      split_(new QSplitter(Qt::Vertical)),
      placement_(*this, Twips(*this).size(kWidth, kHeight),
                 Twips(*this).size(kLeastWidth, kLeastHeight)) {
    setObjectName(QStringLiteral("Journal"));
    setWindowTitle(qtText(texts::kTitle));
    // It follows the runs behind their report boxes: showing it or
    // filling it must never take the keyboard from them.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    const Twips twips(*this);
    resize(Twips(*this).size(kWidth, kHeight));

    // Names for screen readers, object names for scripts.
    runs_->setObjectName(QStringLiteral("journalRuns"));
    runs_->setAccessibleName(qtText(texts::kRunsName));
    figures_->setObjectName(QStringLiteral("journalFigures"));
    figures_->setAccessibleName(qtText(texts::kFiguresName));
    chart_->setAccessibleName(qtText(texts::kChartName));
    bars_->setObjectName(QStringLiteral("journalBars"));
    bars_->setAccessibleName(qtText(texts::kBarsName));
    hands_->setObjectName(QStringLiteral("journalHands"));
    hands_->setAccessibleName(qtText(texts::kHandsName));
    save_->setObjectName(QStringLiteral("journalSave"));
    sessions_->setObjectName(QStringLiteral("journalSessions"));
    copyPbn_->setObjectName(QStringLiteral("journalCopyPbn"));
    exportPbn_->setObjectName(QStringLiteral("journalExportPbn"));
    exportPbn_->setToolTip(qtText(texts::kExportPbnTip));
    for (QPushButton* button : {sessions_, copyPbn_, exportPbn_}) {
        button->setAutoDefault(false);
    }
    deals_->setObjectName(QStringLiteral("journalDeals"));
    deals_->setAccessibleName(qtText(texts::kDealsName));
    dealsScroll_->setWidget(deals_);
    dealsScroll_->setWidgetResizable(true);
    dealsScroll_->setMinimumHeight(twips.px(kLeastHandsHeight));
    dealsScroll_->hide();

    runs_->setWordWrap(true);
    runs_->setTextElideMode(Qt::ElideNone);
    runs_->setMinimumHeight(twips.px(kLeastRunsHeight));
    note_->setObjectName(QStringLiteral("journalNote"));
    note_->setWordWrap(true);
    note_->hide();
    chart_->setMinimumHeight(twips.px(kLeastChartHeight));
    bars_->setMinimumHeight(twips.px(kLeastChartHeight));
    bars_->hide();
    handsTitle_->setObjectName(QStringLiteral("journalHandsTitle"));
    handsTitle_->setWordWrap(true);
    hands_->setMinimumHeight(twips.px(kLeastHandsHeight));

    save_->setToolTip(qtText(texts::kSaveTip));
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    save_->setAutoDefault(false);

    // Each part can shrink to its least height and scroll, so that the
    // window fits any screen and font.
    split_->setChildrenCollapsible(false);
    split_->addWidget(runs_);
    split_->addWidget(stacked({figures_, note_}));
    split_->addWidget(stacked({chart_, bars_}));
    split_->addWidget(stacked({handsTitle_, hands_, dealsScroll_}));
    split_->setStretchFactor(2, 1);
    connect(split_, &QSplitter::splitterMoved, this, [this] { userSized_ = true; });

    // The buttons go on to another line where the window is narrow.
    auto* buttons = new FlowLayout;
    buttons->addWidget(sessions_);
    buttons->addWidget(copyPbn_);
    buttons->addWidget(exportPbn_);
    buttons->addWidget(save_);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(split_, 1);
    layout->addLayout(buttons);
    setCentralWidget(central);

    // Tab goes from part to part; the arrows move within the list and tables.
    setTabOrder(runs_, figures_);
    setTabOrder(figures_, chart_);
    setTabOrder(chart_, bars_);
    setTabOrder(bars_, hands_);
    setTabOrder(hands_, deals_);
    setTabOrder(deals_, sessions_);
    setTabOrder(sessions_, copyPbn_);
    setTabOrder(copyPbn_, exportPbn_);
    setTabOrder(exportPbn_, save_);

    connect(runs_, &QListWidget::currentRowChanged, this, [this] { showRun(); });
    connect(figures_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != figureRow_) {
            figureRow_ = row;
            showChart();
        }
    });
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
    save_->setEnabled(true);
}

void JournalWindow::showRun() {
    save_->setEnabled(!journal_.entries().empty());
    const JournalEntry* entry = shownEntry();
    figures_->setVisible(entry != nullptr);
    chart_->setVisible(entry != nullptr && !entry->analysis);
    bars_->setVisible(entry != nullptr && entry->analysis);
    const bool wholeDeals =
        entry != nullptr && (entry->kind == RunKind::Table || entry->kind == RunKind::Analysis ||
                             entry->kind == RunKind::Lesson);
    const bool examples = entry != nullptr && !entry->examples.empty();
    hands_->setVisible(examples && !wholeDeals);
    dealsScroll_->setVisible(examples && wholeDeals);
    copyPbn_->setEnabled(examples);
    exportPbn_->setEnabled(examples);
    if (entry == nullptr) {
        figures_->setRowCount(0);
        note_->hide();
        handsTitle_->setText(qtText(texts::kEmpty));
        return;
    }
    if (figures_->rowCount() != static_cast<int>(entry->figures.size())) {
        figureRow_ = 0;
    }
    figures_->showEntry(*entry, figureTexts(*entry, numberStyle()));
    figures_->selectRow(figureRow_);

    QStringList notes;
    for (const Figure& figure : entry->figures) {
        if (!figure.note.empty()) {
            notes << qtText(texts::kFigureNote).arg(qtText(figure.name), qtText(figure.note));
        }
    }
    note_->setText(notes.join(QLatin1Char('\n')));
    note_->setVisible(!notes.isEmpty());

    handsTitle_->setText(qtText(entry->examples.empty()             ? texts::kNoHand
                                : entry->kind == RunKind::Frequency ? texts::kLastHits
                                : entry->kind == RunKind::Table     ? texts::kLastDeals
                                : entry->kind == RunKind::Analysis  ? texts::kFirstAnalysed
                                : entry->kind == RunKind::Lesson    ? texts::kLessonBoards
                                                                    : texts::kLastOfEachLine));
    if (wholeDeals) {
        deals_->showEntry(*entry, kShownDeals);
    } else {
        hands_->showEntry(*entry);
    }
    showChart();
    if (shared_ && !userSized_) {
        shareHeight();
    }
}

void JournalWindow::showChart() {
    const JournalEntry* entry = shownEntry();
    if (entry == nullptr || figureRow_ < 0 ||
        static_cast<std::size_t>(figureRow_) >= entry->figures.size()) {
        chart_->showFigure(nullptr, 0, {}, numberStyle());
        return;
    }
    const auto index = static_cast<std::size_t>(figureRow_);
    if (entry->analysis) {
        showBars(*entry, index);
        return;
    }
    chart_->showFigure(&entry->figures[index], countedDeals(*entry),
                       figureTexts(*entry, numberStyle())[index], numberStyle());
}

void JournalWindow::showBars(const JournalEntry& entry, std::size_t figure) {
    const AnalysisDetail& detail = *entry.analysis;
    const int tricks = figure < detail.figureTricks.size() ? detail.figureTricks[figure] : -1;
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
    if (tricks < 0) {
        // The par scores from the worst for North-South to the best.
        for (std::size_t i = detail.parScores.size(); i-- > 0;) {
            const auto& [score, count] = detail.parScores[i];
            bar((score > 0 ? QStringLiteral("+") : QString()) + QString::number(score), count);
        }
        bars_->showBars(qtText(texts::kParTitle).arg(deals), qtText(texts::kParAxis), bars,
                        percentText);
        return;
    }
    const auto strain = static_cast<std::size_t>(tricks / 4);
    const auto declarer = static_cast<std::size_t>(tricks % 4);
    const auto& counts = detail.tricks.at(strain).at(declarer);
    std::int64_t total = 0;
    for (std::size_t n = 0; n < counts.size(); ++n) {
        bar(QString::number(n), counts[n]);
        total += static_cast<std::int64_t>(n) * counts[n];
    }
    const double average =
        entry.deals > 0 ? static_cast<double>(total) / static_cast<double>(entry.deals) : 0.0;
    bars_->showBars(
        qtText(texts::kTricksTitle)
            .arg(qtText(strainText(kStrains.at(strain))), qtText(kSeatNames.at(declarer)),
                 qtText(fixedText(average, 2, style.decimal)), deals),
        qtText(texts::kTricksAxis), bars, percentText);
}

void JournalWindow::keyPressEvent(QKeyEvent* event) {
    if (escapeBackToParent(*this, *event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void JournalWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shared_) {
        shared_ = true;
        centralWidget()->layout()->activate();
        shareHeight();
    }
}

void JournalWindow::shareHeight() {
    const int total = split_->height() - split_->handleWidth() * (split_->count() - 1);
    const int line = runs_->count() > 0 ? runs_->sizeHintForRow(0) : fontMetrics().height();
    const int runs = std::max(runs_->minimumHeight(), kRunsLines * line + 2 * runs_->frameWidth());
    const int figures =
        std::min(split_->widget(1)->sizeHint().height(), static_cast<int>(kFiguresShare * total));
    const int hands =
        std::min(split_->widget(3)->sizeHint().height(), static_cast<int>(kHandsShare * total));
    split_->setSizes({runs, figures, std::max(total - runs - figures - hands, 0), hands});
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
