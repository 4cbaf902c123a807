#include "ui/about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"
#include "ui/kit/window_placement.h"
#include "ui/window_texts.h"

namespace ondiscale {
namespace {

QLabel* centredLabel(QWidget* parent, const char* name, const QRect& place, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

About::About(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(qtText(texts::kAboutCaption));
    const Twips twips(*this);
    setFixedSize(twips.px(4680), twips.px(3195));
    setFont(sansFont(8.25, false));
    setModal(true);

    lblHeading_ =
        centredLabel(this, "lblHeading", twips.rect(0, 240, 4695, 855), sansFont(13.5, false));
    lblHeading_->setWordWrap(true);
    lblApplication_ =
        centredLabel(this, "lblApplication", twips.rect(120, 960, 4695, 375), sansFont(13.5, true));

    line1_ = new QFrame(this);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Plain);
    line1_->setGeometry(twips.rect(480, 1680, 3960 - 480, 0).adjusted(0, 0, 0, 1));

    lblCopyright_ = centredLabel(this, "lblCopyright", twips.rect(0, 1800, 4695, 375), font());

    // The one button, default and focused: Enter and Space both press it.
    cmdOK_ = new QPushButton(qtText(texts::kOk), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twips.rect(1920, 2280, 1095, 495));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    // Centred on the work area by its outer size, frame included.
    placement_ = new FramePlacement(*this, centredOnWorkArea(*this));
}

// Load: centred on the work area, placeholders in the three labels.
void About::load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    placement_->place();
    lblApplication_->setText(qtText(texts::kPlaceholderApplication));
    lblHeading_->setText(qtText(texts::kPlaceholderHeading));
    lblCopyright_->setText(qtText(texts::kPlaceholderCopyright));
}

void About::setApplication(const QString& text) {
    load();
    lblApplication_->setText(text);
}

void About::setHeading(const QString& text) {
    load();
    lblHeading_->setText(text);
}

void About::setCopyright(const QString& text) {
    load();
    lblCopyright_->setText(qtText(texts::kCopyrightPrefix) + text);
}

void About::display() {
    load();
    cmdOK_->setFocus();
    exec();
}

// OK or the title bar's close button: the box is unloaded, and its next
// use loads it again.
void About::done(int result) {
    loaded_ = false;
    QDialog::done(result);
}

}  // namespace ondiscale
