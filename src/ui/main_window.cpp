#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSessionManager>
#include <cstdio>

#include "engine/card_text.h"
#include "simulation/frequency_run.h"
#include "simulation/survey_run.h"
#include "ui/about_box.h"
#include "ui/bar_progress.h"
#include "ui/journal/journal_window.h"
#include "ui/kit/menu_rows.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"
#include "ui/kit/vertical_button.h"
#include "ui/kit/window_placement.h"
#include "ui/menu_keys.h"
#include "ui/table_window.h"
#include "ui/tables/tables_window.h"
#include "ui/window_texts.h"

namespace ondiscale {

namespace {

// Positions in twips. Each suit's row: the minimum box, the suit's label,
// the maximum box; the points' row below them.
constexpr int kMinLeft = 360;
constexpr int kMaxLeft = 3360;
constexpr std::array<int, 4> kSuitTops{480, 1200, 1920, 2640};
constexpr int kPointsTop = 3600;
constexpr int kBoxWidth = 735;
constexpr int kBoxHeight = 495;

struct SuitLabel {
    const char* name;
    int left, top, width, height;
};
constexpr PerSuit<SuitLabel> kSuitLabels{{
    {"Label1", 1440, 600, 1695, 375},
    {"Label2", 1440, 1320, 1815, 495},
    {"Label4", 1440, 2040, 1815, 495},
    {"Label5", 1440, 2760, 2055, 375},
}};

QLabel* addLabel(QWidget* parent, const char* name, const QRect& place, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QAction* named(QAction* action, std::string_view name) {
    action->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    return action;
}

}  // namespace

MainWindow::MainWindow(Dialogue& dialogue, QWidget* parent)
    : QMainWindow(parent), dialogue_(dialogue) {
    setObjectName(QStringLiteral("mainprecise"));
    setWindowTitle(qtText(texts::kMainCaption));
    buildControls();
    buildMenus();
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &MainWindow::commitSession,
            Qt::DirectConnection);
    journal_.setListener([this](std::size_t entry) {
        if (journalWindow_ != nullptr) {
            journalWindow_->entryChanged(entry);
        }
    });

    // At the top-right of the work area, the default bounds, the bar
    // hidden, the suits written, the caret in the first box.
    adjustSize();
    (new FramePlacement(*this, topRightCorner))->place();
    resetCardBounds();
    resetPointBounds();
    progressBar_->hide();
    writeSuitLabels();
    suitBoxes_[0].min->setFocus();
}

MainWindow::~MainWindow() {
    // An analysis under way stops before the journal it feeds goes.
    delete tableWindow_;
}

void MainWindow::buildControls() {
    const Twips twips(*this);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips.px(5160), twips.px(5145));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the controls keep their places

    // The controls are made in reading order, which screen readers follow:
    // each row from left to right, then the frequency button with its notice
    // and bar, then QUITTER.
    int boxNumber = 0;
    const auto addBox = [&](int left, int top, qreal points, const QString& name) {
        auto* box = new QLineEdit(client);
        box->setObjectName(QStringLiteral("Text%1").arg(++boxNumber));
        box->setAccessibleName(name);
        box->setGeometry(twips.rect(left, top, kBoxWidth, kBoxHeight));
        box->setFont(sansFont(points, true));
        return box;
    };
    // The suit labels: 18 pt bold, red for the red suits. The rows of "<="
    // signs are set condensed so that they fit their labels' widths.
    QFont suitFont = sansFont(18, true);
    suitFont.setStretch(QFont::Condensed);
    QPalette red;
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    for (const Suit suit : kSuits) {
        const std::size_t row = index(suit);
        const QString name = qtText(signOf(suit).name);
        suitBoxes_[row].min =
            addBox(kMinLeft, kSuitTops[row], 8.25, name + qtText(texts::kMinimumName));
        const SuitLabel& l = kSuitLabels[row];
        QLabel* label =
            addLabel(client, l.name, twips.rect(l.left, l.top, l.width, l.height), suitFont);
        if (signOf(suit).red) {
            label->setPalette(red);
        }
        suitBoxes_[row].max =
            addBox(kMaxLeft, kSuitTops[row], 8.25, name + qtText(texts::kMaximumName));
    }
    QFont pointsFont = sansFont(9.75, true);
    pointsFont.setStretch(QFont::Condensed);
    const QString points = qtText(texts::kPointsName);
    pointBoxes_.min = addBox(kMinLeft, kPointsTop, 9.75, points + qtText(texts::kMinimumName));
    addLabel(client, "Label6", twips.rect(1080, 3720, 2295, 375), pointsFont)
        ->setText(qtText(texts::kLabel6));
    pointBoxes_.max = addBox(kMaxLeft, kPointsTop, 9.75, points + qtText(texts::kMaximumName));

    // Enter presses a focused button, as Space does.
    auto* command2 = new QPushButton(qtText(texts::kCommand2), client);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setGeometry(twips.rect(600, 0, 3255, 375));
    command2->setFont(sansFont(8.25, true));
    command2->setAutoDefault(true);
    connect(command2, &QPushButton::clicked, this, &MainWindow::runFrequency);

    addLabel(client, "Label7", twips.rect(120, 4320, 4215, 375), sansFont(8.25, true))
        ->setText(qtText(texts::kLabel7));

    progressBar_ = new QProgressBar(client);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setAccessibleName(qtText(texts::kProgressName));
    progressBar_->setGeometry(twips.rect(120, 4680, 4695, 375));
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progress_ = std::make_unique<BarProgress>(*progressBar_);

    auto* command1 = new VerticalButton(qtText(texts::kCommand1), client);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(twips.rect(4560, 240, 255, 4095));
    command1->setFont(sansFont(8.25, true));
    command1->setAutoDefault(true);
    connect(command1, &QPushButton::clicked, this, &QWidget::close);

    // Keyboard order: the ten boxes, then the frequency button, then QUITTER.
    QWidget* previous = nullptr;
    const auto next = [&](QWidget* w) {
        if (previous != nullptr) {
            setTabOrder(previous, w);
        }
        previous = w;
    };
    for (const RangeBoxes& boxes : suitBoxes_) {
        next(boxes.min);
        next(boxes.max);
    }
    next(pointBoxes_.min);
    next(pointBoxes_.max);
    next(command2);
    next(command1);
}

void MainWindow::buildMenus() {
    // The window is narrower than its entries: they flow onto two rows.
    auto* menus = new MenuRows(centralWidget()->width(), qtText(texts::kMenuBarName),
                               qtText(texts::kMenuBarMoreName), this);
    setMenuWidget(menus);

    std::vector<QAction*> entries;
    const auto entry = [&](const char* caption, std::string_view name, void (MainWindow::*what)()) {
        QAction* action = named(menus->addAction(qtText(caption)), name);
        connect(action, &QAction::triggered, this, what);
        entries.push_back(action);
    };
    entry(texts::kMnuAbout, "mnuAbout", &MainWindow::showAbout);
    entry(texts::kMnuInfo, "mnuInfo", &MainWindow::showInformation);
    entry(texts::kMnuHelp, "mnuHelpmaintype", &MainWindow::showHelp);
    // The end of the first row, which has room for two more entries at
    // 96 and 144 DPI; the second keeps room beside the surveys and the
    // journal.
    entry(texts::kMnuDonne, "mnuDonne", &MainWindow::openTable);
    entry(texts::kMnuTables, "mnuTables", &MainWindow::openTables);

    auto* distributions = new QMenu(qtText(texts::kMnuFreqDistri), menus);
    distributions->setObjectName(QStringLiteral("mnuFreqDistri"));
    static_assert(texts::kSurveyEntries.size() == kSurveyGroups.size());
    for (std::size_t i = 0; i < kSurveyGroups.size(); ++i) {
        const SurveyGroup& group = kSurveyGroups[i];
        QAction* action = named(distributions->addAction(qtText(texts::kSurveyEntries[i].caption)),
                                texts::kSurveyEntries[i].name);
        connect(action, &QAction::triggered, this, [this, &group] { runSurvey(group); });
    }
    // The first entry of the second row; entries added after it follow it
    // there while the row has room.
    menus->addMenu(distributions);
    entry(texts::kMnuJournal, "mnuJournal", &MainWindow::openJournal);
    // The same keys from the program's other windows; the surveys' menu
    // opens from this window only.
    new MenuKeys(*this, std::move(entries));
}

QString MainWindow::suitLabelText(Suit suit) {
    return QStringLiteral("<=  ") + qtText(signOf(suit).sign) + QStringLiteral(" <=");
}

void MainWindow::writeSuitLabels() {
    for (const Suit suit : kSuits) {
        centralWidget()
            ->findChild<QLabel*>(QString::fromLatin1(kSuitLabels[index(suit)].name))
            ->setText(suitLabelText(suit));
    }
}

BoundTexts MainWindow::boundTexts() const {
    const auto texts = [](const RangeBoxes& boxes) {
        return RangeTexts{boxes.min->text().toStdString(), boxes.max->text().toStdString()};
    };
    BoundTexts out;
    for (const Suit suit : kSuits) {
        out.suits[index(suit)] = texts(suitBoxes_[index(suit)]);
    }
    out.points = texts(pointBoxes_);
    return out;
}

void MainWindow::resetCardBounds() {
    const BoundTexts defaults = textsOf(HandBounds{});
    for (const Suit suit : kSuits) {
        suitBoxes_[index(suit)].min->setText(qtText(defaults.suits[index(suit)].min));
        suitBoxes_[index(suit)].max->setText(qtText(defaults.suits[index(suit)].max));
    }
}

void MainWindow::resetPointBounds() {
    const BoundTexts defaults = textsOf(HandBounds{});
    pointBoxes_.min->setText(qtText(defaults.points.min));
    pointBoxes_.max->setText(qtText(defaults.points.max));
}

// A rejected group goes back to its defaults once the user has closed its
// message, the cards first; the run starts only when both groups passed,
// and ends with every box back at its default.
void MainWindow::runFrequency() {
    const BoundsCheck check = checkBounds(boundTexts());
    if (check.cardsRejected) {
        dialogue_.messageBox(kImpossibleChoice, Buttons::Ok, std::nullopt);
        resetCardBounds();
    }
    if (check.pointsRejected) {
        dialogue_.messageBox(kImpossibleChoice, Buttons::Ok, std::nullopt);
        resetPointBounds();
    }
    if (!check.bounds) {
        return;
    }
    ondiscale::runFrequency(*check.bounds, dealer_, *progress_, dialogue_, &journal_);
    resetPointBounds();
    resetCardBounds();
}

void MainWindow::runSurvey(const SurveyGroup& group) {
    ondiscale::runSurvey(group, dealer_, dialogue_, &journal_);
}

void MainWindow::showHelp() {
    dialogue_.messageBox(std::string(texts::kHelp1) + kCrLf + texts::kHelp2, Buttons::Ok,
                         std::string(texts::kHelpTitle));
}

void MainWindow::showInformation() {
    dialogue_.messageBox(std::string(texts::kInfo1) + kCrLf + texts::kInfo2 + kCrLf + texts::kInfo3,
                         Buttons::Ok, std::string(texts::kInfoTitle));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (const auto failure = keeper_.save()) {
        switch (askAfterFailedSave(this, keeper_, *failure)) {
            case AfterFailedSave::Stay:
                event->ignore();
                return;
            case AfterFailedSave::QuitUnsaved:
                unsaved_ = true;
                break;
            case AfterFailedSave::SavedElsewhere:
                break;
        }
    }
    QMainWindow::closeEvent(event);
}

int MainWindow::endSession() {
    if (const auto failure = keeper_.save()) {
        std::fprintf(stderr, "%s\n", failure->toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

bool MainWindow::saveForLogout(bool mayAsk) {
    const auto failure = keeper_.save();
    if (!failure) {
        return true;
    }
    if (!mayAsk) {
        std::fprintf(stderr, "%s\n", failure->toLocal8Bit().constData());
        return true;
    }
    return askAfterFailedSave(this, keeper_, *failure) != AfterFailedSave::Stay;
}

void MainWindow::commitSession(QSessionManager& manager) {
    const bool mayAsk = manager.allowsInteraction();
    if (!saveForLogout(mayAsk)) {
        manager.cancel();
    }
    if (mayAsk) {
        manager.release();
    }
}

void MainWindow::openJournal() {
    if (journalWindow_ == nullptr) {
        journalWindow_ = new JournalWindow(journal_, dialogue_, this);
    }
    journalWindow_->openBeside(*this);
}

void MainWindow::openTable() {
    if (tableWindow_ == nullptr) {
        tableWindow_ = new TableWindow(dealer_, dialogue_, journal_, this);
    }
    tableWindow_->openBeside(*this);
}

void MainWindow::openTables() {
    if (tablesWindow_ == nullptr) {
        tablesWindow_ = new TablesWindow(dialogue_, this);
    }
    tablesWindow_->openBeside(*this);
}

void MainWindow::showAbout() {
    if (about_ == nullptr) {
        about_ = new About(this);
    }
    about_->setApplication(qtText(texts::kAboutApplication));
    about_->setHeading(qtText(texts::kAboutHeading));
    about_->setCopyright(qtText(texts::kAboutCopyright));
    about_->display();
}

}  // namespace ondiscale
