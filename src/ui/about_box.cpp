#include "ui/about_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "ui/twips.h"
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
    setWindowTitle(QString::fromUtf8(texts::kAboutCaption));
    setFixedSize(px(4680), px(3195));
    setFont(sansFont(8.25, false));
    setModal(true);

    lblHeading_ =
        centredLabel(this, "lblHeading", twipsRect(0, 240, 4695, 855), sansFont(13.5, false));
    lblHeading_->setWordWrap(true);
    lblApplication_ =
        centredLabel(this, "lblApplication", twipsRect(120, 960, 4695, 375), sansFont(13.5, true));

    line1_ = new QFrame(this);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Plain);
    line1_->setGeometry(px(480), px(1680), px(3960) - px(480), 1);

    lblCopyright_ = centredLabel(this, "lblCopyright", twipsRect(0, 1800, 4695, 375), font());

    cmdOK_ = new QPushButton(QString::fromUtf8(texts::kOk), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twipsRect(1920, 2280, 1095, 495));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
}

int About::centredEdge(double screenTwips, double outerTwips) {
    // nearbyint rounds a half to the even neighbour; int division drops
    // the remainder towards zero.
    return static_cast<int>(std::nearbyint(screenTwips - outerTwips)) / 2;
}

// Load: centred on the screen, placeholders in the three labels.
void About::ensureLoaded() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    centre();
    lblApplication_->setText(QString::fromUtf8(texts::kPlaceholderApplication));
    lblHeading_->setText(QString::fromUtf8(texts::kPlaceholderHeading));
    lblCopyright_->setText(QString::fromUtf8(texts::kPlaceholderCopyright));
}

void About::centre() {
    const QScreen* screen = parentWidget() != nullptr && parentWidget()->screen() != nullptr
                                ? parentWidget()->screen()
                                : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QSize outer = frameGeometry().size();
    const QSize area = screen->geometry().size();
    const int left = centredEdge(area.width() * kTwipsPerPixel, outer.width() * kTwipsPerPixel);
    const int top = centredEdge(area.height() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
    move(screen->geometry().left() + static_cast<int>(std::lround(left / double(kTwipsPerPixel))),
         screen->geometry().top() + static_cast<int>(std::lround(top / double(kTwipsPerPixel))));
}

void About::Application(const QString& text) {
    ensureLoaded();
    lblApplication_->setText(text);
}

void About::Heading(const QString& text) {
    ensureLoaded();
    lblHeading_->setText(text);
}

void About::Copyright(const QString& text) {
    ensureLoaded();
    lblCopyright_->setText(QString::fromUtf8(texts::kCopyrightPrefix) + text);
}

void About::Display() {
    ensureLoaded();
    cmdOK_->setFocus();
    exec();
}

void About::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre();  // again, now that the window manager's frame is known
}

// OK or the title bar's close button: the box is unloaded, and its next
// use loads it again.
void About::done(int result) {
    loaded_ = false;
    QDialog::done(result);
}

}  // namespace ondiscale
