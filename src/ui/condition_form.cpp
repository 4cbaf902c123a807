#include "ui/condition_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "condition/condition_text.h"
#include "engine/card_text.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"
#include "ui/window_texts.h"

namespace ondiscale {
namespace {

using Part = FormBox::Part;
using Kind = FormBox::Kind;

// The rows' and the measures' parts of the boxes' object names.
constexpr std::array<const char*, kTableRows> kRowKeys{"Nord",  "Est",     "Sud",
                                                       "Ouest", "NordSud", "EstOuest"};
constexpr std::array<const char*, kMeasures> kMeasureKeys{"Pique", "Coeur", "Carreau", "Trefle",
                                                          "Points"};

// A box's object name in its place: "NordPiqueMin", "SaitNordForme2".
QString objectNameOf(Part part, std::size_t alternative, const QString& key) {
    QString name = part == Part::Known ? QStringLiteral("Sait") + key : key;
    if (alternative > 0) {
        name += QString::number(alternative + 1);
    }
    return name;
}

QLabel* heading(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

AlternativeForm::AlternativeForm(Part part, std::size_t alternative, std::size_t count,
                                 QWidget* parent)
    : QWidget(parent), part_(part) {
    const Twips at(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, at.px(60), 0, 0);

    // Each hand's shape and cards, two hands a row (North and East, South
    // and West), under the headings "forme" and "cartes".
    auto* hands = new QGridLayout;
    hands->setHorizontalSpacing(at.px(60));
    const int shapeWidth = fontMetrics().horizontalAdvance(qtText(texts::kShapeExample));
    const int cardsWidth = fontMetrics().horizontalAdvance(qtText("♠AR52 ♥D7 ♦RV8"));
    for (int pair = 0; pair < 2; ++pair) {
        const int column = 4 * pair;
        hands->addWidget(heading(qtText(texts::kShapeHeading)), 0, column + 1);
        hands->addWidget(heading(qtText(texts::kCardsHeading)), 0, column + 2);
        hands->setColumnStretch(column + 1, 2);
        hands->setColumnStretch(column + 2, 3);
        if (pair == 0) {
            hands->setColumnMinimumWidth(3, at.px(120));
        }
    }
    for (const Seat seat : kSeats) {
        const std::size_t s = index(seat);
        const int line = 1 + static_cast<int>(s / 2);
        const int column = 4 * static_cast<int>(s % 2);
        auto* shape = new QLineEdit;
        shape->setPlaceholderText(qtText(texts::kShapeExample));
        shape->setMinimumWidth(shapeWidth * 3 / 4);
        auto* cards = new QLineEdit;
        cards->setPlaceholderText(qtText(texts::kCardsExample));
        cards->setMinimumWidth(cardsWidth);
        hands->addWidget(new QLabel(qtText(nameOf(seat))), line, column);
        hands->addWidget(shape, line, column + 1);
        hands->addWidget(cards, line, column + 2);
        shapes_[s] = shape;
        cards_[s] = cards;
        for (QLineEdit* box : {shape, cards}) {
            connect(box, &QLineEdit::textChanged, this, &AlternativeForm::edited);
        }
    }
    layout->addLayout(hands);

    // The ranges: each suit's sign over its two boxes, red for the red
    // suits, then "points"; under them "min" and "max"; a row for each
    // hand and each partnership.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(at.px(60));
    for (std::size_t m = 0; m < kMeasures; ++m) {
        const auto column = static_cast<int>(1 + 2 * m);
        QLabel* sign =
            heading(m < kSuits.size() ? qtText(signOf(kSuits[m]).sign) : qtText(texts::kPoints));
        if (m < kSuits.size() && signOf(kSuits[m]).red) {
            sign->setStyleSheet(QStringLiteral("color: #ff0000"));
        }
        grid->addWidget(sign, 0, column, 1, 2);
        for (const bool max : {false, true}) {
            auto* end = new QLabel(qtText(max ? texts::kMax : texts::kMin));
            end->setAlignment(Qt::AlignCenter);
            grid->addWidget(end, 1, column + (max ? 1 : 0));
        }
    }
    const int rangeWidth = fontMetrics().horizontalAdvance(QStringLiteral("000")) + at.px(180);
    const TableTexts defaults = textsOf(TableBounds{});
    for (std::size_t row = 0; row < kTableRows; ++row) {
        const auto line = static_cast<int>(2 + row);
        grid->addWidget(new QLabel(qtText(rowName(row))), line, 0);
        for (std::size_t m = 0; m < kMeasures; ++m) {
            for (const bool max : {false, true}) {
                auto* box =
                    new QLineEdit(qtText(max ? defaults[row][m].max : defaults[row][m].min));
                box->setFixedWidth(rangeWidth);
                box->setAlignment(Qt::AlignRight);
                grid->addWidget(box, line, static_cast<int>(1 + 2 * m + (max ? 1 : 0)));
                ranges_[row][m][max ? 1 : 0] = box;
                connect(box, &QLineEdit::textChanged, this, &AlternativeForm::edited);
            }
        }
    }
    auto* ranges = new QHBoxLayout;
    ranges->addLayout(grid);
    ranges->addStretch(1);
    layout->addLayout(ranges);
    layout->addStretch(1);
    setPlace(alternative, count);
}

void AlternativeForm::setPlace(std::size_t alternative, std::size_t count) {
    const QString place = qtText(formPlaceText(part_, alternative, count));
    for (std::size_t row = 0; row < kTableRows; ++row) {
        for (std::size_t m = 0; m < kMeasures; ++m) {
            for (const bool max : {false, true}) {
                QLineEdit* box = ranges_[row][m][max ? 1 : 0];
                box->setObjectName(
                    objectNameOf(part_, alternative,
                                 QStringLiteral("%1%2%3").arg(
                                     QLatin1String(kRowKeys[row]), QLatin1String(kMeasureKeys[m]),
                                     max ? QStringLiteral("Max") : QStringLiteral("Min"))));
                box->setAccessibleName(place + qtText(boxName({row, m, max})));
            }
        }
    }
    for (const Seat seat : kSeats) {
        const QString key = QLatin1String(kRowKeys[index(seat)]);
        shapes_[index(seat)]->setObjectName(
            objectNameOf(part_, alternative, key + QStringLiteral("Forme")));
        shapes_[index(seat)]->setAccessibleName(place + qtText(shapeBoxName(seat)));
        cards_[index(seat)]->setObjectName(
            objectNameOf(part_, alternative, key + QStringLiteral("Cartes")));
        cards_[index(seat)]->setAccessibleName(place + qtText(cardsBoxName(seat)));
    }
}

AlternativeTexts AlternativeForm::texts() const {
    AlternativeTexts out;
    for (std::size_t row = 0; row < kTableRows; ++row) {
        for (std::size_t m = 0; m < kMeasures; ++m) {
            out.ranges[row][m] = {ranges_[row][m][0]->text().toStdString(),
                                  ranges_[row][m][1]->text().toStdString()};
        }
    }
    for (std::size_t seat = 0; seat < 4; ++seat) {
        out.shapes[seat] = shapes_[seat]->text().toStdString();
        out.cards[seat] = cards_[seat]->text().toStdString();
    }
    return out;
}

QLineEdit* AlternativeForm::rangeBox(const TableBox& box) const {
    return ranges_[box.row][box.measure][box.max ? 1 : 0];
}

QLineEdit* AlternativeForm::box(const FormBox& box) const {
    switch (box.kind) {
        case Kind::Shape:
            return shapes_[index(box.seat)];
        case Kind::Cards:
            return cards_[index(box.seat)];
        case Kind::Range:
            break;
    }
    return rangeBox(box.range);
}

std::vector<QWidget*> AlternativeForm::tabOrder() const {
    std::vector<QWidget*> order;
    for (std::size_t seat = 0; seat < 4; ++seat) {
        order.push_back(shapes_[seat]);
        order.push_back(cards_[seat]);
    }
    for (const auto& row : ranges_) {
        for (const auto& measure : row) {
            order.insert(order.end(), measure.begin(), measure.end());
        }
    }
    return order;
}

PartForm::PartForm(Part part, QWidget* parent) : QTabWidget(parent), part_(part) {
    setObjectName(part == Part::Known ? QStringLiteral("DonneSaitCas")
                                      : QStringLiteral("DonneChercheCas"));
    setAccessibleName(
        qtText(part == Part::Known ? texts::kKnownCasesName : texts::kAskedCasesName));
    setTabBarAutoHide(true);
    setDocumentMode(true);
    addAlternative();
}

void PartForm::addAlternative() {
    if (forms_.size() >= kMostAlternatives) {
        return;
    }
    auto* form = new AlternativeForm(part_, forms_.size(), forms_.size() + 1);
    connect(form, &AlternativeForm::edited, this, &PartForm::edited);
    forms_.push_back(form);
    addTab(form, QString());
    renamed();
    setCurrentWidget(form);
    emit alternativesChanged();
    emit edited();
}

void PartForm::removeShown() {
    if (forms_.size() <= 1) {
        return;
    }
    auto* shown = qobject_cast<AlternativeForm*>(currentWidget());
    const auto at = std::find(forms_.begin(), forms_.end(), shown);
    if (at == forms_.end()) {
        return;
    }
    forms_.erase(at);
    removeTab(indexOf(shown));
    // Out of the window at once, so that its names are free for the others.
    shown->setParent(nullptr);
    shown->deleteLater();
    renamed();
    emit alternativesChanged();
    emit edited();
}

void PartForm::renamed() {
    for (std::size_t i = 0; i < forms_.size(); ++i) {
        forms_[i]->setPlace(i, forms_.size());
        const QString number = QString::number(i + 1);
        setTabText(static_cast<int>(i),
                   qtText(i == 0 ? texts::kFirstAlternative : texts::kOrAlternative).arg(number));
    }
}

std::vector<AlternativeTexts> PartForm::texts() const {
    std::vector<AlternativeTexts> out;
    for (const AlternativeForm* form : forms_) {
        out.push_back(form->texts());
    }
    return out;
}

std::vector<QWidget*> PartForm::tabOrder() const {
    std::vector<QWidget*> order{tabBar()};
    for (std::size_t i = 1; i <= forms_.size(); ++i) {
        const std::vector<QWidget*> boxes = forms_[i % forms_.size()]->tabOrder();
        order.insert(order.end(), boxes.begin(), boxes.end());
    }
    return order;
}

ConditionForm::ConditionForm(QWidget* parent)
    : QWidget(parent),
      parts_(new QTabWidget),
      known_(new PartForm(Part::Known)),
      asked_(new PartForm(Part::Asked)),
      add_(new QPushButton(qtText(texts::kAddAlternative))),
      remove_(new QPushButton(qtText(texts::kRemoveAlternative))),
      question_(new QLabel) {
    parts_->setObjectName(QStringLiteral("DonneParties"));
    parts_->setAccessibleName(qtText(texts::kPartsName));
    parts_->addTab(known_, qtText(texts::kPartKnown));
    parts_->addTab(asked_, qtText(texts::kPartAsked));
    parts_->setCurrentWidget(asked_);
    add_->setObjectName(QStringLiteral("DonneAjouterCas"));
    remove_->setObjectName(QStringLiteral("DonneRetirerCas"));
    auto* corner = new QWidget;
    auto* buttons = new QHBoxLayout(corner);
    // Clear of the edge, where the tab widget's frame would cut the last
    // button's.
    buttons->setContentsMargins(0, 0, Twips(*this).px(60), Twips(*this).px(30));
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    parts_->setCornerWidget(corner, Qt::TopRightCorner);
    question_->setObjectName(QStringLiteral("DonneQuestion"));
    question_->setAccessibleName(qtText(texts::kQuestionName));
    question_->setWordWrap(true);
    question_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(parts_);
    layout->addWidget(question_);

    const auto shownPart = [this] { return qobject_cast<PartForm*>(parts_->currentWidget()); };
    connect(add_, &QPushButton::clicked, this, [shownPart] { shownPart()->addAlternative(); });
    connect(remove_, &QPushButton::clicked, this, [shownPart] { shownPart()->removeShown(); });
    connect(parts_, &QTabWidget::currentChanged, this, &ConditionForm::updateButtons);
    for (PartForm* part : {known_, asked_}) {
        connect(part, &PartForm::edited, this, &ConditionForm::showQuestion);
        connect(part, &PartForm::alternativesChanged, this, &ConditionForm::updateButtons);
        connect(part, &PartForm::alternativesChanged, this, &ConditionForm::alternativesChanged);
    }
    showQuestion();
    updateButtons();
}

PartForm* ConditionForm::part(Part part) const { return part == Part::Known ? known_ : asked_; }

ConditionTexts ConditionForm::texts() const { return {known_->texts(), asked_->texts()}; }

QLineEdit* ConditionForm::box(const FormBox& box) const {
    const PartForm* form = part(box.part);
    return form->alternative(std::min(box.alternative, form->count() - 1))->box(box);
}

void ConditionForm::showBox(const FormBox& box) {
    PartForm* form = part(box.part);
    parts_->setCurrentWidget(form);
    form->setCurrentWidget(form->alternative(std::min(box.alternative, form->count() - 1)));
    QLineEdit* wrong = this->box(box);
    wrong->setFocus(Qt::OtherFocusReason);
    wrong->selectAll();
}

void ConditionForm::showQuestion() {
    const ConditionCheck check = checkCondition(texts());
    question_->setText(check.condition ? qtText(conditionText(*check.condition)) : QString());
}

void ConditionForm::updateButtons() {
    const auto* shown = qobject_cast<PartForm*>(parts_->currentWidget());
    add_->setEnabled(shown->count() < kMostAlternatives);
    remove_->setEnabled(shown->count() > 1);
}

std::vector<QWidget*> ConditionForm::tabOrder() const {
    std::vector<QWidget*> order{parts_->tabBar(), add_, remove_};
    for (const PartForm* part : {known_, asked_}) {
        const std::vector<QWidget*> boxes = part->tabOrder();
        order.insert(order.end(), boxes.begin(), boxes.end());
    }
    return order;
}

}  // namespace ondiscale
