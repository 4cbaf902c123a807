#pragma once

#include <QDialog>

class QLabel;
class QFrame;
class QPushButton;

namespace ondiscale {

class FramePlacement;

// The About box: a modal window whose three texts are written through
// write-only properties and which is loaded afresh for every showing.
class About : public QDialog {
public:
    explicit About(QWidget* parent = nullptr);

    void Application(const QString& text);
    void Heading(const QString& text);
    void Copyright(const QString& text);
    // Shows the box modally; returns once it has been closed.
    void Display();

    [[nodiscard]] bool loaded() const { return loaded_; }

    // The left edge (or top edge) that centres an outer size on a screen
    // size, both in twips: the difference rounded half to even, then
    // halved towards zero.
    static int centredEdge(double screenTwips, double outerTwips);

protected:
    void done(int result) override;

private:
    void ensureLoaded();

    QLabel* lblHeading_;
    QLabel* lblApplication_;
    QFrame* line1_;
    QLabel* lblCopyright_;
    QPushButton* cmdOK_;
    FramePlacement* placement_;
    bool loaded_ = false;
};

}  // namespace ondiscale
