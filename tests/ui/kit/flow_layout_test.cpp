#include "ui/kit/flow_layout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSet>
#include <QWidget>

using namespace ondiscale;

namespace {

// A row of buttons as narrow as its widest: each button wholly inside,
// none over another, going on to another line before the last one reaches
// the edge; the height asked for holds every line.
TEST(FlowLayout, ButtonsWrapBeforeTheEdge) {
    QWidget row;
    auto* flow = new FlowLayout(&row);
    QList<QPushButton*> buttons;
    for (const char* text : {"&Aide", "Séances &précédentes…", "&Copier en PBN",
                             "E&xporter en PBN…", "&Enregistrer sous…"}) {
        buttons << new QPushButton(QString::fromUtf8(text));
        flow->addWidget(buttons.back());
    }
    row.show();
    int widest = 0;
    for (const QPushButton* b : buttons) {
        widest = std::max(widest, b->sizeHint().width());
    }
    const QMargins m = flow->contentsMargins();
    const int all = flow->sizeHint().width();
    int lastLines = 1;
    for (const int width : {all + 100, all, all - 1, all * 2 / 3, all / 2,
                            widest + m.left() + m.right() + 20, widest + m.left() + m.right()}) {
        SCOPED_TRACE(width);
        row.resize(width, flow->heightForWidth(width));
        flow->activate();
        QApplication::processEvents();
        QSet<int> tops;
        for (const QPushButton* b : buttons) {
            const QRect at = b->geometry();
            EXPECT_TRUE(row.rect().contains(at))
                << b->text().toStdString() << " at " << at.x() << "," << at.y() << " in "
                << row.width() << "x" << row.height();
            EXPECT_EQ(at.size(), b->sizeHint());
            for (const QPushButton* other : buttons) {
                EXPECT_TRUE(b == other || !at.intersects(other->geometry()))
                    << b->text().toStdString() << " / " << other->text().toStdString();
            }
            tops.insert(at.top());
        }
        const int lines = static_cast<int>(tops.size());
        EXPECT_GE(lines, lastLines) << "narrower, never fewer lines";
        EXPECT_EQ(lines == 1, width >= all) << lines << " lines";
        lastLines = lines;
    }
}

}  // namespace
