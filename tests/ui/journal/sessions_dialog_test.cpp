#include "ui/journal/sessions_dialog.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace ondiscale;

namespace {

// A session of `runs` runs, told apart by that count.
std::vector<JournalEntry> journalOf(int runs) {
    std::vector<JournalEntry> entries(static_cast<std::size_t>(runs));
    for (JournalEntry& entry : entries) {
        entry.condition = "5 ≤ ♠ ≤ 13";
        entry.batches = 1;
        entry.deals = 100'000;
    }
    return entries;
}

QDateTime december(int day) { return {QDate(2026, 12, day), QTime(14, 5)}; }

// The runs of the session the dialog gives, 0 for none.
std::int64_t chosenRuns(const SessionsDialog& dialog) {
    const auto chosen = dialog.chosen();
    return chosen ? chosen->runs.value_or(-1) : 0;
}

// The newest session comes preselected, so "Ouvrir" opens it at once; any
// other opens by a double click or by Enter; "Fermer" opens none.
TEST(SessionsDialog, OpensTheNewestWithItsButtonAndAnyByDoubleClickOrEnter) {
    const QTemporaryDir temporary;
    const SessionStore store(temporary.filePath(QStringLiteral("ondiscale")));
    // Saved out of order: the list goes by the time each session ended.
    ASSERT_EQ(store.save(journalOf(2), december(7)), std::nullopt);
    ASSERT_EQ(store.save(journalOf(3), december(8)), std::nullopt);
    ASSERT_EQ(store.save(journalOf(1), december(6)), std::nullopt);

    enum class Way { OpenButton, CloseButton, DoubleClick, Enter };
    struct Row {
        const char* name;
        Way way;
        int row;  // the row double-clicked, or moved to with the arrows
        std::int64_t runs;
    };
    const Row rows[] = {
        {"Ouvrir, untouched", Way::OpenButton, 0, 3},
        {"Fermer", Way::CloseButton, 0, 0},
        {"double click on the second", Way::DoubleClick, 1, 2},
        {"double click on the last", Way::DoubleClick, 2, 1},
        {"Enter on the first", Way::Enter, 0, 3},
        {"Enter on the last", Way::Enter, 2, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SessionsDialog dialog(store, nullptr);
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("journalSessionsList"));
        ASSERT_NE(list, nullptr);
        // Before the list takes the keyboard, which would make its first row current.
        EXPECT_EQ(list->currentRow(), 0) << "the newest preselected";
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ASSERT_EQ(list->count(), 3);
        EXPECT_TRUE(list->item(0)->text().endsWith(QStringLiteral("(3 tirages)")))
            << list->item(0)->text().toStdString();
        QPushButton* open = nullptr;
        QPushButton* close = nullptr;
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("&Ouvrir")) {
                open = button;
            } else if (button->text() == QStringLiteral("&Fermer")) {
                close = button;
            }
        }
        ASSERT_NE(open, nullptr);
        ASSERT_NE(close, nullptr);
        switch (r.way) {
            case Way::OpenButton:
                EXPECT_TRUE(open->isEnabled());
                QTest::mouseClick(open, Qt::LeftButton);
                break;
            case Way::CloseButton:
                QTest::mouseClick(close, Qt::LeftButton);
                break;
            case Way::DoubleClick: {
                const QPoint at = list->visualItemRect(list->item(r.row)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                break;
            }
            case Way::Enter:
                list->setFocus();
                for (int n = 0; n < r.row; ++n) {
                    QTest::keyClick(list, Qt::Key_Down);
                }
                QTest::keyClick(list, Qt::Key_Return);
                break;
        }
        EXPECT_FALSE(dialog.isVisible()) << "the dialog closed";
        EXPECT_EQ(chosenRuns(dialog), r.runs);
    }
}

}  // namespace
