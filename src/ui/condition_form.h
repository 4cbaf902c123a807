#pragma once

#include <QTabWidget>
#include <QWidget>
#include <array>
#include <vector>

#include "condition/table_bounds_check.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ondiscale {

// One alternative's boxes: each hand's shape and cards, then a minimum and
// a maximum for each suit's length and the points of each hand and each
// partnership. The asked part's first alternative keeps the names the
// window has always had ("NordPiqueMin", "Nord pique minimum"); the others
// add their place: "SaitNordPiqueMin2", "Ce que l'on sait, cas 2, Nord
// pique minimum"; the shape and cards boxes are "NordForme", "NordCartes".
class AlternativeForm : public QWidget {
    Q_OBJECT

public:
    AlternativeForm(FormBox::Part part, std::size_t alternative, std::size_t count,
                    QWidget* parent = nullptr);

    // Names its boxes for their place among `count` alternatives.
    void setPlace(std::size_t alternative, std::size_t count);

    [[nodiscard]] AlternativeTexts texts() const;
    [[nodiscard]] QLineEdit* box(const FormBox& box) const;
    [[nodiscard]] QLineEdit* rangeBox(const TableBox& box) const;

    // Its boxes in the order Tab takes them: each hand's shape and cards,
    // then the ranges row by row.
    [[nodiscard]] std::vector<QWidget*> tabOrder() const;

signals:
    void edited();

private:
    FormBox::Part part_;
    std::array<std::array<std::array<QLineEdit*, 2>, kMeasures>, kTableRows> ranges_{};
    std::array<QLineEdit*, 4> shapes_{};
    std::array<QLineEdit*, 4> cards_{};
};

// One part of the question: its alternatives as tabs, "Cas 1", "ou cas 2"…,
// the tabs hidden while there is only one.
class PartForm : public QTabWidget {
    Q_OBJECT

public:
    explicit PartForm(FormBox::Part part, QWidget* parent = nullptr);

    // A new alternative, shown, up to kMostAlternatives.
    void addAlternative();
    // The alternative shown goes, unless it is the only one; the others
    // are named again for their new places.
    void removeShown();

    [[nodiscard]] std::size_t count() const { return forms_.size(); }
    [[nodiscard]] AlternativeForm* alternative(std::size_t index) const { return forms_[index]; }
    [[nodiscard]] std::vector<AlternativeTexts> texts() const;

    // Its controls in the order Tab takes them, the first alternative's
    // last, so that Tab goes from its ranges to what follows the form.
    [[nodiscard]] std::vector<QWidget*> tabOrder() const;

signals:
    void edited();
    void alternativesChanged();

private:
    void renamed();

    FormBox::Part part_;
    std::vector<AlternativeForm*> forms_;
};

// "Ce que l'on sait" and "Ce que l'on cherche" as two tabs (what is asked
// shown first; nothing known by default), the buttons that add an
// alternative to the part shown or remove the one shown, and the question
// as it reads, kept up to date as the boxes change.
class ConditionForm : public QWidget {
    Q_OBJECT

public:
    explicit ConditionForm(QWidget* parent = nullptr);

    [[nodiscard]] ConditionTexts texts() const;
    [[nodiscard]] QLineEdit* box(const FormBox& box) const;
    // Shows the tab that holds the box and gives it the keyboard, its text
    // selected.
    void showBox(const FormBox& box);

    [[nodiscard]] PartForm* part(FormBox::Part part) const;

    // Its controls in the order Tab takes them, ending with the first
    // asked alternative's ranges.
    [[nodiscard]] std::vector<QWidget*> tabOrder() const;

signals:
    // The alternatives changed, and with them the order Tab takes.
    void alternativesChanged();

private:
    void showQuestion();
    void updateButtons();

    QTabWidget* parts_;
    PartForm* known_;
    PartForm* asked_;
    QPushButton* add_;
    QPushButton* remove_;
    QLabel* question_;
};

}  // namespace ondiscale
