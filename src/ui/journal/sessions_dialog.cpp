#include "ui/journal/sessions_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/journal/journal_texts.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"

namespace ondiscale {

namespace texts = journal_window_texts;

SessionsDialog::SessionsDialog(const SessionStore& store, QWidget* parent)
    : QDialog(parent), sessions_(store.list()), list_(new QListWidget) {
    setObjectName(QStringLiteral("journalSessionsDialog"));
    setWindowTitle(qtText(texts::kSessionsTitle));
    list_->setObjectName(QStringLiteral("journalSessionsList"));
    list_->setAccessibleName(qtText(texts::kSessionsTitle));
    for (const SavedSession& session : sessions_) {
        list_->addItem(sessionChoiceText(session));
    }
    auto* said = new QLabel(qtText(sessions_.empty() ? texts::kNoSession : texts::kSessionsSaid));
    said->setWordWrap(true);
    said->setBuddy(list_);

    auto* buttons = new QDialogButtonBox;
    open_ = buttons->addButton(qtText(texts::kOpenSession), QDialogButtonBox::AcceptRole);
    buttons->addButton(qtText(texts::kCloseSessions), QDialogButtonBox::RejectRole);
    open_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { open_->setEnabled(row >= 0); });
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(said);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    const Twips twips(*this);
    resize(twips.px(6000), twips.px(4500));
    if (!sessions_.empty()) {
        list_->setCurrentRow(0);
    }
}

std::optional<SavedSession> SessionsDialog::chosen() const {
    const int row = list_->currentRow();
    if (result() != QDialog::Accepted || row < 0 ||
        static_cast<std::size_t>(row) >= sessions_.size()) {
        return std::nullopt;
    }
    return sessions_[static_cast<std::size_t>(row)];
}

}  // namespace ondiscale
