#include "ui/journal/session_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "as_user.h"
#include "small_disk.h"

using namespace ondiscale;

// Readable failures: GoogleTest looks for a printer by this name.
void PrintTo(const QString& text, std::ostream* out) {  // NOLINT(readability-identifier-naming)
    *out << text.toStdString();
}

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

// A journal of `runs` frequency runs of one batch each.
std::vector<JournalEntry> journalOf(int runs) {
    std::vector<JournalEntry> entries;
    for (int n = 1; n <= runs; ++n) {
        JournalEntry entry;
        entry.condition = "run " + std::to_string(n);
        entry.batches = 1;
        entry.deals = 100000;
        Figure figure;
        figure.name = "Main précisée";
        figure.exact = 0.025;
        figure.hits = 2500 + n;
        figure.history.add(1, 100000, figure.hits);
        entry.figures.push_back(figure);
        entries.push_back(entry);
    }
    return entries;
}

std::string replacedOnce(std::string text, std::string_view from, std::string_view to) {
    const std::size_t found = text.find(from);
    EXPECT_NE(found, std::string::npos) << from;
    return found == std::string::npos ? text : text.replace(found, from.size(), to);
}

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0) {
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

std::vector<JournalEntry> entriesOf(const ReopenedSession& opened) {
    EXPECT_TRUE(opened.entries.has_value()) << opened.message.toStdString();
    return opened.entries.value_or(std::vector<JournalEntry>{});
}

TEST(SessionStore, SavedSessionsListNewestFirstAndOpen) {
    const QTemporaryDir temporary;
    const QString folder = temporary.filePath(QStringLiteral("données/ondiscale"));
    const SessionStore store(folder);
    ASSERT_EQ(store.save(journalOf(2), at(2026, 12, 8, 14, 5, 12)), std::nullopt);
    ASSERT_EQ(store.save(journalOf(3), at(2026, 12, 8, 14, 5, 12)), std::nullopt);
    ASSERT_EQ(store.save(journalOf(1), at(2027, 3, 1, 9, 30)), std::nullopt);
    // In Paris, 02:30 UTC that day, an hour the local clock skips.
    ASSERT_EQ(store.save(journalOf(4), at(2026, 3, 29, 4, 30)), std::nullopt);

    const std::vector<SavedSession> sessions = store.list();
    ASSERT_EQ(sessions.size(), 4U);
    EXPECT_EQ(filesIn(folder).size(), 4)
        << "no file left over: " << filesIn(folder).join(' ').toStdString();
    struct Row {
        const char* choice;
        int runs;
    };
    const std::vector<Row> rows{{"Séance du 1er mars 2027 à 9 h 30 (1 tirage)", 1},
                                {"Séance du 8 décembre 2026 à 14 h 05 (3 tirages)", 3},
                                {"Séance du 8 décembre 2026 à 14 h 05 (2 tirages)", 2},
                                {"Séance du 29 mars 2026 à 4 h 30 (4 tirages)", 4}};
    for (std::size_t n = 0; n < rows.size(); ++n) {
        EXPECT_EQ(sessionChoiceText(sessions[n]), utf8(rows[n].choice));
        EXPECT_EQ(sessions[n].runs, rows[n].runs);
        EXPECT_TRUE(entriesOf(store.open(sessions[n])) == journalOf(rows[n].runs));
    }
    EXPECT_EQ(sessions[0].label, utf8("Séance du 1er mars 2027 à 9 h 30"));
    EXPECT_EQ(sessions[0].ended, at(2027, 3, 1, 9, 30));
}

TEST(SessionStore, NothingSavedWithoutRuns) {
    const QTemporaryDir temporary;
    const QString folder = temporary.filePath(QStringLiteral("ondiscale"));
    EXPECT_EQ(SessionStore(folder).save({}), std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(SessionStore(folder).list().empty());
}

// The 21st session deletes the oldest, and files set aside neither count
// nor go; a session named before the others by a clock put back is kept.
TEST(SessionStore, KeepsTheLastTwentySessions) {
    const QTemporaryDir temporary;
    const SessionStore store(temporary.path());
    QFile aside(
        temporary.filePath(QStringLiteral("seance-20200101T000000Z-01.journal.endommagee")));
    ASSERT_TRUE(aside.open(QIODevice::WriteOnly));
    aside.close();
    for (int n = 0; n < 21; ++n) {
        ASSERT_EQ(store.save(journalOf(1 + n % 3), at(2026, 12, 8, 14, n)), std::nullopt);
    }
    std::vector<SavedSession> sessions = store.list();
    ASSERT_EQ(sessions.size(), 20U);
    EXPECT_EQ(sessions.front().ended, at(2026, 12, 8, 14, 20));
    EXPECT_EQ(sessions.back().ended, at(2026, 12, 8, 14, 1));
    EXPECT_TRUE(aside.exists());

    ASSERT_EQ(store.save(journalOf(1), at(2025, 1, 1, 8, 0)), std::nullopt);
    sessions = store.list();
    ASSERT_EQ(sessions.size(), 20U);
    EXPECT_EQ(sessions.back().ended, at(2025, 1, 1, 8, 0));
    EXPECT_EQ(sessions[sessions.size() - 2].ended, at(2026, 12, 8, 14, 2));
    EXPECT_TRUE(aside.exists());
}

// Whatever is wrong with a file's text, opening it says so and sets it
// aside; the other session still opens.
TEST(SessionStore, DamagedFileIsSetAside) {
    struct Row {
        const char* damage;
        QByteArray bytes;
        const char* reason;
    };
    const std::string whole = sessionFileText(journalOf(2), "2026-12-08T13:05:00Z");
    std::vector<Row> rows{
        {"empty", {}, "son fichier est endommagé (ce n'est pas un journal de séance)"},
        {"cut before its end", QByteArray::fromStdString(whole.substr(0, whole.rfind("]}"))),
         "son fichier est endommagé (il s'arrête avant sa fin)"},
        {"binary", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
         "son fichier est endommagé (ce n'est pas un journal de séance)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.damage);
        const QTemporaryDir temporary;
        const SessionStore store(temporary.path());
        ASSERT_EQ(store.save(journalOf(2), at(2026, 12, 8, 14, 5)), std::nullopt);
        ASSERT_EQ(store.save(journalOf(1), at(2026, 12, 9, 10, 0)), std::nullopt);
        std::vector<SavedSession> sessions = store.list();
        ASSERT_EQ(sessions.size(), 2U);
        const SavedSession damaged = sessions[1];
        QFile file(store.path(damaged));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(row.bytes);
        file.close();

        const ReopenedSession opened = store.open(damaged);
        EXPECT_FALSE(opened.entries.has_value());
        const QString setAside = store.path(damaged) + QStringLiteral(".endommagee");
        const QString start =
            utf8("La séance du 8 décembre 2026 à 14 h 05 ne peut pas être rouverte : ") +
            utf8(row.reason);
        const QString end = utf8(". Il a été mis de côté sous le nom « ") +
                            QDir::toNativeSeparators(setAside) +
                            utf8(" » ; les autres séances restent disponibles.");
        EXPECT_EQ(opened.message, start + end);
        QFile kept(setAside);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), row.bytes) << "set aside as it was";

        sessions = store.list();
        ASSERT_EQ(sessions.size(), 1U);
        EXPECT_TRUE(entriesOf(store.open(sessions[0])) == journalOf(1));
        EXPECT_EQ(store.open(damaged).message,
                  utf8("La séance du 8 décembre 2026 à 14 h 05 ne peut pas être rouverte : son "
                       "fichier n'existe plus."));
        EXPECT_TRUE(QFileInfo::exists(setAside));
    }
}

// A file set aside is never written over, even by another of the same name.
TEST(SessionStore, SetAsideFilesStayApart) {
    const QTemporaryDir temporary;
    const SessionStore store(temporary.path());
    QString name;
    for (int n = 1; n <= 2; ++n) {
        ASSERT_EQ(store.save(journalOf(n), at(2026, 12, 8, 14, 5)), std::nullopt);
        const std::vector<SavedSession> sessions = store.list();
        ASSERT_EQ(sessions.size(), 1U);
        name = sessions[0].fileName;
        QFile file(store.path(sessions[0]));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::number(n));
        file.close();
        EXPECT_FALSE(store.open(sessions[0]).entries.has_value());
    }
    EXPECT_EQ(filesIn(temporary.path()), QStringList({name + QStringLiteral(".endommagee"),
                                                      name + QStringLiteral(".endommagee-2")}));
    EXPECT_TRUE(store.list().empty());
}

TEST(SessionStore, OtherFilesAreNotSessions) {
    const QTemporaryDir temporary;
    for (const char* name :
         {"notes.txt", "seance-hier.journal", "seance-20261208T140500Z-1.journal",
          "seance-20261399T140500Z-01.journal"}) {
        QFile file(temporary.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const SessionStore store(temporary.path());
    EXPECT_TRUE(store.list().empty());
    for (int n = 0; n < SessionStore::kKeptSessions; ++n) {
        ASSERT_EQ(store.save(journalOf(1), at(2026, 12, 8, 14, n)), std::nullopt);
    }
    EXPECT_EQ(store.list().size(), 20U);
    EXPECT_EQ(filesIn(temporary.path()).size(), 24) << "others' files are never deleted";
}

// A folder that cannot be written gives the reason, and nothing else
// happens.
TEST(SessionStore, UnwritableFolderGivesAReason) {
    const QTemporaryDir temporary;
    const QString file = temporary.filePath(QStringLiteral("fichier"));
    QFile plain(file);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString locked = temporary.filePath(QStringLiteral("verrouillé"));
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto native = [](const QString& path) { return QDir::toNativeSeparators(path); };

    struct Row {
        QString folder;
        QString reason;
    };
    std::vector<Row> rows{
        {file, utf8("La séance n'a pas été enregistrée dans « %1 » : « %1 » n'est pas un dossier.")
                   .arg(native(file))},
        {file + QStringLiteral("/ondiscale"),
         utf8("La séance n'a pas été enregistrée dans « %1 » : « %2 » n'est pas un dossier.")
             .arg(native(file + QStringLiteral("/ondiscale")), native(file))},
        {QString(), utf8("La séance n'a pas été enregistrée : aucun dossier de données n'est connu "
                         "pour cet utilisateur.")},
    };
    if (geteuid() != 0) {  // the superuser writes anywhere
        rows.push_back({locked, utf8("La séance n'a pas été enregistrée dans « %1 » : vous n'avez "
                                     "pas le droit d'écrire dans le dossier « %1 ».")
                                    .arg(native(locked))});
    }
    for (const Row& row : rows) {
        EXPECT_EQ(SessionStore(row.folder).save(journalOf(1), at(2026, 12, 8, 14, 5)), row.reason)
            << row.folder.toStdString();
        EXPECT_TRUE(SessionStore(row.folder).list().empty());
    }
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace

namespace {

// The bytes of every file of a folder, by name.
std::map<QString, QByteArray> snapshot(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : filesIn(folder)) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::ReadOnly)) {
            files[name] = file.readAll();
        }
    }
    return files;
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray sessionBytes(const std::vector<JournalEntry>& entries, const char* saved) {
    return QByteArray::fromStdString(sessionFileText(entries, saved));
}

// A full disk holding twenty sessions: the new one is not written, the
// reason is given, and not one of the twenty is touched.
TEST(SessionStore, AFullDiskLeavesEverySessionAsItWas) {
    SmallDisk disk(256 * 1024);
    const SessionStore store(disk.path());
    for (int n = 0; n < SessionStore::kKeptSessions; ++n) {
        ASSERT_EQ(store.save(journalOf(1), at(2026, 12, 8, 14, n)), std::nullopt);
    }
    const std::map<QString, QByteArray> before = snapshot(disk.path());
    disk.fill(4096);
    const std::optional<QString> failure = store.save(journalOf(60), at(2026, 12, 9, 10, 0));
    disk.unlimit();
    std::map<QString, QByteArray> after = snapshot(disk.path());
    after.erase(QStringLiteral("remplissage"));
    EXPECT_EQ(failure, utf8("La séance n'a pas été enregistrée dans « %1 » : l'écriture a échoué, "
                            "le disque est peut-être plein (le système dit : %2).")
                           .arg(QDir::toNativeSeparators(disk.path()),
                                disk.mounted() ? utf8("il n'y a plus de place sur le disque")
                                               : utf8("le fichier dépasse la taille permise")));
    EXPECT_EQ(after, before) << "no empty file, none deleted";
    EXPECT_EQ(store.list().size(), 20U);
}

// Files that only look like sessions are neither opened nor followed out
// of the folder: a FIFO would hang the list, /dev/zero fill the memory.
TEST(SessionStore, OnlyRegularFilesOfTheFolderAreRead) {
    const QTemporaryDir temporary;
    const QTemporaryDir outside;
    const QString folder = temporary.path();
    const SessionStore store(folder);
    ASSERT_EQ(store.save(journalOf(2), at(2026, 12, 8, 9, 0)), std::nullopt);
    const QString real = store.path(store.list().at(0));
    put(outside.filePath("seance.journal"), sessionBytes(journalOf(3), "2026-12-08T08:00:00Z"));
    const auto name = [&](int n) {
        return QDir(folder).filePath(QStringLiteral("seance-20261208T1") + QString::number(n) +
                                     QStringLiteral("0000Z-01.journal"));
    };
    ASSERT_EQ(::mkfifo(name(0).toLocal8Bit().constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), name(1)));
    ASSERT_TRUE(QFile::link(outside.filePath("seance.journal"), name(2)));
    ASSERT_TRUE(QFile::link(real, name(3)));

    const std::vector<SavedSession> sessions = store.list();
    ASSERT_EQ(sessions.size(), 2U)
        << "the session and the link beside it: " << filesIn(folder).join(' ').toStdString();
    for (const SavedSession& session : sessions) {
        EXPECT_TRUE(store.open(session).entries.has_value()) << session.fileName.toStdString();
    }
    for (int n = 0; n < 3; ++n) {
        const SavedSession planted{QFileInfo(name(n)).fileName(), at(2026, 12, 8, 11, n), {}, {}};
        EXPECT_EQ(store.open(planted).message,
                  utf8("La séance du 8 décembre 2026 à 11 h 0%1 ne peut pas être rouverte : ce "
                       "n'est pas un fichier ordinaire de son dossier.")
                      .arg(n));
        EXPECT_TRUE(QFileInfo(name(n)).isSymLink() || QFileInfo::exists(name(n))) << "left there";
    }
    for (int n = 0; n < SessionStore::kKeptSessions; ++n) {
        ASSERT_EQ(store.save(journalOf(1), at(2026, 12, 9, 9, n)), std::nullopt);
    }
    EXPECT_TRUE(QFileInfo(name(0)).exists() && QFileInfo(name(1)).isSymLink() &&
                QFileInfo(name(2)).isSymLink())
        << "what is not a session of the folder is never deleted";
}

// Files named in 2099 (copied from a machine whose clock was wrong) do not
// push out the sessions of today; files that say they were saved in 2099
// are the first to go.
TEST(SessionStore, SessionsAreKeptByTheTimeSavedInside) {
    struct Row {
        const char* planted;
        const char* nameTime;   // in the planted files' names
        const char* savedTime;  // inside them
    };
    for (const Row& row : {Row{"named in 2099, saved in 2020", "20990101T0000", "2020-01-01T00:00"},
                           Row{"saved in 2099", "20261201T0000", "2099-01-01T00:00"}}) {
        SCOPED_TRACE(row.planted);
        const QTemporaryDir temporary;
        const SessionStore store(temporary.path());
        for (int n = 0; n < SessionStore::kKeptSessions; ++n) {
            put(temporary.filePath(QStringLiteral("seance-%1%2Z-01.journal")
                                       .arg(QString::fromLatin1(row.nameTime))
                                       .arg(n, 2, 10, QLatin1Char('0'))),
                sessionBytes(journalOf(1), (std::string(row.savedTime) + ":" + (n < 10 ? "0" : "") +
                                            std::to_string(n) + "Z")
                                               .c_str()));
        }
        std::vector<QString> real;
        for (int n = 0; n < 5; ++n) {
            ASSERT_EQ(store.save(journalOf(2), at(2026, 12, 8, 14, n)), std::nullopt);
        }
        for (const QString& name : filesIn(temporary.path())) {
            if (!name.contains(QString::fromLatin1(row.nameTime))) {
                real.push_back(name);
            }
        }
        ASSERT_EQ(real.size(), 5U);
        ASSERT_EQ(store.save(journalOf(3), at(2026, 12, 9, 10, 0)), std::nullopt);
        EXPECT_EQ(filesIn(temporary.path()).size(), 20);
        for (const QString& name : real) {
            EXPECT_TRUE(QFile::exists(temporary.filePath(name))) << name.toStdString();
        }
    }
}

// A session from a newer version is listed as such and left where it is;
// one the user may not read says so and stays; neither is "damaged".
TEST(SessionStore, NewerAndUnreadableSessionsStayWhereTheyAre) {
    const QTemporaryDir temporary;
    ::chmod(temporary.path().toLocal8Bit().constData(), 0755);
    const SessionStore store(temporary.path());
    const QString newer = temporary.filePath(QStringLiteral("seance-20261208T130000Z-01.journal"));
    const QByteArray newerBytes = QByteArray::fromStdString(replacedOnce(
        sessionFileText(journalOf(2), "2026-12-08T13:00:00Z"), R"("version":2)", R"("version":3)"));
    put(newer, newerBytes);
    ASSERT_EQ(store.save(journalOf(1), at(2026, 12, 8, 15, 0)), std::nullopt);
    const QString locked = store.path(store.list().at(0));
    ::chmod(locked.toLocal8Bit().constData(), 0);

    std::vector<SavedSession> sessions = store.list();
    ASSERT_EQ(sessions.size(), 2U);
    const SavedSession& fromNewer = sessions[1];
    EXPECT_EQ(sessionChoiceText(fromNewer),
              utf8("Séance du 8 décembre 2026 à %1 h 00 (version plus récente du programme)")
                  .arg(fromNewer.ended.time().hour()));
    EXPECT_EQ(store.open(fromNewer).message,
              utf8("La séance du 8 décembre 2026 à %1 h 00 ne peut pas être rouverte : son fichier "
                   "vient d'une version plus récente du programme ; il est laissé tel quel.")
                  .arg(fromNewer.ended.time().hour()));
    const SavedSession unreadable{QFileInfo(locked).fileName(), at(2026, 12, 8, 15, 0), {}, {}};
    const bool held = heldAsUser([&] {
        const QString said = store.open(unreadable).message;
        const QString expected = utf8(
            "La séance du 8 décembre 2026 à 15 h 00 ne peut pas être rouverte : son fichier "
            "ne peut pas être lu (le système dit : accès refusé). Son fichier est laissé tel "
            "quel.");
        if (said != expected) {
            std::fprintf(stderr, "%s\n", qPrintable(said));
        }
        return said == expected && QFile::exists(locked);
    });
    EXPECT_TRUE(held);
    for (int n = 0; n < SessionStore::kKeptSessions; ++n) {
        ASSERT_EQ(store.save(journalOf(1), at(2026, 12, 9, 9, n)), std::nullopt);
    }
    QFile kept(newer);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), newerBytes) << "neither set aside nor pruned";
}

// A count in a file's first line is shown only when the file can hold it.
TEST(SessionStore, CountsAreCheckedBeforeTheyAreShown) {
    const QTemporaryDir temporary;
    put(temporary.filePath(QStringLiteral("seance-20261208T130000Z-01.journal")),
        QByteArray::fromStdString(
            replacedOnce(sessionFileText(journalOf(2), "2026-12-08T13:00:00Z"), R"("runs":2)",
                         R"("runs":9223372036854775807)")));
    const std::vector<SavedSession> sessions = SessionStore(temporary.path()).list();
    ASSERT_EQ(sessions.size(), 1U);
    EXPECT_EQ(sessions[0].runs, std::nullopt);
    EXPECT_FALSE(sessionChoiceText(sessions[0]).contains(QStringLiteral("tirages")));
}

// A session the program saved before JSON, in its data folder, is listed
// and opens.
TEST(SessionStore, SessionsOfTheOldFormatStillOpen) {
    const QTemporaryDir temporary;
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(ONDISCALE_TEST_DATA "/session-v1.journal"),
                    temporary.filePath(QStringLiteral("seance-20261208T130512Z-01.journal"))));
    const SessionStore store(temporary.path());
    const std::vector<SavedSession> sessions = store.list();
    ASSERT_EQ(sessions.size(), 1U);
    EXPECT_EQ(sessions[0].runs, 4);
    const ReopenedSession read = store.open(sessions[0]);
    ASSERT_TRUE(read.entries.has_value()) << read.message.toStdString();
    EXPECT_EQ(read.entries->size(), 4U);
}

// A thousand long frequency runs, each chart 4,096 points in memory:
// written and reopened through the store, a few megabytes.
TEST(SessionStore, AThousandLongRunsWrittenAndReopened) {
    JournalEntry run = journalOf(1).front();
    run.figures[0].history = {};
    run.batches = 100'000;
    run.deals = run.batches * 100'000;
    run.knownDeals = run.deals;
    run.figures[0].hits = run.deals / 40;
    for (std::int64_t batch = 1; batch <= run.batches; ++batch) {
        run.figures[0].history.add(batch, batch * 100'000, batch * 2'500);
    }
    const std::vector<JournalEntry> entries(1'000, run);
    const QTemporaryDir temporary;
    const SessionStore store(temporary.path());
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(store.save(entries, at(2026, 12, 8, 14, 0)), std::nullopt);
    const qint64 written = clock.restart();
    const SavedSession session = store.list().at(0);
    const ReopenedSession read = store.open(session);
    const qint64 opened = clock.elapsed();
    ASSERT_TRUE(read.entries.has_value()) << read.message.toStdString();
    ASSERT_EQ(read.entries->size(), 1'000U);
    const std::size_t points = read.entries->back().figures[0].history.points().size();
    EXPECT_LE(points, kStoredPoints);
    EXPECT_GE(points, kStoredPoints / 2);
    const qint64 bytes = QFileInfo(store.path(session)).size();
    EXPECT_LT(bytes, 20'000'000);
    std::cout << "1,000 runs of 100,000 batches: " << bytes / 1000 << " kB, saved in " << written
              << " ms, reopened in " << opened << " ms\n";
}

}  // namespace
