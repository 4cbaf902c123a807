#include "ui/kit/tabs_in_view.h"

#include <QEvent>
#include <QProxyStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>

namespace ondiscale {
namespace {

// Tabs on the left with their labels across, not turned on their side.
class AcrossTabsStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (type == CT_TabBarTab && tab != nullptr && isSide(tab->shape)) {
            result.transpose();
        }
        return result;
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (element == CE_TabBarTabLabel && tab != nullptr && isSide(tab->shape)) {
            QStyleOptionTab across(*tab);
            across.shape = QTabBar::RoundedNorth;
            QProxyStyle::drawControl(element, &across, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    static bool isSide(QTabBar::Shape shape) {
        return shape == QTabBar::RoundedWest || shape == QTabBar::TriangularWest;
    }
};

class TabsWatch final : public QObject {
public:
    explicit TabsWatch(QTabWidget& tabs) : QObject(&tabs), tabs_(tabs) {
        auto* style = new AcrossTabsStyle;
        style->setParent(this);
        tabs.tabBar()->setStyle(style);
        tabs.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &tabs_ &&
            (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
             event->type() == QEvent::FontChange)) {
            fit();
        }
        return false;
    }

private:
    void fit() {
        // The width the tabs take on top, measured there.
        const QTabWidget::TabPosition was = tabs_.tabPosition();
        if (was == QTabWidget::North) {
            acrossWidth_ = tabs_.tabBar()->sizeHint().width();
        }
        const QTabWidget::TabPosition wanted =
            acrossWidth_ <= tabs_.width() ? QTabWidget::North : QTabWidget::West;
        if (wanted != was) {
            tabs_.setTabPosition(wanted);
        }
    }

    QTabWidget& tabs_;
    int acrossWidth_ = 0;
};

}  // namespace

void keepTabsInView(QTabWidget& tabs) {
    // Arrows would show only for the moment before the tabs move to the
    // side; they leave the window as narrow as a tab.
    tabs.setUsesScrollButtons(true);
    new TabsWatch(tabs);
}

}  // namespace ondiscale
