#pragma once

class QTabWidget;

namespace ondiscale {

// Keeps every tab of a tab widget in view, none behind scroll arrows: on
// top while they fit its width, else down its left side, their labels
// still written across, as wide as the longest.
void keepTabsInView(QTabWidget& tabs);

}  // namespace ondiscale
