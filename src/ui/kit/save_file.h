#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

class QFileDevice;
class QWidget;

namespace ondiscale {

// The one way the program writes a file the user keeps: through
// QSaveFile, flushed and checked before it is committed, so that the
// file is either whole or as it was. Qt 6.4's QSaveFile::commit() can
// report success after its last write failed on a full disk: error() is
// read before commit(), and the size on disk after.

// What to offer in Qt's own save dialog.
struct SaveChoice {
    QString caption;   // "Enregistrer le journal"
    QString filter;    // "Tableaux CSV (*.csv)"
    QString suffix;    // added to a name typed without one: "csv"
    QString fileName;  // the name first offered, in the Documents folder (else the home folder)
};

// Asks for a file with Qt's own dialog; empty when the user cancels.
QString askSavePath(QWidget* parent, const SaveChoice& choice);

// Asks for a file, then hands it to `saveTo`, which writes it and tells
// the user of a failure. False when cancelled or not written.
bool saveThroughDialog(QWidget* parent, const SaveChoice& choice,
                       const std::function<bool(const QString& path)>& saveTo);

// Writes `bytes` to `path` whole, or leaves whatever stood there as it
// was. On failure, why, in French: "le dossier « … » n'existe pas", "l'écriture a
// échoué, le disque est peut-être plein (le système dit : il n'y a plus de
// place sur le disque)".
std::optional<QString> writeWhole(QByteArrayView bytes, const QString& path);

// Why `file` could not be written to `path`, from what stands there, then
// the system's reason (`error`, an errno value; 0 when none is known).
QString writeFailure(const QString& path, const QFileDevice& file, int error);

// The system's reason for an error number, in French: "accès refusé".
QString systemReason(int error);

}  // namespace ondiscale
