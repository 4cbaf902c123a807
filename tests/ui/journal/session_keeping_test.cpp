// The session kept however the program ends, and past sessions opened
// however large, as a user meets them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <fstream>
#include <iterator>

#include "engine/dealer.h"
#include "formats/session_file.h"
#include "modal.h"
#include "scripted_dialogue.h"
#include "simulation/table_run.h"
#include "ui/journal/journal_window.h"
#include "ui/journal/session_keeper.h"
#include "ui/journal/session_store.h"
#include "ui/main_window.h"
#include "ui/quit_signals.h"

using namespace ondiscale;

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

const std::array<const char*, 10> kFiveSpades{"5",  "5", "0",  "13", "0",
                                              "13", "0", "13", "12", "14"};

// The program's main window after one frequency run of a batch.
struct Session {
    ScriptedDialogue dialogue;
    MainWindow window{dialogue};

    Session() {
        window.show();
        for (int n = 1; n <= 10; ++n) {
            window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n))
                ->setText(QString::fromUtf8(kFiveSpades[static_cast<std::size_t>(n - 1)]));
        }
        dialogue.answers = {Answer::No};
        window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    }
};

// The data folder's name taken by a file: every save there fails, as on a
// read-only disk; put back as it was afterwards.
struct BlockedDataFolder {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QString aside = folder + QStringLiteral(".mis-de-cote");

    BlockedDataFolder() {
        QDir().rename(folder, aside);
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QFile file(folder);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ~BlockedDataFolder() {
        QFile::remove(folder);
        QDir().rename(aside, folder);
    }
    BlockedDataFolder(const BlockedDataFolder&) = delete;
    BlockedDataFolder& operator=(const BlockedDataFolder&) = delete;
};

QPushButton* button(QWidget* box, const char* name) {
    auto* found = box->findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The program ends with its session not saved: said on screen, with a way
// to keep the work, to go back, or to quit without it (exit status 1).
TEST(SessionKeeping, AFailedSaveIsSaidOnScreenWithAWayToKeepTheWork) {
    const BlockedDataFolder blocked;
    const QTemporaryDir elsewhere;
    struct Row {
        const char* choice;
        bool closed;
        int status;
        bool savedElsewhere;
    };
    for (const Row& row :
         {Row{"sessionStay", false, 0, false}, Row{"sessionQuitUnsaved", true, 1, false},
          Row{"sessionSaveElsewhere", true, 0, true}}) {
        SCOPED_TRACE(row.choice);
        Session s;
        const QString kept = elsewhere.filePath(QStringLiteral("%1.journal").arg(row.choice));
        QString said;
        QString title;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            said = box->text();
            title = box->windowTitle();
            if (row.savedElsewhere) {
                whenModal([&](QWidget* files) {
                    auto* dialog = qobject_cast<QFileDialog*>(files);
                    ASSERT_NE(dialog, nullptr);
                    EXPECT_EQ(dialog->windowTitle(), utf8("Enregistrer la séance"));
                    chooseFile(*dialog, kept);
                });
            }
            button(box, row.choice)->click();
        });
        s.window.close();
        EXPECT_EQ(title, utf8("Séance non enregistrée"));
        EXPECT_EQ(said, utf8("La séance n'a pas été enregistrée dans « %1 » : « %1 » n'est pas "
                             "un dossier.\n\nPour ne pas perdre les tirages de cette séance, "
                             "enregistrez-la ailleurs, ou revenez au programme.")
                            .arg(QDir::toNativeSeparators(blocked.folder)));
        EXPECT_EQ(s.window.isVisible(), !row.closed);
        EXPECT_EQ(s.window.exitStatus(), row.status);
        QFile file(kept);
        EXPECT_EQ(file.exists(), row.savedElsewhere);
        if (row.savedElsewhere) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            const SessionReading read = readSessionFile(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            ASSERT_TRUE(read.entries.has_value()) << read.damage;
            EXPECT_TRUE(*read.entries == s.window.journal().entries());
        }
        if (!row.closed) {
            whenModal([](QWidget* modal) { button(modal, "sessionQuitUnsaved")->click(); });
            s.window.close();
        }
    }
}

// A logout: the session manager's request saves the session once, and the
// quit that follows writes the same file again rather than a second one.
TEST(SessionKeeping, ALogoutSavesTheSessionAsAQuitDoes) {
    const SessionStore store;
    const std::size_t before = store.list().size();
    Session s;
    EXPECT_TRUE(s.window.saveForLogout(false));
    ASSERT_EQ(store.list().size(), before + 1);
    const QString saved = store.path(store.list().front());
    s.dialogue.answers = {Answer::No};
    s.window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();  // work goes on
    s.window.close();
    ASSERT_EQ(store.list().size(), before + 1) << "one file a session";
    const ReopenedSession read = store.open(store.list().front());
    ASSERT_TRUE(read.entries.has_value()) << read.message.toStdString();
    EXPECT_EQ(read.entries->size(), 2U);
    EXPECT_EQ(store.path(store.list().front()), saved);
}

// Where the session manager lets the program ask, a failure is said; going
// back to the program cancels the logout.
TEST(SessionKeeping, ALogoutThatCannotSaveAsksWhenItMay) {
    const BlockedDataFolder blocked;
    Session s;
    EXPECT_TRUE(s.window.saveForLogout(false)) << "nobody to ask: the logout goes on";
    whenModal([](QWidget* modal) { button(modal, "sessionStay")->click(); });
    EXPECT_FALSE(s.window.saveForLogout(true));
    EXPECT_EQ(s.window.endSession(), 1) << "a signal's end says it in its status";
    whenModal([](QWidget* modal) { button(modal, "sessionQuitUnsaved")->click(); });
    s.window.close();
}

// SIGTERM and SIGHUP reach the event loop; the handler does nothing else.
TEST(SessionKeeping, TerminationSignalsReachTheEventLoop) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        std::vector<int> received;
        {
            const QuitSignals quit([&](int s) { received.push_back(s); });
            ASSERT_EQ(::raise(signal), 0);
            QElapsedTimer waited;
            waited.start();
            while (received.empty() && waited.elapsed() < 5000) {
                QApplication::processEvents(QEventLoop::AllEvents, 50);
            }
        }
        EXPECT_EQ(received, std::vector<int>{signal});
    }
}

// A session of a thousand four-hand runs, each with its last 1,000 deals,
// opens with the window answering all along.
TEST(SessionKeeping, ALargeSessionOpensWithoutFreezingTheWindow) {
    Dealer dealer;
    JournalEntry run;
    run.kind = RunKind::Table;
    run.condition = "Nord-Sud : 25 ≤ points ≤ 40";
    run.batches = 1;
    run.deals = 100'000;
    run.knownDeals = run.deals;
    Figure figure;
    figure.name = "Donne précisée";
    figure.hits = 31'000;
    figure.history.add(1, run.deals, figure.hits);
    run.figures = {figure};
    run.examples.resize(TableRun::kForTheJournal, Example{"Donne précisée", {}, true});
    for (Example& example : run.examples) {
        dealer.dealTable(example.deal);
    }
    const QTemporaryDir folder;
    const SessionStore store(folder.path());
    ASSERT_EQ(store.save(std::vector<JournalEntry>(300, run)), std::nullopt);
    const std::vector<SavedSession> sessions = store.list();
    ASSERT_EQ(sessions.size(), 1U);
    EXPECT_EQ(sessions[0].runs, 300);

    ScriptedDialogue dialogue;
    Journal journal;
    JournalWindow window(journal, dialogue, nullptr);
    window.show();
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    beat.start(10);
    clock.start();
    const ReopenedSession read = window.openSession(store, sessions[0]);
    const qint64 took = clock.elapsed();
    beat.stop();
    ASSERT_TRUE(read.entries.has_value()) << read.message.toStdString();
    EXPECT_EQ(read.entries->size(), 300U);
    std::cout << "opened 300 four-hand runs in " << took << " ms, the window held up " << longest
              << " ms at most\n";
    EXPECT_TRUE(longest < 300 || longest < took / 3) << longest << " ms of " << took;

    QElapsedTimer shown;
    shown.start();
    JournalWindow* past =
        JournalWindow::reopened(*read.entries, sessions[0].label, dialogue, nullptr);
    past->show();
    QApplication::processEvents();
    std::cout << "its window shown in " << shown.elapsed() << " ms\n";
    past->close();
}

// Stopped while it reads: nothing opens, nothing is said, the file stays.
TEST(SessionKeeping, OpeningCanBeCancelled) {
    JournalEntry run;
    run.condition = "x";
    run.batches = 1;
    run.deals = 10;
    const QTemporaryDir folder;
    const SessionStore store(folder.path());
    ASSERT_EQ(store.save(std::vector<JournalEntry>(200'000, run)), std::nullopt);
    const SavedSession session = store.list().at(0);
    ScriptedDialogue dialogue;
    Journal journal;
    JournalWindow window(journal, dialogue, nullptr);
    window.show();
    // "Annuler" once the bar shows.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("journalOpening"));
        if (progress != nullptr && progress->isVisible()) {
            user.stop();
            progress->findChild<QPushButton*>()->click();
        }
    });
    user.start(10);
    const ReopenedSession read = window.openSession(store, session);
    EXPECT_FALSE(user.isActive()) << "the bar showed";
    EXPECT_FALSE(read.entries.has_value());
    EXPECT_TRUE(read.message.isEmpty());
    EXPECT_TRUE(QFile::exists(store.path(session)));
    EXPECT_EQ(store.list().size(), 1U);
}

}  // namespace
