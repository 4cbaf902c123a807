#include "ui/main_window.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

#include "survey/survey_run.h"
#include "ui/about_box.h"
#include "ui/journal_window.h"
#include "ui/menu_rows.h"
#include "ui/twips.h"
#include "ui/vertical_button.h"
#include "ui/window_frame.h"
#include "ui/window_texts.h"

namespace ondiscale {
namespace {

struct BoxPlace {
    int left, top;
    qreal pointSize;
};

// Text1 to Text10: the minima on the left, the maxima on the right; rows
// spades, hearts, diamonds, clubs, then points.
constexpr std::array<BoxPlace, 10> kBoxes{{
    {360, 480, 8.25},
    {3360, 480, 8.25},
    {360, 1200, 8.25},
    {3360, 1200, 8.25},
    {360, 1920, 8.25},
    {3360, 1920, 8.25},
    {360, 2640, 8.25},
    {3360, 2640, 8.25},
    {360, 3600, 9.75},
    {3360, 3600, 9.75},
}};

// The suit labels between the boxes of each row, spades first.
struct SuitLabel {
    const char* name;
    int left, top, width, height;
    bool red;
};
constexpr std::array<SuitLabel, 4> kSuitLabels{{
    {"Label1", 1440, 600, 1695, 375, false},
    {"Label2", 1440, 1320, 1815, 495, true},
    {"Label4", 1440, 2040, 1815, 495, true},
    {"Label5", 1440, 2760, 2055, 375, false},
}};

QLabel* addLabel(QWidget* parent, const char* name, const QRect& place, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QAction* named(QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

mainprecise::mainprecise(Dialogue* dialogue)
    : dialogue_(dialogue != nullptr ? *dialogue : qtDialogue_) {
    setObjectName(QStringLiteral("mainprecise"));
    setWindowTitle(QString::fromUtf8(texts::kMainCaption));
    buildControls();
    buildMenus();
    // The frame's top-right corner at the top-right corner of the work area.
    placement_ = new FramePlacement(*this, [](const QSize& outer, const QRect& area) {
        return QPoint(area.right() + 1 - outer.width(), area.top());
    });
    load();
    frequency_.setObserver(&journal_);
    journal_.setListener([this](std::size_t entry) {
        if (journalWindow_ != nullptr) {
            journalWindow_->entryChanged(entry);
        }
    });
}

mainprecise::~mainprecise() = default;

void mainprecise::buildControls() {
    const Twips twips(*this);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips.px(5160), twips.px(5145));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the controls keep their places

    // The controls are made in reading order, which screen readers follow:
    // each row from left to right, then the frequency button with its notice
    // and bar, then QUITTER.
    const auto addBox = [&](std::size_t n) {
        const BoxPlace& place = kBoxes[n - 1];
        auto* box = new QLineEdit(client);
        box->setObjectName(QStringLiteral("Text%1").arg(n));
        box->setAccessibleName(QString::fromUtf8(texts::kBoxNames[n - 1]));
        box->setGeometry(twips.rect(place.left, place.top, 735, 495));
        box->setFont(sansFont(place.pointSize, true));
        text_[n] = box;
    };
    // The suit labels: 18 pt bold, hearts and diamonds in red. The rows of
    // "<=" signs are set condensed so that they fit their labels' widths.
    QFont suitFont = sansFont(18, true);
    suitFont.setStretch(QFont::Condensed);
    QPalette red;
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    for (std::size_t row = 0; row < kSuitLabels.size(); ++row) {
        const SuitLabel& suit = kSuitLabels[row];
        addBox(2 * row + 1);
        QLabel* label = addLabel(
            client, suit.name, twips.rect(suit.left, suit.top, suit.width, suit.height), suitFont);
        if (suit.red) {
            label->setPalette(red);
        }
        addBox(2 * row + 2);
    }
    QFont pointsFont = sansFont(9.75, true);
    pointsFont.setStretch(QFont::Condensed);
    addBox(9);
    addLabel(client, "Label6", twips.rect(1080, 3720, 2295, 375), pointsFont)
        ->setText(QString::fromUtf8(texts::kLabel6));
    addBox(10);

    // Enter presses a focused button, as Space does.
    auto* command2 = new QPushButton(QString::fromUtf8(texts::kCommand2), client);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setGeometry(twips.rect(600, 0, 3255, 375));
    command2->setFont(sansFont(8.25, true));
    command2->setAutoDefault(true);
    connect(command2, &QPushButton::clicked, this, [this] { Command2Click(); });

    addLabel(client, "Label7", twips.rect(120, 4320, 4215, 375), sansFont(8.25, true))
        ->setText(QString::fromUtf8(texts::kLabel7));

    progressBar1_ = new QProgressBar(client);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setAccessibleName(QString::fromUtf8(texts::kProgressName));
    progressBar1_->setGeometry(twips.rect(120, 4680, 4695, 375));
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);

    auto* command1 = new VerticalButton(QString::fromUtf8(texts::kCommand1), client);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(twips.rect(4560, 240, 255, 4095));
    command1->setFont(sansFont(8.25, true));
    command1->setAutoDefault(true);
    connect(command1, &QPushButton::clicked, this, &QWidget::close);

    // Keyboard order: the ten boxes, then the frequency button, then QUITTER.
    QWidget* previous = text_[1];
    for (std::size_t n = 2; n <= 10; ++n) {
        setTabOrder(previous, text_[n]);
        previous = text_[n];
    }
    setTabOrder(previous, command2);
    setTabOrder(command2, command1);
}

void mainprecise::buildMenus() {
    // The window is narrower than the four entries: they flow onto two rows.
    auto* menus = new MenuRows(centralWidget()->width(), this);
    setMenuWidget(menus);

    connect(named(menus->addAction(QString::fromUtf8(texts::kMnuAbout)), "mnuAbout"),
            &QAction::triggered, this, [this] { mnuAboutClick(); });
    connect(named(menus->addAction(QString::fromUtf8(texts::kMnuInfo)), "mnuInfo"),
            &QAction::triggered, this, [this] { mnuInfoClick(); });
    connect(named(menus->addAction(QString::fromUtf8(texts::kMnuHelp)), "mnuHelpmaintype"),
            &QAction::triggered, this, [this] { mnuHelpmaintypeClick(); });

    auto* distributions = new QMenu(QString::fromUtf8(texts::kMnuFreqDistri), menus);
    distributions->setObjectName(QStringLiteral("mnuFreqDistri"));
    connect(named(distributions->addAction(QString::fromUtf8(texts::kMnuDistri1)), "mnuDistri1"),
            &QAction::triggered, this, [this] { Probadistri1(); });
    connect(named(distributions->addAction(QString::fromUtf8(texts::kMnuDistri2)), "mnuDistri2"),
            &QAction::triggered, this, [this] { Probadistri2(); });
    connect(named(distributions->addAction(QString::fromUtf8(texts::kMnuDistri3)), "mnuDistri3"),
            &QAction::triggered, this, [this] { Probadistri3(); });
    // The first entry of the second row; entries added after it follow it
    // there while the row has room.
    menus->addMenu(distributions);
    connect(named(menus->addAction(QString::fromUtf8(texts::kMnuJournal)), "mnuJournal"),
            &QAction::triggered, this, [this] { mnuJournalClick(); });
}

// Load: top-right corner, the default bounds, the bar hidden, the suits.
void mainprecise::load() {
    adjustSize();
    placement_->place();
    frequency_.DefautC();
    frequency_.DefautH();
    progressBar1_->hide();
    const auto caption = [this](const char* name, std::uint8_t suit) {
        centralWidget()->findChild<QLabel*>(QString::fromLatin1(name))->setText(Ecrit(suit));
    };
    caption("Label1", 4);
    caption("Label2", 3);
    caption("Label4", 2);
    caption("Label5", 1);
    text_[1]->setFocus();
}

QString mainprecise::Ecrit(const std::uint8_t& suit) {
    QString caption = QStringLiteral("<=  ");
    switch (suit) {
        case 4:
            caption += QChar(0x2660);
            break;  // spade
        case 3:
            caption += QChar(0x2665);
            break;  // heart
        case 2:
            caption += QChar(0x2666);
            break;  // diamond
        case 1:
            caption += QChar(0x2663);
            break;  // club
        default:
            break;
    }
    return caption + QStringLiteral(" <=");
}

std::string mainprecise::boxText(int box) const {
    return text_.at(static_cast<std::size_t>(box))->text().toStdString();
}

void mainprecise::setBoxText(int box, const std::string& text) {
    text_.at(static_cast<std::size_t>(box))->setText(QString::fromStdString(text));
}

void mainprecise::setProgressVisible(bool visible) { progressBar1_->setVisible(visible); }

void mainprecise::setProgressValue(int value) { progressBar1_->setValue(value); }

void mainprecise::Probadistri1() { ondiscale::Probadistri1(dealer_, dialogue_, &journal_); }
void mainprecise::Probadistri2() { ondiscale::Probadistri2(dealer_, dialogue_, &journal_); }
void mainprecise::Probadistri3() { ondiscale::Probadistri3(dealer_, dialogue_, &journal_); }

void mainprecise::mnuHelpmaintypeClick() {
    dialogue_.messageBox(std::string(texts::kHelp1) + kCrLf + texts::kHelp2, Buttons::Ok,
                         std::string(texts::kHelpTitle));
}

void mainprecise::mnuInfoClick() {
    dialogue_.messageBox(std::string(texts::kInfo1) + kCrLf + texts::kInfo2 + kCrLf + texts::kInfo3,
                         Buttons::Ok, std::string(texts::kInfoTitle));
}

void mainprecise::mnuJournalClick() {
    if (journalWindow_ == nullptr) {
        // A test's scripted dialogue serves the journal too; otherwise it
        // shows its own boxes over itself.
        journalWindow_ =
            new JournalWindow(journal_, &dialogue_ != &qtDialogue_ ? &dialogue_ : nullptr, this);
    }
    journalWindow_->openBeside(*this);
}

void mainprecise::mnuAboutClick() {
    if (about_ == nullptr) {
        about_ = new About(this);
    }
    about_->Application(QString::fromUtf8(texts::kAboutApplication));
    about_->Heading(QString::fromUtf8(texts::kAboutHeading));
    about_->Copyright(QString::fromUtf8(texts::kAboutCopyright));
    about_->Display();
}

}  // namespace ondiscale
