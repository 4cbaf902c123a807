#include "ui/kit/save_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cerrno>

#include "as_user.h"
#include "modal.h"
#include "small_disk.h"

using namespace ondiscale;

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Whole, or the file as it was, and the reason in French.
TEST(SaveFile, WritesWholeOrLeavesWhatStoodThere) {
    const QTemporaryDir dir;
    put(dir.filePath("plain"), "un fichier");
    put(dir.filePath("ancien.csv"), "ancien");
    struct Row {
        const char* name;
        QString path;
        std::optional<QString> failure;
        QByteArray after;  // what stands at the path afterwards
    };
    const std::vector<Row> rows{
        {"a new file", dir.filePath("nouveau.csv"), std::nullopt, "contenu"},
        {"over a file", dir.filePath("ancien.csv"), std::nullopt, "contenu"},
        {"in a folder that is not there", dir.filePath("absent/table.csv"),
         utf8("le dossier « %1 » n'existe pas").arg(dir.filePath("absent")), "(absent)"},
        {"in a file", dir.filePath("plain/table.csv"),
         utf8("« %1 » n'est pas un dossier").arg(dir.filePath("plain")), "(absent)"},
        {"over a folder", dir.path(), utf8("c'est un dossier"), "(absent)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(writeWhole(QByteArrayView("contenu"), row.path), row.failure);
        EXPECT_EQ(contentOf(row.path), row.after);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "no half-written file left";
}

// A full disk: the write fails before anything is committed, and the file
// that stood there keeps every byte; Qt's commit alone would have said yes.
TEST(SaveFile, AFullDiskLeavesTheFileAsItWas) {
    SmallDisk disk(64 * 1024);
    const QString path = disk.filePath(QStringLiteral("table.csv"));
    put(path, "ancien");
    disk.fill(16 * 1024);
    const QByteArray large(200 * 1024, 'x');
    const std::optional<QString> failure = writeWhole(large, path);
    disk.unlimit();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure,
              utf8("l'écriture a échoué, le disque est peut-être plein (le système dit : %1)")
                  .arg(disk.mounted() ? utf8("il n'y a plus de place sur le disque")
                                      : utf8("le fichier dépasse la taille permise")));
    EXPECT_EQ(contentOf(path), "ancien");
    EXPECT_EQ(
        QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
        disk.mounted() ? QStringList({"remplissage", "table.csv"}) : QStringList({"table.csv"}));
}

// What a user without the right meets, root or not.
TEST(SaveFile, WithoutTheRightToWrite) {
    const QTemporaryDir dir;
    ::chmod(dir.path().toLocal8Bit().constData(), 0755);
    const QString locked = dir.filePath(QStringLiteral("verrouillé"));
    ASSERT_TRUE(QDir().mkdir(locked));
    ::chmod(locked.toLocal8Bit().constData(), 0555);
    const QString open = dir.filePath(QStringLiteral("ouvert"));
    ASSERT_TRUE(QDir().mkdir(open));
    ::chmod(open.toLocal8Bit().constData(), 0777);
    const QString protectedFile = open + QStringLiteral("/protégé.csv");
    put(protectedFile, "ancien");
    ::chmod(protectedFile.toLocal8Bit().constData(), 0444);
    const bool held = heldAsUser([&] {
        const auto inLocked = writeWhole(QByteArrayView("x"), locked + QStringLiteral("/t.csv"));
        const auto overProtected = writeWhole(QByteArrayView("x"), protectedFile);
        const bool ok =
            inLocked ==
                utf8("vous n'avez pas le droit d'écrire dans le dossier « %1 »").arg(locked) &&
            overProtected == utf8("le fichier est protégé en écriture") &&
            contentOf(protectedFile) == "ancien";
        if (!ok) {
            std::fprintf(stderr, "%s | %s\n", qPrintable(inLocked.value_or("")),
                         qPrintable(overProtected.value_or("")));
        }
        return ok;
    });
    EXPECT_TRUE(held);
    ::chmod(locked.toLocal8Bit().constData(), 0755);
}

TEST(SaveFile, TheSystemsReasonsInFrench) {
    struct Row {
        int error;
        const char* said;
    };
    for (const Row& row :
         {Row{ENOSPC, "il n'y a plus de place sur le disque"}, Row{EACCES, "accès refusé"},
          Row{EROFS, "le disque n'accepte que la lecture"},
          Row{EDQUOT, "votre quota d'espace disque est atteint"},
          Row{EIO, "erreur d'entrée-sortie sur le disque"},
          Row{12345, "erreur système n° 12345"}}) {
        EXPECT_EQ(systemReason(row.error), utf8(row.said)) << row.error;
    }
}

// Qt's own dialog, then the window's writer; a cancel writes nothing.
TEST(SaveFile, TheDialogAsksThenTheWindowWrites) {
    const QTemporaryDir dir;
    const SaveChoice choice{utf8("Exporter la table en CSV"), utf8("Tableaux CSV (*.csv)"),
                            QStringLiteral("csv"), QStringLiteral("table.csv")};
    QStringList asked;
    const auto saveTo = [&](const QString& path) {
        asked << path;
        return true;
    };
    QString offered;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), choice.caption);
        offered = dialog->selectedFiles().value(0);
        chooseFile(*dialog, dir.filePath(QStringLiteral("repartitions")));
    });
    EXPECT_TRUE(saveThroughDialog(nullptr, choice, saveTo));
    EXPECT_EQ(asked, QStringList{dir.filePath(QStringLiteral("repartitions.csv"))});
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/table.csv"))) << offered.toStdString();

    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(saveThroughDialog(nullptr, choice, saveTo));
    EXPECT_EQ(asked.size(), 1);
}

}  // namespace
