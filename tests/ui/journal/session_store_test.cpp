#include "ui/journal/session_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
