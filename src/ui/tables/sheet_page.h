#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "text/number_text.h"
#include "ui/tables/table_sheets.h"

class QSplitter;
class QVBoxLayout;

namespace ondiscale {

class BarChart;
class SheetView;

// One tab of the tables' window: its own controls above, then the table
// and the chart of its figures side by side, or the chart below the table
// where the tab is too narrow for both; each can shrink.
class SheetPage : public QWidget {
    Q_OBJECT

public:
    // The table's and the chart's names for screen readers, the file name
    // offered for the export.
    SheetPage(const QString& tableName, const QString& chartName, QString fileName,
              QWidget* parent = nullptr);

    // Where the tab's own controls go, above the table.
    [[nodiscard]] QVBoxLayout* controls() const { return controls_; }
    [[nodiscard]] SheetView* view() const { return view_; }
    [[nodiscard]] BarChart* chart() const { return chart_; }
    [[nodiscard]] const Sheet& sheet() const { return sheet_; }
    [[nodiscard]] const QString& fileName() const { return fileName_; }
    void setFileName(const QString& name) { fileName_ = name; }

    void showSheet(Sheet sheet);
    // The chart of some rows of the sheet shown; `namesTitle` under their
    // names, if they need one.
    void showBars(const QString& title, const std::vector<std::size_t>& rows,
                  const NumberStyle& style, const QString& namesTitle = {});

    // The table in the order shown, for a spreadsheet.
    [[nodiscard]] std::string csv() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QVBoxLayout* controls_;
    SheetView* view_;
    BarChart* chart_;
    QSplitter* split_;
    Sheet sheet_;
    QString fileName_;
};

}  // namespace ondiscale
