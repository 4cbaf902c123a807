#include "ui/lesson/lesson_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include "engine/card_text.h"
#include "formats/lin.h"
#include "formats/pbn_export.h"
#include "journal/journal_text.h"
#include "text/readable_numbers.h"
#include "ui/kit/escape_back.h"
#include "ui/kit/flow_layout.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/save_file.h"
#include "ui/lesson/board_view.h"
#include "ui/lesson/lesson_texts.h"

namespace ondiscale {
namespace {

namespace texts = lesson_texts;

// The places a hand can be put, in the order of the box's entries.
struct PlaceChoice {
    HandPlace place;
    Seat seat;
};
constexpr std::array<PlaceChoice, 6> kPlaces{{{HandPlace::AsAsked, Seat::South},
                                              {HandPlace::Dealer, Seat::South},
                                              {HandPlace::Seat, Seat::North},
                                              {HandPlace::Seat, Seat::East},
                                              {HandPlace::Seat, Seat::South},
                                              {HandPlace::Seat, Seat::West}}};

// The letters a choice box shows at least.
constexpr int kComboLetters = 9;

QComboBox* seatBox(const char* name, const char* label) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    for (const Seat seat : kSeats) {
        box->addItem(qtText(nameOf(seat)));
    }
    box->setAccessibleName(qtText(label).chopped(2));
    return box;
}

QPushButton* button(const char* name, const char* text) {
    auto* b = new QPushButton(qtText(text));
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(true);  // Enter presses the button that has the keyboard
    return b;
}

}  // namespace

LessonWindow::LessonWindow(Journal& journal, Dialogue& dialogue, QWidget* parent, Dealer dealer,
                           DealTestMaker makeTest)
    : QMainWindow(parent, Qt::Window),
      journal_(journal),
      dialogue_(dialogue),
      dealer_(dealer),
      makeTest_(std::move(makeTest)),
      conditionLabel_(new QLabel),
      boardsBox_(new QSpinBox),
      firstBox_(new QSpinBox),
      rotation_(new QComboBox),
      dealerBox_(seatBox("leconDonneur", texts::kDealer)),
      vulnerability_(new QComboBox),
      hand_(seatBox("leconMain", texts::kHand)),
      place_(new QComboBox),
      deal_(button("leconDonner", texts::kDeal)),
      view_(new BoardView),
      previous_(button("leconPrecedente", texts::kPrevious)),
      position_(new QLabel),
      next_(button("leconSuivante", texts::kNext)),
      redeal_(button("leconRedonner", texts::kRedeal)),
      analyse_(button("leconAnalyse", texts::kAnalyse)),
      cancel_(button("leconAnnuler", texts::kCancel)),
      bar_(new QProgressBar),
      sheets_(new QComboBox),
      blackAndWhite_(new QCheckBox(qtText(texts::kBlackAndWhite))),
      print_(button("leconImprimer", texts::kPrint)),
      pdf_(button("leconPdf", texts::kPdf)),
      pbn_(button("leconPbn", texts::kPbn)),
      lin_(button("leconLin", texts::kLin)),
      copy_(button("leconCopier", texts::kCopy)),
      status_(new QLabel),
      placement_(*this, QSize(), QSize()) {
    setObjectName(QStringLiteral("Lecon"));
    setWindowTitle(qtText(texts::kTitle));
    setAttribute(Qt::WA_QuitOnClose, false);

    conditionLabel_->setObjectName(QStringLiteral("leconCondition"));
    conditionLabel_->setWordWrap(true);
    conditionLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    boardsBox_->setObjectName(QStringLiteral("leconDonnes"));
    boardsBox_->setRange(1, kMostLessonBoards);
    boardsBox_->setValue(LessonPlan{}.boards);
    boardsBox_->setAccessibleName(qtText(texts::kBoards).chopped(2));
    firstBox_->setObjectName(QStringLiteral("leconPremiere"));
    firstBox_->setRange(1, kMostFirstBoard);
    firstBox_->setValue(LessonPlan{}.firstBoard);
    firstBox_->setAccessibleName(qtText(texts::kFirstBoard).chopped(2));
    rotation_->setObjectName(QStringLiteral("leconRotation"));
    rotation_->addItems({qtText(texts::kByRotation), qtText(texts::kFixed)});
    rotation_->setAccessibleName(qtText(texts::kRotation).chopped(2));
    vulnerability_->setObjectName(QStringLiteral("leconVulnerabilite"));
    for (const char* name : texts::kVulnerabilities) {
        vulnerability_->addItem(qtText(name));
    }
    vulnerability_->setAccessibleName(qtText(texts::kVulnerability).chopped(2));
    dealerBox_->setEnabled(false);
    vulnerability_->setEnabled(false);
    hand_->setCurrentIndex(static_cast<int>(index(Seat::South)));
    place_->setObjectName(QStringLiteral("leconPlace"));
    place_->addItems({qtText(texts::kAsAsked), qtText(texts::kAtDealer)});
    for (const Seat seat : kSeats) {
        place_->addItem(qtText(texts::kAtSeat).arg(qtText(nameOf(seat))));
    }
    place_->setAccessibleName(qtText(texts::kPlace).chopped(2));
    view_->setObjectName(QStringLiteral("leconDiagramme"));
    position_->setObjectName(QStringLiteral("leconNumero"));
    position_->setAlignment(Qt::AlignCenter);
    cancel_->setEnabled(false);
    bar_->setObjectName(QStringLiteral("leconProgression"));
    bar_->setAccessibleName(qtText(texts::kProgressName));
    bar_->setTextVisible(false);
    bar_->hide();
    sheets_->setObjectName(QStringLiteral("leconFeuilles"));
    sheets_->addItems(
        {qtText(texts::kSheetsDiagrams), qtText(texts::kSheetsSeats), qtText(texts::kSheetsBoth)});
    sheets_->setAccessibleName(qtText(texts::kSheets).chopped(2));
    blackAndWhite_->setObjectName(QStringLiteral("leconNoirEtBlanc"));
    status_->setObjectName(QStringLiteral("leconEtat"));
    status_->setWordWrap(true);
    for (QPushButton* b : {print_, pdf_, pbn_, lin_}) {
        b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    }
    // The boxes may grow narrower than their longest entry, so that the
    // window fits beside the main window on a small screen at 144 DPI.
    for (QComboBox* box : {rotation_, dealerBox_, vulnerability_, hand_, place_, sheets_}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(kComboLetters);
    }

    // On the left the board, large, and the paging under it; on the right
    // the plan, the work and the files, each box under its label's row.
    auto* plan = new QGridLayout;
    int rows = 0;
    for (const auto& [label, box] : std::initializer_list<std::pair<const char*, QWidget*>>{
             {texts::kBoards, boardsBox_},
             {texts::kFirstBoard, firstBox_},
             {texts::kRotation, rotation_},
             {texts::kDealer, dealerBox_},
             {texts::kVulnerability, vulnerability_},
             {texts::kHand, hand_},
             {texts::kPlace, place_},
             {texts::kSheets, sheets_}}) {
        auto* l = new QLabel(qtText(label));
        l->setBuddy(box);
        plan->addWidget(l, rows, 0);
        plan->addWidget(box, rows++, 1);
    }
    plan->addWidget(blackAndWhite_, rows, 1);
    plan->setColumnStretch(1, 1);

    auto* paging = new QHBoxLayout;
    paging->addWidget(previous_);
    paging->addWidget(position_, 1);
    paging->addWidget(next_);
    auto* again = new QHBoxLayout;
    again->addWidget(redeal_);
    again->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(view_, 1);
    left->addLayout(paging);
    left->addLayout(again);

    // The buttons go on to another line where the column is narrow.
    auto* work = new FlowLayout;
    for (QPushButton* b : {deal_, analyse_, cancel_}) {
        work->addWidget(b);
    }
    auto* files = new FlowLayout;
    for (QPushButton* b : {print_, pdf_, pbn_, lin_, copy_}) {
        files->addWidget(b);
    }
    auto* right = new QVBoxLayout;
    right->addWidget(conditionLabel_);
    right->addLayout(plan);
    right->addLayout(work);
    right->addWidget(bar_);
    right->addLayout(files);
    right->addStretch(1);

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    setCentralWidget(central);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(true);

    // In reading order, the left column then the right, once they are all
    // in the window.
    QWidget* order[] = {view_,          previous_,  next_,          redeal_, boardsBox_, firstBox_,
                        rotation_,      dealerBox_, vulnerability_, hand_,   place_,     sheets_,
                        blackAndWhite_, deal_,      analyse_,       cancel_, print_,     pdf_,
                        pbn_,           lin_,       copy_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(rotation_, &QComboBox::currentIndexChanged, this, [this](int i) {
        dealerBox_->setEnabled(i == 1);
        vulnerability_->setEnabled(i == 1);
    });
    connect(deal_, &QPushButton::clicked, this, &LessonWindow::dealSet);
    connect(redeal_, &QPushButton::clicked, this, &LessonWindow::redealShown);
    connect(analyse_, &QPushButton::clicked, this, &LessonWindow::analyse);
    connect(cancel_, &QPushButton::clicked, this, &LessonWindow::cancel);
    connect(previous_, &QPushButton::clicked, this, [this] { showBoard(shown_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showBoard(shown_ + 1); });
    connect(view_, &BoardView::previousAsked, this, [this] { showBoard(shown_ - 1); });
    connect(view_, &BoardView::nextAsked, this, [this] { showBoard(shown_ + 1); });
    connect(copy_, &QPushButton::clicked, this, &LessonWindow::copyPbn);
    connect(pdf_, &QPushButton::clicked, this, [this] {
        const QString path = askPath(texts::kPdfCaption, texts::kPdfFilter, "pdf");
        if (!path.isEmpty()) {
            exportPdfTo(path);
        }
    });
    connect(pbn_, &QPushButton::clicked, this, [this] {
        const QString path = askPath(texts::kPbnCaption, texts::kPbnFilter, "pbn");
        if (!path.isEmpty()) {
            exportPbnTo(path);
        }
    });
    connect(lin_, &QPushButton::clicked, this, [this] {
        const QString path = askPath(texts::kLinCaption, texts::kLinFilter, "lin");
        if (!path.isEmpty()) {
            exportLinTo(path);
        }
    });
    connect(print_, &QPushButton::clicked, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        setUpLessonPage(printer);
        printer.setDocName(qtText(texts::kTitle));
        QPrintPreviewDialog preview(&printer, this);
        const LessonPrint request = printRequest();
        connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                [&request](QPrinter* p) { paintLesson(*p, request); });
        if (preview.exec() == QDialog::Accepted) {
            say(setText(texts::kPrinted, texts::kPrintedOne));
        }
    });
    refresh();
}

LessonWindow::~LessonWindow() = default;

void LessonWindow::openFor(const Condition& condition, const std::string& text, QWidget& beside) {
    if (condition != condition_ || !setCondition_) {
        hand_->setCurrentIndex(static_cast<int>(index(questionHand(condition))));
    }
    condition_ = condition;
    conditionText_ = text;
    conditionLabel_->setText(qtText(texts::kCondition).arg(qtText(text)));
    if (!placed_) {
        placement_.setSizes(sizeHint(), minimumSizeHint());
        placement_.placeBeside(beside);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    if (!setCondition_ || *setCondition_ != condition) {
        dealSet();
    }
    view_->setFocus(Qt::OtherFocusReason);
}

LessonPlan LessonWindow::planFromControls() const {
    LessonPlan plan;
    plan.boards = boardsBox_->value();
    plan.firstBoard = firstBox_->value();
    plan.rotation = rotation_->currentIndex() == 0;
    plan.dealer = kSeats.at(static_cast<std::size_t>(dealerBox_->currentIndex()));
    plan.vulnerability = static_cast<Vulnerability>(vulnerability_->currentIndex());
    plan.hand = kSeats.at(static_cast<std::size_t>(hand_->currentIndex()));
    const PlaceChoice& choice = kPlaces.at(static_cast<std::size_t>(place_->currentIndex()));
    plan.place = choice.place;
    plan.placeSeat = choice.seat;
    return plan;
}

void LessonWindow::startWork(int total, const QString& what,
                             std::function<void(std::stop_token, LessonWindow*)> work) {
    busy_ = true;
    bar_->setRange(0, total);
    bar_->setValue(0);
    bar_->show();
    say(what);
    refresh();
    cancel_->setFocus(Qt::OtherFocusReason);
    worker_ = std::jthread(
        [this, work = std::move(work)](const std::stop_token& stop) { work(stop, this); });
}

void LessonWindow::workDone() {
    worker_.join();
    busy_ = false;
    bar_->hide();
    // Annuler, about to be disabled, hands the keyboard to the board.
    const bool cancelHadFocus = cancel_->hasFocus();
    refresh();
    if (cancelHadFocus) {
        view_->setFocus(Qt::OtherFocusReason);
    }
    emit workEnded();
}

void LessonWindow::dealSet() {
    if (busy_) {
        return;
    }
    const LessonPlan plan = planFromControls();
    const Condition condition = condition_;
    const std::string text = conditionText_;
    DealTest test = makeTest_(condition);
    startWork(
        plan.boards, qtText(texts::kDealing).arg(0).arg(plan.boards),
        [plan, condition, text, test = std::move(test)](std::stop_token stop, LessonWindow* self) {
            LessonDealing dealing =
                dealLesson(plan, self->dealer_, test, std::move(stop), [self](int done, int total) {
                    QMetaObject::invokeMethod(
                        self,
                        [self, done, total] {
                            self->bar_->setValue(done);
                            self->say(qtText(texts::kDealing).arg(done).arg(total));
                        },
                        Qt::QueuedConnection);
                });
            auto shared = std::make_shared<LessonDealing>(std::move(dealing));
            QMetaObject::invokeMethod(
                self,
                [self, shared, plan, condition, text] {
                    self->setDealt(std::move(*shared), plan, condition, text);
                },
                Qt::QueuedConnection);
        });
}

void LessonWindow::setDealt(LessonDealing dealing, const LessonPlan& plan,
                            const Condition& condition, const std::string& text) {
    workDone();
    if (!dealing.failure.empty()) {
        say(qtText(dealing.failure));
        dialogue_.messageBox(dealing.failure, Buttons::Ok, std::string(texts::kTitle));
        return;
    }
    if (dealing.stopped) {
        say(qtText(texts::kStopped));
        return;
    }
    boards_ = std::move(dealing.boards);
    setPlan_ = plan;
    setCondition_ = condition;
    setText_ = text;
    entry_ = journal_.lessonDealt(text, condition, boards_);
    shown_ = 0;
    refresh();
    say(qtText(texts::kDealt)
            .arg(boards_.size())
            .arg(qtText(groupedText(dealing.dealt, "\u00a0"))));
}

void LessonWindow::redealShown() {
    if (busy_ || boards_.empty() || !setCondition_) {
        return;
    }
    const int place = shown_;
    const LessonPlan plan = setPlan_;
    const BoardLabel label = boards_[static_cast<std::size_t>(place)].board.value_or(BoardLabel{});
    DealTest test = makeTest_(*setCondition_);
    startWork(
        1, qtText(texts::kDealing).arg(0).arg(1),
        [plan, label, place, test = std::move(test)](std::stop_token stop, LessonWindow* self) {
            auto shared = std::make_shared<LessonDealing>(
                redealBoard(plan, label, self->dealer_, test, std::move(stop)));
            QMetaObject::invokeMethod(
                self, [self, shared, place] { self->setRedealt(std::move(*shared), place); },
                Qt::QueuedConnection);
        });
}

void LessonWindow::setRedealt(LessonDealing dealing, int place) {
    workDone();
    if (!dealing.failure.empty()) {
        say(qtText(dealing.failure));
        dialogue_.messageBox(dealing.failure, Buttons::Ok, std::string(texts::kTitle));
        return;
    }
    if (dealing.boards.empty()) {
        say(qtText(texts::kStopped));
        return;
    }
    Example& board = boards_.at(static_cast<std::size_t>(place));
    board = std::move(dealing.boards.front());
    if (entry_) {
        journal_.lessonChanged(*entry_, boards_);
    }
    showBoard(place);
    say(qtText(texts::kRedealt).arg(board.board.value_or(BoardLabel{}).number));
}

void LessonWindow::analyse() {
    if (busy_ || boards_.empty()) {
        return;
    }
    // Only the boards not solved yet: one dealt again, or all of them.
    std::vector<std::size_t> places;
    std::vector<Deal> deals;
    for (std::size_t i = 0; i < boards_.size(); ++i) {
        if (!boards_[i].tricks) {
            places.push_back(i);
            deals.push_back(boards_[i].deal);
        }
    }
    if (deals.empty()) {
        say(qtText(texts::kSolved).arg(boards_.size()));
        return;
    }
    const auto total = static_cast<int>(deals.size());
    startWork(total, qtText(texts::kSolving).arg(0).arg(total),
              [deals = std::move(deals), places = std::move(places)](std::stop_token stop,
                                                                     LessonWindow* self) {
                  SolvedDeals solved =
                      solveDeals(deals, std::move(stop), [self](std::size_t done, std::size_t all) {
                          QMetaObject::invokeMethod(
                              self,
                              [self, done, all] {
                                  self->bar_->setValue(static_cast<int>(done));
                                  self->say(qtText(texts::kSolving).arg(done).arg(all));
                              },
                              Qt::QueuedConnection);
                      });
                  auto shared = std::make_shared<SolvedDeals>(std::move(solved));
                  QMetaObject::invokeMethod(
                      self, [self, shared, places] { self->setSolved(std::move(*shared), places); },
                      Qt::QueuedConnection);
              });
}

void LessonWindow::setSolved(SolvedDeals solved, std::vector<std::size_t> places) {
    workDone();
    for (std::size_t i = 0; i < solved.tables.size() && i < places.size(); ++i) {
        Example& board = boards_.at(places[i]);
        const BoardLabel label = board.board.value_or(BoardLabel{});
        board.tricks = solved.tables[i];
        board.par = parOf(solved.tables[i], label.dealer, label.vulnerability);
    }
    if (entry_ && !solved.tables.empty()) {
        journal_.lessonChanged(*entry_, boards_);
    }
    showBoard(shown_);
    if (solved.error) {
        say(qtText(solved.error->message));
        dialogue_.messageBox(solved.error->message, Buttons::Ok, std::string(texts::kTitle));
    } else if (solved.tables.size() < places.size()) {
        say(qtText(texts::kSolveStopped).arg(solved.tables.size()).arg(places.size()));
    } else {
        say(qtText(texts::kSolved).arg(boards_.size()));
    }
}

void LessonWindow::cancel() {
    if (busy_) {
        worker_.request_stop();
        cancel_->setEnabled(false);
    }
}

void LessonWindow::showBoard(int place) {
    if (boards_.empty()) {
        shown_ = 0;
    } else {
        shown_ = std::clamp(place, 0, static_cast<int>(boards_.size()) - 1);
    }
    refresh();
}

void LessonWindow::refresh() {
    const bool any = !boards_.empty();
    const bool idle = !busy_;
    if (any) {
        const Example& board = boards_.at(static_cast<std::size_t>(shown_));
        view_->showBoard(board);
        position_->setText(qtText(texts::kPosition)
                               .arg(board.board.value_or(BoardLabel{}).number)
                               .arg(shown_ + 1)
                               .arg(boards_.size()));
    } else {
        view_->showBoard(std::nullopt);
        position_->setText(qtText(texts::kNoBoard));
    }
    deal_->setEnabled(idle);
    previous_->setEnabled(any && shown_ > 0);
    next_->setEnabled(any && shown_ + 1 < static_cast<int>(boards_.size()));
    redeal_->setEnabled(idle && any);
    analyse_->setEnabled(idle && any);
    cancel_->setEnabled(busy_);
    for (QPushButton* b : {print_, pdf_, pbn_, lin_, copy_}) {
        b->setEnabled(idle && any);
    }
}

void LessonWindow::say(const QString& text) {
    status_->setText(text);
    status_->setAccessibleName(text);
}

QString LessonWindow::setText(const char* many, const char* one) const {
    const int first = boards_.empty() ? 0 : boards_.front().board.value_or(BoardLabel{}).number;
    if (boards_.size() == 1) {
        return qtText(one).arg(first);
    }
    const int last = boards_.empty() ? 0 : boards_.back().board.value_or(BoardLabel{}).number;
    return qtText(many).arg(boards_.size()).arg(first).arg(last);
}

LessonPrint LessonWindow::printRequest() const {
    LessonPrint print;
    print.boards = boards_;
    print.condition = qtText(setText_);
    print.date = QDate::currentDate();
    print.sheets = static_cast<LessonSheets>(sheets_->currentIndex());
    print.colour = !blackAndWhite_->isChecked();
    return print;
}

std::string LessonWindow::eventText() const {
    JournalEntry entry;
    entry.kind = RunKind::Lesson;
    entry.condition = setText_;
    return runTitle(entry);
}

QString LessonWindow::askPath(const char* caption, const char* filter, const char* suffix) {
    return askSavePath(this,
                       {qtText(caption), qtText(filter), QString::fromLatin1(suffix),
                        qtText(texts::kFileName) + QLatin1Char('.') + QString::fromLatin1(suffix)});
}

void LessonWindow::saved(const std::optional<QString>& failure, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (!failure) {
        say(setText(texts::kSaved, texts::kSavedOne).arg(shown));
        return;
    }
    const QString message = qtText(texts::kNotSaved).arg(shown, *failure);
    say(message);
    dialogue_.messageBox(message.toStdString(), Buttons::Ok, std::string(texts::kTitle));
}

bool LessonWindow::exportPdfTo(const QString& path) {
    const auto failure = saveLessonPdf(printRequest(), path);
    saved(failure, path);
    return !failure;
}

bool LessonWindow::exportPbnTo(const QString& path) {
    const std::string date =
        QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toStdString();
    const auto failure = writeWhole(pbnExportText(boards_, eventText(), date), path);
    saved(failure, path);
    return !failure;
}

bool LessonWindow::exportLinTo(const QString& path) {
    const auto failure = writeWhole(linText(boards_), path);
    saved(failure, path);
    return !failure;
}

void LessonWindow::copyPbn() {
    if (boards_.empty()) {
        return;
    }
    const std::string date =
        QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toStdString();
    const std::string pbn = pbnExportText(boards_, eventText(), date);
    QGuiApplication::clipboard()->setText(
        QString::fromLatin1(pbn.data(), static_cast<qsizetype>(pbn.size())));
    say(setText(texts::kCopied, texts::kCopiedOne));
}

void LessonWindow::keyPressEvent(QKeyEvent* event) {
    if (escapeBackToParent(*this, *event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void LessonWindow::closeEvent(QCloseEvent* event) {
    cancel();
    QMainWindow::closeEvent(event);
}

}  // namespace ondiscale
