#include "ui/tables/sheet_page.h"

#include <QResizeEvent>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "text/readable_numbers.h"
#include "ui/kit/bar_chart.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"
#include "ui/tables/sheet_view.h"

namespace ondiscale {
namespace {

// The least sizes of the table and the chart, in twips.
constexpr int kLeastTableWidth = 2400;
constexpr int kLeastChartWidth = 3000;
constexpr int kLeastHeight = 1800;

}  // namespace

SheetPage::SheetPage(const QString& tableName, const QString& chartName, QString fileName,
                     QWidget* parent)
    : QWidget(parent),
      controls_(new QVBoxLayout),
      view_(new SheetView),
      chart_(new BarChart),
      split_(new QSplitter(Qt::Horizontal)),
      fileName_(std::move(fileName)) {
    const Twips twips(*this);
    view_->setAccessibleName(tableName);
    chart_->setAccessibleName(chartName);
    view_->setMinimumSize(twips.px(kLeastTableWidth), twips.px(kLeastHeight));
    chart_->setMinimumSize(twips.px(kLeastChartWidth), twips.px(kLeastHeight));
    split_->setChildrenCollapsible(false);
    split_->addWidget(view_);
    split_->addWidget(chart_);
    split_->setStretchFactor(1, 1);
    // As narrow as its widest part: below the width of both side by side,
    // they go one above the other (resizeEvent).
    split_->setMinimumWidth(std::max(view_->minimumWidth(), chart_->minimumWidth()));

    controls_->setContentsMargins(0, 0, 0, 0);
    // The tab's frame is margin enough on the sides.
    auto* layout = new QVBoxLayout(this);
    const int gap = layout->spacing();
    layout->setContentsMargins(0, gap, 0, 0);
    layout->addLayout(controls_);
    layout->addWidget(split_, 1);
}

void SheetPage::showSheet(Sheet sheet) {
    sheet_ = std::move(sheet);
    view_->showSheet(sheet_);
}

void SheetPage::showBars(const QString& title, const std::vector<std::size_t>& rows,
                         const NumberStyle& style, const QString& namesTitle) {
    chart_->showBars(title, namesTitle, barsOf(sheet_, rows), [style](double value, int decimals) {
        return qtText(fixedText(value, decimals, style.decimal));
    });
}

void SheetPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int room = view_->sizeHint().width() + split_->handleWidth() + chart_->minimumWidth() +
                     layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const Qt::Orientation orientation = width() >= room ? Qt::Horizontal : Qt::Vertical;
    if (orientation == split_->orientation()) {
        return;
    }
    split_->setOrientation(orientation);
    // Side by side the table as wide as its columns, the chart the rest;
    // one above the other, half the height each. Shared once the splitter
    // has its new size.
    const bool beside = orientation == Qt::Horizontal;
    split_->setStretchFactor(0, beside ? 0 : 1);
    QTimer::singleShot(0, split_, [this, beside] {
        const int whole = beside ? split_->width() : split_->height();
        const int table = beside ? view_->sizeHint().width() : whole / 2;
        split_->setSizes({table, whole - table});
    });
}

std::string SheetPage::csv() const { return sheetCsv(sheet_, view_->shownOrder()); }

}  // namespace ondiscale
