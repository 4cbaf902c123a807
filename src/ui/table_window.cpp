#include "ui/table_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "condition/condition_text.h"
#include "engine/card_text.h"
#include "simulation/table_run.h"
#include "ui/analysis_panel.h"
#include "ui/bar_progress.h"
#include "ui/kit/escape_back.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"
#include "ui/lesson/lesson_texts.h"
#include "ui/lesson/lesson_window.h"
#include "ui/window_texts.h"

namespace ondiscale {
namespace {

// The rows' and the measures' parts of the boxes' object names.
constexpr std::array<const char*, kTableRows> kRowKeys{"Nord",  "Est",     "Sud",
                                                       "Ouest", "NordSud", "EstOuest"};
constexpr std::array<const char*, kMeasures> kMeasureKeys{"Pique", "Coeur", "Carreau", "Trefle",
                                                          "Points"};

}  // namespace

TableWindow::TableWindow(Dealer& dealer, Dialogue& dialogue, Journal& journal, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      dealer_(dealer),
      dialogue_(dialogue),
      journal_(journal),
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
      placement_(*this, QSize(), QSize(), BesidePlacement::Order::BelowFirst) {
    setObjectName(QStringLiteral("Donne"));
    setWindowTitle(qtText(texts::kDonneTitle));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Twips(*this).px(60));
    // The headings: each suit's sign over its two boxes, red for the red
    // suits, then "points"; under them "min" and "max".
    for (std::size_t m = 0; m < kMeasures; ++m) {
        const auto column = static_cast<int>(1 + 2 * m);
        auto* heading =
            new QLabel(m < kSuits.size() ? qtText(signOf(kSuits[m]).sign) : qtText(texts::kPoints));
        heading->setAlignment(Qt::AlignCenter);
        if (m < kSuits.size() && signOf(kSuits[m]).red) {
            heading->setStyleSheet(QStringLiteral("color: #ff0000"));
        }
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        grid->addWidget(heading, 0, column, 1, 2);
        for (const bool max : {false, true}) {
            auto* end = new QLabel(qtText(max ? texts::kMax : texts::kMin));
            end->setAlignment(Qt::AlignCenter);
            grid->addWidget(end, 1, column + (max ? 1 : 0));
        }
    }
    // The boxes, row by row, made in the order a reader and Tab go through
    // them.
    const int boxWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("000")) + Twips(*this).px(180);
    const TableTexts defaults = textsOf(TableBounds{});
    for (std::size_t row = 0; row < kTableRows; ++row) {
        auto* name = new QLabel(qtText(rowName(row)));
        grid->addWidget(name, static_cast<int>(2 + row), 0);
        for (std::size_t m = 0; m < kMeasures; ++m) {
            for (const bool max : {false, true}) {
                auto* box =
                    new QLineEdit(qtText(max ? defaults[row][m].max : defaults[row][m].min));
                box->setObjectName(QStringLiteral("%1%2%3").arg(
                    QLatin1String(kRowKeys[row]), QLatin1String(kMeasureKeys[m]),
                    max ? QStringLiteral("Max") : QStringLiteral("Min")));
                box->setAccessibleName(qtText(boxName({row, m, max})));
                box->setFixedWidth(boxWidth);
                box->setAlignment(Qt::AlignRight);
                grid->addWidget(box, static_cast<int>(2 + row),
                                static_cast<int>(1 + 2 * m + (max ? 1 : 0)));
                boxes_[row][m][max ? 1 : 0] = box;
            }
        }
    }
    run_->setObjectName(QStringLiteral("cmdDonne"));
    run_->setAutoDefault(true);
    bar_->setObjectName(QStringLiteral("DonneProgression"));
    bar_->setAccessibleName(qtText(texts::kProgressName));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->hide();
    connect(run_, &QPushButton::clicked, this, &TableWindow::runTable);

    // A set of boards for a lesson, from the same bounds, in its own window.
    auto* lesson = new QPushButton(qtText(lesson_texts::kOpenLesson));
    lesson->setObjectName(QStringLiteral("donneLecon"));
    lesson->setToolTip(qtText(lesson_texts::kOpenLessonTip));
    lesson->setAutoDefault(true);  // Enter presses it, as the other buttons
    connect(lesson, &QPushButton::clicked, this, &TableWindow::openLesson);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(bar_, 1);
    buttons->addWidget(lesson);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(analysis_);
    setCentralWidget(central);
    // The boxes row by row, then the button, then the analysis: once they
    // are all in this window, where Qt takes a tab order.
    QWidget* previous = nullptr;
    for (const auto& row : boxes_) {
        for (const auto& measure : row) {
            for (QLineEdit* box : measure) {
                if (previous != nullptr) {
                    setTabOrder(previous, box);
                }
                previous = box;
            }
        }
    }
    setTabOrder(previous, run_);
    setTabOrder(run_, lesson);
    setTabOrder(lesson, analysis_);
}

TableWindow::~TableWindow() = default;

QLineEdit* TableWindow::box(const TableBox& box) const {
    return boxes_[box.row][box.measure][box.max ? 1 : 0];
}

TableTexts TableWindow::boxTexts() const {
    TableTexts out;
    for (std::size_t row = 0; row < kTableRows; ++row) {
        for (std::size_t m = 0; m < kMeasures; ++m) {
            out[row][m] = {boxes_[row][m][0]->text().toStdString(),
                           boxes_[row][m][1]->text().toStdString()};
        }
    }
    return out;
}

std::optional<TableBounds> TableWindow::checkedBounds() {
    const TableBoundsCheck check = checkTableBounds(boxTexts());
    if (!check.bounds) {
        dialogue_.messageBox(check.message, Buttons::Ok, std::string(texts::kDonneTitle));
        QLineEdit* wrong = box(check.box);
        wrong->setFocus(Qt::OtherFocusReason);
        wrong->selectAll();
    }
    return check.bounds;
}

void TableWindow::runTable() {
    const std::optional<TableBounds> bounds = checkedBounds();
    if (!bounds) {
        return;
    }
    lastRun_ = std::make_unique<TableRun>(*bounds, dealer_, *progress_);
    runBatches(*lastRun_, dialogue_, &journal_);
    bar_->hide();
}

void TableWindow::openLesson() {
    const std::optional<TableBounds> bounds = checkedBounds();
    if (!bounds) {
        return;
    }
    Condition condition;
    condition.asked.alternatives = {Alternative{*bounds}};
    if (lesson_ == nullptr) {
        lesson_ = new LessonWindow(journal_, dialogue_, this);
    }
    // Beside the main window, where the four-hand window went: there is
    // room there, and it is over this one, which opened it.
    QWidget* main = parentWidget();
    lesson_->openFor(condition, tableBoundsText(*bounds), main != nullptr ? *main : *this);
}

void TableWindow::openBeside(QWidget& main) {
    if (!placed_) {
        // As large as its boxes and button want, where there is room.
        placement_.setSizes(sizeHint(), minimumSizeHint());
        placement_.placeBeside(main);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    boxes_[0][0][0]->setFocus(Qt::OtherFocusReason);
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
