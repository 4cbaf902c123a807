#include "ui/kit/scroll_area_accessible.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

namespace ondiscale {
namespace {

QAccessibleInterface* scrollAreaAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QScrollArea") &&
        className != QLatin1String("QAbstractScrollArea")) {
        return nullptr;
    }
    auto* area = qobject_cast<QAbstractScrollArea*>(object);
    return area != nullptr ? new QAccessibleWidget(area, QAccessible::Client) : nullptr;
}

}  // namespace

void installScrollAreaAccessible() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(scrollAreaAccessible); });
}

}  // namespace ondiscale
