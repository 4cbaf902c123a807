#pragma once

#include <QLayout>
#include <QList>

namespace ondiscale {

// Widgets side by side, right-aligned (a row of buttons) or left-aligned
// (a row of controls), going on to another line where the width runs
// short, so that a row never makes its window wider than the screen.
class FlowLayout : public QLayout {
    Q_OBJECT

public:
    explicit FlowLayout(QWidget* parent = nullptr, Qt::Alignment side = Qt::AlignRight);
    ~FlowLayout() override;
    FlowLayout(const FlowLayout&) = delete;
    FlowLayout& operator=(const FlowLayout&) = delete;

    void addItem(QLayoutItem* item) override;
    [[nodiscard]] int count() const override;
    [[nodiscard]] QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    [[nodiscard]] Qt::Orientations expandingDirections() const override;
    [[nodiscard]] bool hasHeightForWidth() const override;
    [[nodiscard]] int heightForWidth(int width) const override;
    [[nodiscard]] QSize minimumSize() const override;
    [[nodiscard]] QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect` (or only measures, when `apply` is
    // false) and gives the height they take.
    [[nodiscard]] int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
    Qt::Alignment side_;
};

}  // namespace ondiscale
