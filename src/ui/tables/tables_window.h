#pragma once

#include <QMainWindow>
#include <vector>

#include "exact/point_table.h"
#include "simulation/dialogue.h"
#include "text/number_text.h"
#include "ui/kit/window_placement.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace ondiscale {

class SheetPage;

// "Tables de probabilités": the exact tables a bridge player learns, one
// tab each (the opponents' splits, given their vacant places; the
// patterns; high-card points of a hand or a partnership, and of a band;
// the longest and the shortest suit; partner's cards in a suit), each a
// table sorted by any column, a chart of its figures, and the export of
// the tab shown as a CSV table. Every figure comes from src/exact.
class TablesWindow : public QMainWindow {
    Q_OBJECT

public:
    // `dialogue` gives the locale's separators and tells of a failed export.
    TablesWindow(Dialogue& dialogue, QWidget* parent);
    ~TablesWindow() override;

    // Shows the window beside `main` the first time, where the user left it
    // afterwards, and gives it the keyboard.
    void openBeside(QWidget& main);

    // Asks for a file with Qt's own dialog, then exports to it.
    void exportCsv();
    // Writes the table of the tab shown to `path`; on failure tells the
    // user why.
    bool exportTo(const QString& path);

    // What the window is for, in a box (its "Aide" button, F1).
    void showHelp();

protected:
    // Escape gives the keyboard back to the main window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A tab; `key` names it and its parts for scripts: "tablesSplitsTable".
    SheetPage* addPage(const char* key, const char* tab, const char* tableName,
                       const char* chartName, const char* fileName);
    void buildSplits();
    void buildPatterns();
    void buildPoints();
    void buildSuitLengths();
    void buildFit();
    void chainFocus();

    void showSplits();
    void showSplitChart();
    void showPoints();
    void showBand();
    void showFit();
    [[nodiscard]] const PointTable& shownPoints() const;
    [[nodiscard]] NumberStyle numberStyle() const;

    Dialogue& dialogue_;
    QTabWidget* tabs_;
    QPushButton* help_;
    QPushButton* export_;
    const PointTable handPoints_;
    const PointTable sidePoints_;

    SheetPage* splits_ = nullptr;
    QSpinBox* westPlaces_ = nullptr;
    QSpinBox* eastPlaces_ = nullptr;
    QLabel* placesNote_ = nullptr;
    QSpinBox* chartMissing_ = nullptr;

    SheetPage* patterns_ = nullptr;

    SheetPage* points_ = nullptr;
    QRadioButton* hand_ = nullptr;
    QRadioButton* side_ = nullptr;
    QSpinBox* bandFrom_ = nullptr;
    QSpinBox* bandTo_ = nullptr;
    QLabel* band_ = nullptr;

    SheetPage* longest_ = nullptr;
    SheetPage* shortest_ = nullptr;

    SheetPage* fit_ = nullptr;
    QSpinBox* held_ = nullptr;
    QLabel* goals_ = nullptr;

    std::vector<QWidget*> focusOrder_;  // every tab's controls, table and chart in turn
    BesidePlacement placement_;
    bool placed_ = false;
};

}  // namespace ondiscale
