#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>

#include "engine/dealer.h"
#include "frequency/frequency_view.h"
#include "frequency/targeted_frequency.h"
#include "journal/journal.h"
#include "ui/qt_dialogue.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;

namespace ondiscale {

class About;
class FramePlacement;
class JournalWindow;

// The main window: the ten bound boxes, the frequency button and its
// progress bar, the menus. It owns the application's state: the stored
// bounds (inside the frequency run) and the dealer's random source.
class mainprecise : public QMainWindow, public FrequencyView {
public:
    explicit mainprecise(Dialogue* dialogue = nullptr);
    ~mainprecise() override;

    // The caption of a suit label: 1 clubs, 2 diamonds, 3 hearts, 4 spades.
    static QString Ecrit(const std::uint8_t& suit);

    // FrequencyView
    [[nodiscard]] std::string boxText(int box) const override;
    void setBoxText(int box, const std::string& text) override;
    void setProgressVisible(bool visible) override;
    void setProgressValue(int value) override;

    // The operations behind the buttons and menu entries.
    void Command2Click() { frequency_.Command2Click(); }
    void Probadistri1();
    void Probadistri2();
    void Probadistri3();
    void mnuAboutClick();
    void mnuInfoClick();
    void mnuHelpmaintypeClick();
    void mnuJournalClick();

    [[nodiscard]] const TargetedFrequency& frequency() const { return frequency_; }
    [[nodiscard]] About* about() const { return about_; }
    [[nodiscard]] const Journal& journal() const { return journal_; }
    [[nodiscard]] JournalWindow* journalWindow() const { return journalWindow_; }

private:
    void buildControls();
    void buildMenus();
    void load();

    QtDialogue qtDialogue_{this};
    Dialogue& dialogue_;
    Dealer dealer_;
    TargetedFrequency frequency_{*this, dialogue_, dealer_};
    Journal journal_;  // the session's runs, kept while the program runs

    std::array<QLineEdit*, 11> text_{};  // Text1 to Text10
    QProgressBar* progressBar1_ = nullptr;
    About* about_ = nullptr;
    FramePlacement* placement_ = nullptr;
    JournalWindow* journalWindow_ = nullptr;
};

}  // namespace ondiscale
