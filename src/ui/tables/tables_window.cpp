#include "ui/tables/tables_window.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "exact/fit_table.h"
#include "exact/pattern_table.h"
#include "exact/split_table.h"
#include "exact/suit_length_tables.h"
#include "ui/kit/bar_chart.h"
#include "ui/kit/escape_back.h"
#include "ui/kit/flow_layout.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/save_file.h"
#include "ui/kit/tabs_in_view.h"
#include "ui/kit/twips.h"
#include "ui/kit/typing_pause.h"
#include "ui/tables/sheet_page.h"
#include "ui/tables/sheet_view.h"
#include "ui/tables/table_sheets.h"
#include "ui/tables/tables_texts.h"

namespace ondiscale {
namespace {

namespace texts = tables_texts;

// The window's size when the screen has room for it, and the least size it
// takes beside the main window rather than below it; in twips, so that
// they grow with the fonts at a higher DPI.
constexpr int kWidth = 14400;
constexpr int kHeight = 9000;
constexpr int kLeastWidth = 7800;
constexpr int kLeastHeight = 6000;

// Where the tabs start: the splits of five missing cards, the 1NT band,
// a five-card suit.
constexpr int kFirstChartMissing = 5;
constexpr int kFirstBandFrom = 15;
constexpr int kFirstBandTo = 17;
constexpr int kFirstHeld = 5;

QSpinBox* spinBox(int min, int max, int value, const char* name) {
    auto* box = new QSpinBox;
    box->setRange(min, max);
    box->setValue(value);
    box->setAccessibleName(qtText(name));
    waitForTyping(*box);
    return box;
}

// A label that names a box and gives its access key.
QLabel* labelFor(const char* text, QWidget* box) {
    auto* label = new QLabel(qtText(text));
    label->setBuddy(box);
    return label;
}

// A note that a screen reader finds by Tab like the controls around it.
QLabel* note() {
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A note's text, which a screen reader reads whole, after what it is
// about where that needs saying: "Fit du camp : Au moins 8 cartes…".
void say(QLabel& label, const QString& text, const char* about = nullptr) {
    label.setText(text);
    label.setAccessibleName(about != nullptr ? qtText(texts::kNoteSaid).arg(qtText(about), text)
                                             : text);
}

// Controls side by side, on as many lines as the width needs.
FlowLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new FlowLayout(nullptr, Qt::AlignLeft);
    for (QWidget* w : widgets) {
        layout->addWidget(w);
    }
    return layout;
}

}  // namespace

TablesWindow::TablesWindow(Dialogue& dialogue, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      dialogue_(dialogue),
      tabs_(new QTabWidget),
      help_(new QPushButton(qtText(texts::kHelp))),
      export_(new QPushButton(qtText(texts::kExport))),
      handPoints_(pointTable(PointHolder::Hand)),
      sidePoints_(pointTable(PointHolder::Partnership)),
      placement_(*this, Twips(*this).size(kWidth, kHeight),
                 Twips(*this).size(kLeastWidth, kLeastHeight)) {
    setObjectName(QStringLiteral("Tables"));
    setWindowTitle(qtText(texts::kTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(Twips(*this).size(kWidth, kHeight));

    tabs_->setObjectName(QStringLiteral("tablesTabs"));
    tabs_->setAccessibleName(qtText(texts::kTabsName));
    tabs_->setDocumentMode(true);
    keepTabsInView(*tabs_);
    focusOrder_.push_back(tabs_->tabBar());
    buildSplits();
    buildPatterns();
    buildPoints();
    buildSuitLengths();
    buildFit();

    export_->setObjectName(QStringLiteral("tablesExport"));
    export_->setToolTip(qtText(texts::kExportTip));
    export_->setAutoDefault(false);
    connect(export_, &QPushButton::clicked, this, &TablesWindow::exportCsv);
    help_->setObjectName(QStringLiteral("tablesHelp"));
    help_->setToolTip(qtText(texts::kHelpTip));
    help_->setShortcut(QKeySequence(Qt::Key_F1));
    help_->setAutoDefault(false);
    connect(help_, &QPushButton::clicked, this, &TablesWindow::showHelp);
    focusOrder_.push_back(export_);
    focusOrder_.push_back(help_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(export_);
    buttons->addWidget(help_);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    chainFocus();
}

TablesWindow::~TablesWindow() = default;

SheetPage* TablesWindow::addPage(const char* key, const char* tab, const char* tableName,
                                 const char* chartName, const char* fileName) {
    auto* page = new SheetPage(qtText(tableName), qtText(chartName), qtText(fileName));
    const QString name = QStringLiteral("tables") + QLatin1String(key);
    page->setObjectName(name);
    page->view()->setObjectName(name + QStringLiteral("Table"));
    page->chart()->setObjectName(name + QStringLiteral("Chart"));
    tabs_->addTab(page, qtText(tab));
    return page;
}

void TablesWindow::chainFocus() {
    for (std::size_t i = 1; i < focusOrder_.size(); ++i) {
        setTabOrder(focusOrder_[i - 1], focusOrder_[i]);
    }
}

void TablesWindow::buildSplits() {
    splits_ = addPage("Splits", texts::kSplitsTab, texts::kSplitsName, texts::kSplitsChartName,
                      texts::kSplitsFile);
    // Places from 1 to 13: a player has always at least his last card to
    // come.
    westPlaces_ = spinBox(1, 13, 13, texts::kWestPlacesName);
    eastPlaces_ = spinBox(1, 13, 13, texts::kEastPlacesName);
    westPlaces_->setObjectName(QStringLiteral("tablesWestPlaces"));
    eastPlaces_->setObjectName(QStringLiteral("tablesEastPlaces"));
    for (QSpinBox* box : {westPlaces_, eastPlaces_}) {
        box->setToolTip(qtText(texts::kPlacesTip));
        box->setAccessibleDescription(qtText(texts::kPlacesTip));
    }
    // Read aloud as it is written, and reached by Tab after the places.
    placesNote_ = note();
    placesNote_->setObjectName(QStringLiteral("tablesPlacesNote"));
    placesNote_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    placesNote_->setFocusPolicy(Qt::StrongFocus);
    auto* places = new QGroupBox(qtText(texts::kPlaces));
    auto* inside = new QVBoxLayout(places);
    inside->addLayout(row({labelFor(texts::kWestPlaces, westPlaces_), westPlaces_,
                           labelFor(texts::kEastPlaces, eastPlaces_), eastPlaces_}));
    inside->addWidget(placesNote_);

    chartMissing_ = spinBox(1, 13, kFirstChartMissing, texts::kChartMissingName);
    chartMissing_->setObjectName(QStringLiteral("tablesChartMissing"));
    splits_->controls()->addWidget(places);
    splits_->controls()->addLayout(
        row({labelFor(texts::kChartMissing, chartMissing_), chartMissing_}));
    focusOrder_.insert(focusOrder_.end(), {westPlaces_, eastPlaces_, placesNote_, chartMissing_,
                                           splits_->view(), splits_->chart()});

    connect(westPlaces_, &QSpinBox::valueChanged, this, &TablesWindow::showSplits);
    connect(eastPlaces_, &QSpinBox::valueChanged, this, &TablesWindow::showSplits);
    connect(chartMissing_, &QSpinBox::valueChanged, this, &TablesWindow::showSplitChart);
    // The chart follows the row the user chooses in the table, not the
    // focus that comes into it.
    connect(splits_->view(), &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetItem*> chosen = splits_->view()->selectedItems();
        if (!chosen.isEmpty()) {
            const std::size_t r = splits_->view()->sheetRow(chosen.front()->row());
            chartMissing_->setValue(
                static_cast<int>(splits_->sheet().rows.at(r).at(kMissingColumn).key));
        }
    });
    showSplits();
}

void TablesWindow::showSplits() {
    const VacantPlaces places{static_cast<std::uint8_t>(westPlaces_->value()),
                              static_cast<std::uint8_t>(eastPlaces_->value())};
    const SplitTable table = splitTable(places);
    splits_->showSheet(splitSheet(table, numberStyle()));
    const auto placesText = [](int n) {
        return n == 1 ? qtText(texts::kOnePlace) : qtText(texts::kManyPlaces).arg(n);
    };
    const QString said =
        table.aPriori() ? qtText(texts::kAPriori)
                        : qtText(texts::kAPosteriori).arg(placesText(places.west)).arg(places.east);
    say(*placesNote_, said);
    // The opponents cannot miss more cards than they have places for.
    const QSignalBlocker quiet(chartMissing_);
    chartMissing_->setMaximum(std::min(13, places.west + places.east));
    showSplitChart();
}

void TablesWindow::showSplitChart() {
    const int missing = chartMissing_->value();
    const QString title =
        missing == 1 ? qtText(texts::kSplitsChartOne) : qtText(texts::kSplitsChart).arg(missing);
    // Where each way of a split has its bar, "3–2" under it reads West, East.
    const bool ways = westPlaces_->value() != eastPlaces_->value();
    splits_->showBars(title, rowsWhere(splits_->sheet(), kMissingColumn, missing), numberStyle(),
                      ways ? qtText(texts::kWaysAxis) : QString());
}

void TablesWindow::buildPatterns() {
    patterns_ = addPage("Patterns", texts::kPatternsTab, texts::kPatternsName,
                        texts::kPatternsChartName, texts::kPatternsFile);
    QLabel* groups = note();
    groups->setObjectName(QStringLiteral("tablesGroups"));
    say(*groups, qtText(patternGroupsText()));
    patterns_->controls()->addWidget(groups);
    patterns_->showSheet(patternSheet(patternTable(), numberStyle()));
    patterns_->showBars(qtText(texts::kPatternsChart), allRows(patterns_->sheet()), numberStyle());
    focusOrder_.insert(focusOrder_.end(), {patterns_->view(), patterns_->chart()});
}

void TablesWindow::buildPoints() {
    points_ = addPage("Points", texts::kPointsTab, texts::kPointsName, texts::kPointsChartName,
                      texts::kHandPointsFile);
    hand_ = new QRadioButton(qtText(texts::kOneHand));
    side_ = new QRadioButton(qtText(texts::kPartnership));
    hand_->setObjectName(QStringLiteral("tablesHand"));
    side_->setObjectName(QStringLiteral("tablesPartnership"));
    hand_->setChecked(true);
    auto* holders = new QButtonGroup(points_);
    holders->addButton(hand_);
    holders->addButton(side_);
    bandFrom_ = spinBox(0, 37, kFirstBandFrom, texts::kBandFromName);
    bandTo_ = spinBox(0, 37, kFirstBandTo, texts::kBandToName);
    bandFrom_->setObjectName(QStringLiteral("tablesBandFrom"));
    bandTo_->setObjectName(QStringLiteral("tablesBandTo"));
    band_ = note();
    band_->setObjectName(QStringLiteral("tablesBand"));
    band_->setWordWrap(false);
    band_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    band_->setFocusPolicy(Qt::StrongFocus);
    auto* holderLabel = new QLabel(qtText(texts::kHolder));
    points_->controls()->addLayout(row({holderLabel, hand_, side_}));
    points_->controls()->addLayout(
        row({labelFor(texts::kBandFrom, bandFrom_), bandFrom_, labelFor(texts::kBandTo, bandTo_),
             bandTo_, new QLabel(qtText(texts::kBandPoints)), band_}));
    focusOrder_.insert(focusOrder_.end(), {hand_, side_, bandFrom_, bandTo_, band_, points_->view(),
                                           points_->chart()});

    connect(hand_, &QRadioButton::toggled, this, &TablesWindow::showPoints);
    connect(bandFrom_, &QSpinBox::valueChanged, this, &TablesWindow::showBand);
    connect(bandTo_, &QSpinBox::valueChanged, this, &TablesWindow::showBand);
    showPoints();
}

const PointTable& TablesWindow::shownPoints() const {
    return hand_->isChecked() ? handPoints_ : sidePoints_;
}

void TablesWindow::showPoints() {
    const PointTable& table = shownPoints();
    const bool hand = table.holder == PointHolder::Hand;
    const int most = table.rows.back().points;
    for (QSpinBox* box : {bandFrom_, bandTo_}) {
        const QSignalBlocker quiet(box);
        box->setMaximum(most);
    }
    points_->setFileName(qtText(hand ? texts::kHandPointsFile : texts::kSidePointsFile));
    points_->showSheet(pointSheet(table, numberStyle()));
    points_->showBars(qtText(hand ? texts::kHandChart : texts::kSideChart),
                      allRows(points_->sheet()), numberStyle());
    showBand();
}

void TablesWindow::showBand() {
    const PointTable& table = shownPoints();
    const int from = bandFrom_->value();
    const int to = bandTo_->value();
    if (from > to) {
        say(*band_, qtText(texts::kBandEmpty), texts::kBandName);
        return;
    }
    const PointBand band =
        pointBand(table, Range{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)});
    const QString percent = qtText(percentShown(band.probability, numberStyle().decimal));
    say(*band_,
        qtText(table.holder == PointHolder::Hand ? texts::kBandHands : texts::kBandSides)
            .arg(percent),
        texts::kBandName);
}

void TablesWindow::buildSuitLengths() {
    longest_ = addPage("Longest", texts::kLongestTab, texts::kLongestName, texts::kLongestChartName,
                       texts::kLongestFile);
    longest_->showSheet(suitLengthSheet(longestSuitTable(), numberStyle()));
    longest_->showBars(qtText(texts::kLongestChart), allRows(longest_->sheet()), numberStyle());
    shortest_ = addPage("Shortest", texts::kShortestTab, texts::kShortestName,
                        texts::kShortestChartName, texts::kShortestFile);
    shortest_->showSheet(suitLengthSheet(shortestSuitTable(), numberStyle()));
    shortest_->showBars(qtText(texts::kShortestChart), allRows(shortest_->sheet()), numberStyle());
    focusOrder_.insert(focusOrder_.end(), {longest_->view(), longest_->chart(), shortest_->view(),
                                           shortest_->chart()});
}

void TablesWindow::buildFit() {
    fit_ = addPage("Fit", texts::kFitTab, texts::kFitName, texts::kFitChartName, texts::kFitFile);
    held_ = spinBox(0, 13, kFirstHeld, texts::kHeldName);
    held_->setObjectName(QStringLiteral("tablesHeld"));
    goals_ = note();
    goals_->setObjectName(QStringLiteral("tablesGoals"));
    goals_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    goals_->setFocusPolicy(Qt::StrongFocus);
    fit_->controls()->addLayout(row({labelFor(texts::kHeld, held_), held_}));
    fit_->controls()->addWidget(goals_);
    focusOrder_.insert(focusOrder_.end(), {held_, goals_, fit_->view(), fit_->chart()});
    connect(held_, &QSpinBox::valueChanged, this, &TablesWindow::showFit);
    showFit();
}

void TablesWindow::showFit() {
    const int held = held_->value();
    const FitTable table = fitTable(static_cast<std::uint8_t>(held));
    fit_->showSheet(fitSheet(table, numberStyle()));
    QStringList goals;
    for (const FitGoal& goal : table.goals) {
        goals << qtText(texts::kGoal)
                     .arg(goal.together)
                     .arg(qtText(percentShown(goal.probability, numberStyle().decimal)));
    }
    say(*goals_, goals.join(QLatin1Char('\n')), texts::kGoalsName);
    fit_->showBars(qtText(texts::kFitChart).arg(held), allRows(fit_->sheet()), numberStyle());
}

NumberStyle TablesWindow::numberStyle() const {
    return {dialogue_.decimalSeparator(), dialogue_.groupSeparator()};
}

void TablesWindow::openBeside(QWidget& main) {
    if (!placed_) {
        placement_.placeBeside(main);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    // Back where the keyboard was, the tabs the first time.
    QWidget* focus = focusWidget();
    (focus != nullptr ? focus : tabs_->tabBar())->setFocus(Qt::OtherFocusReason);
}

void TablesWindow::exportCsv() {
    const auto* page = qobject_cast<const SheetPage*>(tabs_->currentWidget());
    if (page == nullptr) {
        return;
    }
    saveThroughDialog(this,
                      {qtText(texts::kExportCaption), qtText(texts::kCsvFilter),
                       QStringLiteral("csv"), page->fileName()},
                      [this](const QString& path) { return exportTo(path); });
}

bool TablesWindow::exportTo(const QString& path) {
    const auto* page = qobject_cast<const SheetPage*>(tabs_->currentWidget());
    if (page == nullptr) {
        return false;
    }
    const auto failure = writeWhole(page->csv(), path);
    if (!failure) {
        return true;
    }
    const QString message = qtText(texts::kNotSaved).arg(QDir::toNativeSeparators(path), *failure);
    dialogue_.messageBox(message.toStdString(), Buttons::Ok, std::string(texts::kTitle));
    return false;
}

void TablesWindow::showHelp() {
    dialogue_.messageBox(texts::kHelpText, Buttons::Ok, std::string(texts::kHelpTitle));
}

void TablesWindow::keyPressEvent(QKeyEvent* event) {
    if (escapeBackToParent(*this, *event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace ondiscale
