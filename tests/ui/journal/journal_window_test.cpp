#include "ui/journal/journal_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "journal/journal_csv.h"
#include "sample_plans.h"
#include "scripted_dialogue.h"
#include "ui/journal/journal_chart.h"
#include "ui/main_window.h"

using namespace ondiscale;

namespace {

template <typename T>
T* child(const QWidget& window, const char* name) {
    auto* w = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString cellText(QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text() : QString();
}

QLineSeries* series(QChartView* view, const char* name) {
    for (QAbstractSeries* s : view->chart()->series()) {
        if (s->name() == QString::fromUtf8(name)) {
            return qobject_cast<QLineSeries*>(s);
        }
    }
    return nullptr;
}

// Types the bounds into the main window's boxes.
void type(const QWidget& window, const std::array<const char*, 10>& boxes) {
    for (int n = 1; n <= 10; ++n) {
        window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n))
            ->setText(QString::fromUtf8(boxes[static_cast<std::size_t>(n - 1)]));
    }
}

TEST(JournalWindow, FollowsAFrequencyRunBesideTheMainWindow) {
    ScriptedDialogue dialogue;
    dialogue.separator = ",";
    MainWindow window(dialogue);
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuJournal"))->trigger();
    JournalWindow* journal = window.findChild<JournalWindow*>(QStringLiteral("Journal"));
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(journal->objectName(), QStringLiteral("Journal"));
    EXPECT_EQ(journal->windowTitle(), QStringLiteral("Journal des tirages"));
    EXPECT_TRUE(journal->isVisible());
    EXPECT_TRUE(journal->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(journal->frameGeometry().intersects(window.frameGeometry())) << "never over it";
    EXPECT_TRUE(window.screen()->geometry().contains(journal->frameGeometry()));

    auto* runs = child<QListWidget>(*journal, "journalRuns");
    auto* table = child<QTableWidget>(*journal, "journalFigures");
    type(window, {"5", "5", "0", "13", "0", "13", "0", "13", "12", "14"});
    dialogue.answers = {Answer::Yes, Answer::No};
    QStringList behindReports;
    dialogue.whileOpen = [&](const DialogueCall&) {
        behindReports << (runs->currentItem() != nullptr ? runs->currentItem()->text() : "")
                      << cellText(table, 0, 0);
    };
    child<QPushButton>(window, "Command2")->click();

    // Live: each report box has the journal up to date behind it.
    const auto reports = dialogue.reports();
    ASSERT_EQ(reports.size(), 2U);
    const QString hits = QString::fromStdString(reports[1].prompt).section(' ', 2, 2);
    ASSERT_EQ(behindReports.size(), 4);
    EXPECT_EQ(behindReports[0],
              QString::fromUtf8("Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14 — 100000 donnes"));
    EXPECT_EQ(behindReports[3], hits);

    ASSERT_EQ(runs->count(), 1);
    EXPECT_EQ(runs->item(0)->text(),
              QString::fromUtf8("Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14 — 200000 donnes"));
    ASSERT_EQ(table->rowCount(), 1);
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c) {
        headers << table->horizontalHeaderItem(c)->text();
    }
    EXPECT_EQ(headers, (QStringList{QString::fromUtf8("Réussites"), "Estimation",
                                    QString::fromUtf8("Marge d'erreur\nà 95 %"),
                                    QString::fromUtf8("Probabilité\nexacte"),
                                    QString::fromUtf8("Écart\nen σ")}));
    // "Sud précisé: N soit P%": the same N and P in the table.
    const QString percent = QString::fromStdString(reports[1].prompt).section(' ', 4, 4).chopped(1);
    EXPECT_EQ(cellText(table, 0, 0), hits);
    EXPECT_EQ(cellText(table, 0, 1), percent + " %");
    EXPECT_TRUE(cellText(table, 0, 2).startsWith(QString::fromUtf8("± 0,0")))
        << cellText(table, 0, 2).toStdString();
    EXPECT_EQ(cellText(table, 0, 3), QStringLiteral("2,582369 %"));
    EXPECT_FALSE(cellText(table, 0, 4).contains('.'));

    auto* chart = child<JournalChart>(*journal, "journalChart");
    QLineSeries* estimate = series(chart, "Estimation");
    QLineSeries* exact = series(chart, "Probabilité exacte");
    ASSERT_NE(estimate, nullptr);
    ASSERT_NE(exact, nullptr);
    ASSERT_EQ(estimate->count(), 2);
    EXPECT_EQ(estimate->at(1).x(), 200000);
    EXPECT_NEAR(estimate->at(1).y(), hits.toDouble() / 2000, 1e-9);
    EXPECT_NEAR(exact->at(0).y(), 2.582369, 1e-6);

    const QString hands = child<QLabel>(*journal, "journalHands")->text();
    EXPECT_EQ(hands.count(QStringLiteral("<tr>")), 5);
    EXPECT_EQ(hands.count(QString::fromUtf8("♠")), 5);
    EXPECT_EQ(hands.count(QString::fromUtf8("<span style=\"color:#ff0000\">♥</span>")), 5);
    EXPECT_EQ(hands.count(QString::fromUtf8("<span style=\"color:#ff0000\">♦</span>")), 5);
    EXPECT_EQ(child<QLabel>(*journal, "journalHandsTitle")->text(),
              QString::fromUtf8("Les cinq dernières mains qui conviennent"));

    // The next run shows at once, as the user was following the last one.
    dialogue.whileOpen = nullptr;
    dialogue.inputs = {"6421"};
    dialogue.answers = {Answer::No};
    window.findChild<QAction*>(QStringLiteral("mnuDistri1"))->trigger();
    ASSERT_EQ(runs->count(), 2);
    EXPECT_EQ(runs->currentRow(), 1);
    EXPECT_EQ(table->rowCount(), 7);
}

TEST(JournalWindow, ScreenReadersHearEachPartByName) {
    Journal journal;
    ScriptedDialogue dialogue;
    JournalWindow window(journal, dialogue, nullptr);
    window.show();
    const std::pair<const char*, const char*> parts[] = {
        {"journalRuns", "Tirages de la séance"},
        {"journalFigures", "Chiffres du tirage choisi"},
        {"journalChart", "Estimation après chaque tranche"},
        {"journalHands", "Exemples de mains"},
    };
    for (const auto& [name, heard] : parts) {
        QAccessibleInterface* part =
            QAccessible::queryAccessibleInterface(child<QWidget>(window, name));
        ASSERT_NE(part, nullptr) << name;
        EXPECT_EQ(part->text(QAccessible::Name), QString::fromUtf8(heard)) << name;
    }
}

TEST(JournalWindow, ShowsASurveyOpenedAfterTheRun) {
    ScriptedDialogue dialogue;
    dialogue.separator = ",";
    MainWindow window(dialogue);
    window.show();
    dialogue.inputs = {"6421"};
    dialogue.answers = {Answer::No};
    window.findChild<QAction*>(QStringLiteral("mnuDistri1"))->trigger();
    window.findChild<QAction*>(QStringLiteral("mnuJournal"))->trigger();
    const JournalWindow* journal = window.findChild<JournalWindow*>(QStringLiteral("Journal"));
    ASSERT_NE(journal, nullptr);

    auto* runs = child<QListWidget>(*journal, "journalRuns");
    ASSERT_EQ(runs->count(), 1);
    EXPECT_EQ(runs->currentRow(), 0);
    EXPECT_EQ(runs->item(0)->text(),
              QString::fromUtf8("Distributions 4432, 5332, … — 10000 donnes"));
    auto* table = child<QTableWidget>(*journal, "journalFigures");
    ASSERT_EQ(table->rowCount(), 7);
    EXPECT_EQ(table->verticalHeaderItem(0)->text(), QStringLiteral("4432"));
    EXPECT_EQ(table->verticalHeaderItem(6)->text(), QStringLiteral("6421"));
    EXPECT_EQ(cellText(table, 0, 3), QStringLiteral("21,55118 %"));
    EXPECT_EQ(cellText(table, 1, 3), QStringLiteral("15,51685 %"));

    // Another line of the table charts that line.
    table->setCurrentCell(1, 0);
    auto* chart = child<JournalChart>(*journal, "journalChart");
    EXPECT_EQ(chart->chart()->title(), QStringLiteral("5332"));
    EXPECT_NEAR(series(chart, "Probabilité exacte")->at(0).y(), 15.51685, 1e-5);
}

TEST(JournalWindow, SavesTheCsvOrTellsWhyNot) {
    ScriptedDialogue dialogue;
    Journal journal;
    journal.runStarted(fiveSpadesPlan());
    journal.batchDealt({1, 100'000, {2600}}, {});
    JournalWindow window(journal, dialogue, nullptr);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("journal.csv"));
    ASSERT_TRUE(window.saveTo(good));
    QFile written(good);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), journalCsv(journal.entries()));
    EXPECT_TRUE(dialogue.calls.empty());

    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    struct Row {
        QString path;
        QString reason;
        bool asRoot;  // root writes into a locked folder all the same
    };
    const Row rows[] = {
        {dir.filePath("missing/journal.csv"),
         QString::fromUtf8("le dossier « %1 » n'existe pas").arg(dir.filePath("missing")), true},
        {dir.filePath("plain/journal.csv"),
         QString::fromUtf8("« %1 » n'est pas un dossier").arg(dir.filePath("plain")), true},
        {dir.path(), QStringLiteral("c'est un dossier"), true},
        {locked + "/journal.csv",
         QString::fromUtf8("vous n'avez pas le droit d'écrire dans le dossier « %1 »").arg(locked),
         false},
    };
    for (const Row& r : rows) {
        if (!r.asRoot && geteuid() == 0) {
            continue;
        }
        dialogue.calls.clear();
        EXPECT_FALSE(window.saveTo(r.path)) << r.path.toStdString();
        ASSERT_EQ(dialogue.calls.size(), 1U) << r.path.toStdString();
        EXPECT_EQ(QString::fromStdString(dialogue.calls[0].prompt),
                  QString::fromUtf8("Le journal n'a pas été enregistré dans « %1 » : %2.")
                      .arg(r.path, r.reason));
        EXPECT_EQ(dialogue.calls[0].title, "Journal des tirages");
        EXPECT_EQ(dialogue.calls[0].buttons, Buttons::Ok);
    }
    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden).size(), 0) << "no half file";
    EXPECT_EQ(journal.entries().size(), 1U);
    EXPECT_EQ(journal.entries()[0].figures[0].hits, 2600) << "the journal as it was";
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
