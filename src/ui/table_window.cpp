#include "ui/table_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "condition/condition_text.h"
#include "simulation/table_run.h"
#include "ui/analysis_panel.h"
#include "ui/bar_progress.h"
#include "ui/condition_form.h"
#include "ui/kit/escape_back.h"
#include "ui/kit/fitting_scroll.h"
#include "ui/kit/qt_text.h"
#include "ui/lesson/lesson_texts.h"
#include "ui/lesson/lesson_window.h"
#include "ui/window_texts.h"

namespace ondiscale {

TableWindow::TableWindow(Dealer& dealer, Dialogue& dialogue, Journal& journal, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      dealer_(dealer),
      dialogue_(dialogue),
      journal_(journal),
      form_(new ConditionForm),
      scroll_(new FittingScroll(form_)),
      run_(new QPushButton(qtText(texts::kCmdDonne))),
      bar_(new QProgressBar),
      progress_(std::make_unique<BarProgress>(*bar_)),
      analysis_(new AnalysisPanel(
          journal, dialogue,
          [this](std::size_t most) -> std::optional<AnalysisSource> {
              if (!lastRun_) {
                  return std::nullopt;
              }
              return AnalysisSource{lastRun_->kept().newest(most), lastRun_->plan().condition};
          })),
      lessonButton_(new QPushButton(qtText(lesson_texts::kOpenLesson))),
      help_(new QToolButton),
      placement_(*this, QSize(), QSize(), BesidePlacement::Order::BelowFirst) {
    setObjectName(QStringLiteral("Donne"));
    setWindowTitle(qtText(texts::kDonneTitle));
    setAttribute(Qt::WA_QuitOnClose, false);

    run_->setObjectName(QStringLiteral("cmdDonne"));
    run_->setAutoDefault(true);
    bar_->setObjectName(QStringLiteral("DonneProgression"));
    bar_->setAccessibleName(qtText(texts::kProgressName));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->hide();
    connect(run_, &QPushButton::clicked, this, &TableWindow::runTable);
    // A small "?" beside the buttons, named "Aide" for screen readers.
    help_->setObjectName(QStringLiteral("DonneAide"));
    help_->setText(qtText(texts::kDonneHelpMark));
    help_->setAccessibleName(qtText(texts::kDonneHelp));
    help_->setToolTip(qtText(texts::kDonneHelpTip));
    help_->setShortcut(QKeySequence(Qt::Key_F1));
    help_->setFocusPolicy(Qt::StrongFocus);
    connect(help_, &QToolButton::clicked, this, &TableWindow::showHelp);

    // A set of boards for a lesson, from the same question, in its own window.
    lessonButton_->setObjectName(QStringLiteral("donneLecon"));
    lessonButton_->setToolTip(qtText(lesson_texts::kOpenLessonTip));
    lessonButton_->setAutoDefault(true);  // Enter presses it, as the other buttons
    connect(lessonButton_, &QPushButton::clicked, this, &TableWindow::openLesson);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(bar_, 1);
    buttons->addWidget(lessonButton_);
    buttons->addWidget(help_);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    // The form scrolls only where the screen is too small for it.
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons);
    layout->addWidget(analysis_);
    setCentralWidget(central);
    connect(form_, &ConditionForm::alternativesChanged, this, [this] {
        orderTabs();
        // Once the new tab bar shows.
        QTimer::singleShot(0, this, &TableWindow::growToFit);
    });
    orderTabs();
}

void TableWindow::showHelp() {
    dialogue_.messageBox(texts::kDonneHelpText, Buttons::Ok, std::string(texts::kDonneHelpTitle));
}

TableWindow::~TableWindow() = default;

void TableWindow::orderTabs() {
    // Once the boxes are all in this window, where Qt takes a tab order.
    std::vector<QWidget*> order = form_->tabOrder();
    order.push_back(run_);
    order.push_back(lessonButton_);
    // The analysis's controls one by one: a panel given as one widget
    // leaves them out of the chain. Help last.
    const std::vector<QWidget*> analysis = analysis_->tabOrder();
    order.insert(order.end(), analysis.begin(), analysis.end());
    order.push_back(help_);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void TableWindow::growToFit() {
    if (!isVisible()) {
        return;
    }
    // A tab bar for the alternatives takes a line: taller, where the work
    // area has room below; the form scrolls otherwise. The layouts take the
    // tab bar in first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRect area = screen()->availableGeometry();
    const int frameBelow = frameGeometry().bottom() - geometry().bottom();
    const int room = area.bottom() - frameBelow - geometry().top() + 1;
    const int shortfall = form_->sizeHint().height() - scroll_->viewport()->height();
    const int wanted = std::min(height() + shortfall, room);
    if (wanted > height()) {
        resize(width(), wanted);
    }
}

QLineEdit* TableWindow::box(const TableBox& box) const {
    return form_->box({FormBox::Part::Asked, 0, FormBox::Kind::Range, box, Seat::North});
}

std::optional<Condition> TableWindow::checkedCondition() {
    const ConditionCheck check = checkCondition(form_->texts());
    if (!check.condition) {
        dialogue_.messageBox(check.message, Buttons::Ok, std::string(texts::kDonneTitle));
        form_->showBox(check.box);
    }
    return check.condition;
}

void TableWindow::runTable() {
    const std::optional<Condition> condition = checkedCondition();
    if (!condition) {
        return;
    }
    ExactOdds odds = quickOdds(*condition);
    const bool longer = countsLonger(odds);
    if (longer) {
        odds.whyNot = texts::kCountingAside;
    }
    lastRun_ = std::make_unique<TableRun>(*condition, dealer_, *progress_, odds);
    ++runSerial_;
    if (longer) {
        countAside(*condition, journal_.entries().size(), runSerial_);
    }
    runBatches(*lastRun_, dialogue_, &journal_);
    bar_->hide();
}

void TableWindow::countAside(const Condition& condition, std::size_t entry, std::uint64_t serial) {
    auto* watcher = new QFutureWatcher<ExactOdds>(this);
    // The run may have been stopped before its first batch, leaving its
    // place in the journal to a later run: the text tells them apart.
    connect(
        watcher, &QFutureWatcherBase::finished, this,
        [this, watcher, entry, serial, text = conditionText(condition)] {
            const ExactOdds odds = watcher->result();
            if (entry < journal_.entries().size() && journal_.entries()[entry].condition == text) {
                journal_.exactFound(entry, 0, odds.probability, odds.whyNot);
            }
            if (lastRun_ && serial == runSerial_) {
                lastRun_->exactFound(odds);
            }
            watcher->deleteLater();
        });
    watcher->setFuture(QtConcurrent::run([condition] { return exactOdds(condition); }));
}

void TableWindow::openLesson() {
    const std::optional<Condition> condition = checkedCondition();
    if (!condition) {
        return;
    }
    if (lesson_ == nullptr) {
        lesson_ = new LessonWindow(journal_, dialogue_, this);
    }
    // Beside the main window, where the four-hand window went: there is
    // room there, and it is over this one, which opened it.
    QWidget* main = parentWidget();
    lesson_->openFor(*condition, conditionText(*condition), main != nullptr ? *main : *this);
}

void TableWindow::openBeside(QWidget& main) {
    if (!placed_) {
        // As large as its boxes and button want, where there is room; on
        // the side where the whole form fits unscrolled, if there is one.
        const QSize scrolled = scroll_->minimumSizeHint();
        const QSize whole = form_->minimumSizeHint();
        QSize least = minimumSizeHint();
        least.rwidth() += std::max(0, whole.width() - scrolled.width());
        least.rheight() += std::max(0, whole.height() - scrolled.height());
        placement_.setSizes(sizeHint(), least);
        placement_.placeBeside(main);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    box({0, 0, false})->setFocus(Qt::OtherFocusReason);
}

void TableWindow::closeEvent(QCloseEvent* event) {
    analysis_->cancel();
    if (lesson_ != nullptr) {
        lesson_->cancel();
    }
    QMainWindow::closeEvent(event);
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    if (escapeBackToParent(*this, *event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace ondiscale
