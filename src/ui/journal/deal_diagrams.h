#pragma once

#include <QWidget>
#include <vector>

#include "journal/journal.h"

class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace ondiscale {

// A run's example deals as bridge players draw them: North at the top,
// West on the left, East on the right, South at the bottom, each hand suit
// by suit with its sign (red hearts and diamonds) and French ranks, "—"
// for a void; an analysed deal with its tricks at double dummy, its
// board's dealer and vulnerability and its par, as the PBN file has them.
// As many deals side by side as the width holds, each whole, the others a
// click on "Donne suivante" (or an arrow key) away. Each deal is one stop
// of the keyboard, and a screen reader hears it hand by hand, card by card.
class DealDiagrams : public QWidget {
    Q_OBJECT

public:
    explicit DealDiagrams(QWidget* parent = nullptr);

    // The first `most` deals of the entry's examples; drawn again only
    // when they are other deals.
    void showEntry(const JournalEntry& entry, std::size_t most);

    // One deal whole, and the buttons to go through them.
    [[nodiscard]] QSize minimumSizeHint() const override;
    // The height a deal takes at that width, with those buttons: less where
    // its tricks go beside it.
    [[nodiscard]] int heightFor(int width) const;
    // Every deal side by side.
    [[nodiscard]] QSize sizeHint() const override;

    // Shows the deals from the `first`th (from 0) on.
    void showFrom(int first);
    [[nodiscard]] int firstShown() const { return first_; }
    [[nodiscard]] int shownCount() const { return perPage_; }

signals:
    // Other deals, of another size: the room they need with them.
    void sizeChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QSize frameSize() const;
    // The largest deal's size with its tricks in the corners and beside.
    void measure();
    void arrange();

    QHBoxLayout* row_;
    QPushButton* previous_;
    QLabel* place_;
    QPushButton* next_;
    std::vector<QFrame*> frames_;
    std::vector<Example> shown_;  // the deals the frames draw
    int first_ = 0;
    int perPage_ = 1;
    QSize cornerSize_;
    QSize besideSize_;
    bool beside_ = true;  // the tricks beside the diagrams
};

}  // namespace ondiscale
