#pragma once

#include <QDialog>

class QLabel;
class QFrame;
class QPushButton;

namespace ondiscale {

class FramePlacement;

// The About box: a modal window whose three texts are set before each
// showing. Every showing loads it afresh: centred again, placeholders in
// the labels whose text was not set.
class About : public QDialog {
    Q_OBJECT

public:
    explicit About(QWidget* parent = nullptr);

    void setApplication(const QString& text);
    void setHeading(const QString& text);
    // Shown after "Copyright © ".
    void setCopyright(const QString& text);
    // Shows the box modally; returns once it has been closed.
    void display();

protected:
    void done(int result) override;

private:
    void load();

    QLabel* lblHeading_;
    QLabel* lblApplication_;
    QFrame* line1_;
    QLabel* lblCopyright_;
    QPushButton* cmdOK_;
    FramePlacement* placement_;
    bool loaded_ = false;
};

}  // namespace ondiscale
