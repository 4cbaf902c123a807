#include "ui/journal/session_keeper.h"

#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

#include "formats/session_file.h"
#include "ui/journal/journal_texts.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/save_file.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

}  // namespace

SessionKeeper::SessionKeeper(const Journal& journal, SessionStore store)
    : journal_(journal), store_(std::move(store)) {}

std::optional<QString> SessionKeeper::save() {
    if (journal_.entries() == written_) {
        return std::nullopt;
    }
    const SessionSave saved = store_.write(journal_.entries(), QDateTime::currentDateTime(), path_);
    if (saved.failure) {
        return saved.failure;
    }
    path_ = saved.path;
    written_ = journal_.entries();
    return std::nullopt;
}

std::optional<QString> SessionKeeper::saveTo(const QString& path) {
    const std::string text = sessionFileText(
        journal_.entries(), QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString());
    return writeWhole(text, path);
}

AfterFailedSave askAfterFailedSave(QWidget* parent, SessionKeeper& keeper, const QString& failure) {
    QString said = failure;
    while (true) {
        QMessageBox box(parent);
        box.setObjectName(QStringLiteral("sessionNotSaved"));
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(qtText(texts::kSessionNotSavedTitle));
        box.setTextFormat(Qt::PlainText);
        box.setText(said + QStringLiteral("\n\n") + qtText(texts::kKeepTheWork));
        QPushButton* elsewhere =
            box.addButton(qtText(texts::kSaveElsewhere), QMessageBox::AcceptRole);
        QPushButton* stay = box.addButton(qtText(texts::kBackToProgram), QMessageBox::RejectRole);
        QPushButton* quit =
            box.addButton(qtText(texts::kQuitUnsaved), QMessageBox::DestructiveRole);
        elsewhere->setObjectName(QStringLiteral("sessionSaveElsewhere"));
        stay->setObjectName(QStringLiteral("sessionStay"));
        quit->setObjectName(QStringLiteral("sessionQuitUnsaved"));
        box.setDefaultButton(elsewhere);
        box.setEscapeButton(stay);
        box.exec();
        if (box.clickedButton() == quit) {
            return AfterFailedSave::QuitUnsaved;
        }
        if (box.clickedButton() != elsewhere) {
            return AfterFailedSave::Stay;
        }
        const QString path =
            askSavePath(parent, {qtText(texts::kSessionCaption), qtText(texts::kSessionFilter),
                                 QStringLiteral("journal"), qtText(texts::kSessionFileName)});
        if (path.isEmpty()) {
            continue;
        }
        const std::optional<QString> again = keeper.saveTo(path);
        if (!again) {
            return AfterFailedSave::SavedElsewhere;
        }
        said = qtText(texts::kSessionNotSaved).arg(QDir::toNativeSeparators(path), *again);
    }
}

}  // namespace ondiscale
