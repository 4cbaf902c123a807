#pragma once

#include <QWidget>
#include <optional>

#include "simulation/batch_run.h"

namespace ondiscale {

// One board drawn large, as it prints: a stop of the keyboard whose
// arrows (and Page Up, Page Down) ask for the previous or the next board,
// and which a screen reader hears whole, hand by hand and card by card.
class BoardView : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent = nullptr);

    // The board to draw; none: an empty square.
    void showBoard(const std::optional<Example>& board);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

signals:
    void previousAsked();
    void nextAsked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] QFont boardFont() const;

    std::optional<Example> board_;
};

}  // namespace ondiscale
