#include "ui/kit/save_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "ui/kit/file_texts.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {
namespace {

namespace texts = file_texts;

struct Reason {
    int error;
    const char* text;
};
constexpr std::array<Reason, 17> kReasons{{
    {ENOSPC, texts::kNoSpace},
    {EDQUOT, texts::kQuota},
    {EACCES, texts::kDenied},
    {EPERM, texts::kDenied},
    {EROFS, texts::kReadOnly},
    {EIO, texts::kInputOutput},
    {ENOENT, texts::kNoSuchFile},
    {ENOTDIR, texts::kNotADirectory},
    {EISDIR, texts::kIsADirectory},
    {ENAMETOOLONG, texts::kNameTooLong},
    {EFBIG, texts::kTooLarge},
    {EMFILE, texts::kTooManyOpen},
    {ENFILE, texts::kTooManyOpen},
    {ELOOP, texts::kTooManyLinks},
    {ETXTBSY, texts::kBusy},
    {EBUSY, texts::kBusy},
    {ENOMEM, texts::kNoMemory},
}};

bool known(int error) {
    return std::any_of(kReasons.begin(), kReasons.end(),
                       [error](const Reason& r) { return r.error == error; });
}

// The error behind Qt's words, which end with the system's text for it
// in the system's language; else what errno held after the failed call.
int errorOf(const QFileDevice& file, int seen) {
    const QString said = file.errorString();
    for (const Reason& reason : kReasons) {
        const QString system = QString::fromLocal8Bit(std::strerror(reason.error));
        if (!system.isEmpty() && said.endsWith(system)) {
            return reason.error;
        }
    }
    return known(seen) ? seen : 0;
}

}  // namespace

QString systemReason(int error) {
    for (const Reason& reason : kReasons) {
        if (reason.error == error) {
            return qtText(reason.text);
        }
    }
    return qtText(texts::kOtherError).arg(error);
}

QString writeFailure(const QString& path, const QFileDevice& file, int error) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.filePath());
    if (target.isDir()) {
        return qtText(texts::kIsAFolder);
    }
    if (!folder.exists()) {
        return qtText(texts::kNoFolder).arg(folderName);
    }
    if (!folder.isDir()) {
        return qtText(texts::kNotAFolder).arg(folderName);
    }
    if (!folder.isWritable()) {
        return qtText(texts::kFolderLocked).arg(folderName);
    }
    if (target.exists() && !target.isWritable()) {
        return qtText(texts::kFileLocked);
    }
    const int number = errorOf(file, error);
    const bool full = number == ENOSPC || number == EDQUOT || number == EFBIG;
    const char* what = file.error() == QFileDevice::WriteError || full || number == 0
                           ? texts::kWriteFailed
                           : texts::kCannotCreate;
    return qtText(what) +
           (number != 0 ? qtText(texts::kSystemSays).arg(systemReason(number)) : QString());
}

std::optional<QString> writeWhole(QByteArrayView bytes, const QString& path) {
    QSaveFile file(path);
    errno = 0;
    bool written = file.open(QIODevice::WriteOnly);
    int error = errno;
    if (written) {
        errno = 0;
        written = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush() &&
                  file.error() == QFileDevice::NoError;
        error = errno;
    }
    if (!written) {
        const QString reason = writeFailure(path, file, error);
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    written = file.commit() && file.error() == QFileDevice::NoError;
    error = errno;
    if (written && QFileInfo(path).size() != bytes.size()) {
        written = false;  // committed short: said as a failed write
        error = 0;
    }
    if (!written) {
        return writeFailure(path, file, error);
    }
    return std::nullopt;
}

QString askSavePath(QWidget* parent, const SaveChoice& choice) {
    QFileDialog dialog(parent, choice.caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(choice.filter);
    dialog.setDefaultSuffix(choice.suffix);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    dialog.setDirectory(folder);
    dialog.selectFile(choice.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool saveThroughDialog(QWidget* parent, const SaveChoice& choice,
                       const std::function<bool(const QString& path)>& saveTo) {
    const QString path = askSavePath(parent, choice);
    return !path.isEmpty() && saveTo(path);
}

}  // namespace ondiscale
