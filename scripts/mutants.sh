#!/usr/bin/env bash
# A small mutation check to run before a release: plants each fault listed
# below, one at a time, in a scratch clone of the committed HEAD, rebuilds,
# runs the test suite, restores the file, and counts the faults the suite
# catches. Run it niced.
#
#   bash scripts/mutants.sh             every fault
#   bash scripts/mutants.sh NAME...     only the faults named
#   bash scripts/mutants.sh --check     only checks that every fault applies
#
# The tests beside the planted file (tests/engine for src/engine, and so on)
# are built and run first; only a fault they miss rebuilds the whole tree,
# where the suite runs without the end-to-end test, stopping at the first
# failure, and the end-to-end test only for a fault that got through. A whole
# run takes about 70 minutes on two cores.
set -euo pipefail
cd "$(dirname "$0")/.."
# Read to the closing brace at the end before anything runs: bash reads a
# script as it goes, and editing this file during a run would change it.
{

# One fault a line: a short name, the file, the text to find, " ==> ", and
# the text to put in its place (nothing: the text is deleted). The text to
# find must occur exactly once in the file; a fault that does not apply, or
# does not build, is reported as an error and not counted.
faults=$(
  cat <<'EOF'
# Dealing engine
dealer-no-reseed          src/engine/dealer.cpp          generator.reseed(clock_()); ==>
dealer-low-card           src/engine/dealer.cpp          kCards{kLowestCard, kHighestCard}; ==> kCards{1, kHighestCard};
dealer-high-card          src/engine/dealer.cpp          kCards{kLowestCard, kHighestCard}; ==> kCards{kLowestCard, 52};
dealer-keeps-repeats      src/engine/dealer.cpp          ((dealt >> card) & 1U) ^ 1U; ==> 1U;
dealer-first-unmarked     src/engine/dealer.cpp          std::uint64_t dealt = std::uint64_t{1} << cards[0]; ==> std::uint64_t dealt = 0;
dealer-short-copy         src/engine/dealer.cpp          hand = cards; ==> std::copy(cards.begin(), cards.end() - 1, hand.begin());
dealer-generator-kept     src/engine/dealer.cpp          generator_ = generator; ==>
range-width               src/engine/random_range.h      checked16(checked16(highest - lowest) + 1); ==> checked16(highest - lowest);
range-no-overflow         src/engine/random_range.h      if (v < INT16_MIN || v > INT16_MAX) { ==> if (v < INT16_MIN) {
range-floor-shift         src/engine/random_range.h      * n) >> 24); ==> * n) >> 23);
generator-counter-ignored src/engine/generator.h         const std::uint64_t s = counter_ ^ key_; ==> const std::uint64_t s = key_;
generator-25-bits         src/engine/generator.h         next() >> 40); ==> next() >> 39);
generator-reading-ignored src/engine/generator.h         (key_ ^ reading) + 0x9e3779b97f4a7c15ULL; ==> key_ + 0x9e3779b97f4a7c15ULL;
generator-clock-seconds   src/engine/generator.cpp       now.tv_sec) * 1'000'000'000U ==> now.tv_sec) * 1'000'000U
measures-last-club        src/engine/hand_measures.cpp   c <= kHighestCard; ++c) { ==> c < kHighestCard; ++c) {
measures-hearts-byte      src/engine/hand_measures.cpp   static_cast<std::uint8_t>(counts >> 8), ==> static_cast<std::uint8_t>(counts >> 16),
measures-ace-3            src/engine/hand_measures.cpp   points[cardOf(suit, kAce)] = 4; ==> points[cardOf(suit, kAce)] = 3;
measures-jack-ten         src/engine/hand_measures.cpp   points[cardOf(suit, kJack)] = 1; ==> points[cardOf(suit, 10)] = 1;
measures-last-card-points src/engine/hand_measures.cpp   sum += kPoints[card]; ==> sum += card == hand.back() ? 0 : kPoints[card];
shape-middle-order        src/engine/hand_measures.cpp   std::max(middle1, middle2), ==> std::min(middle1, middle2),
shape-shortest            src/engine/hand_measures.cpp   std::min(lo1, lo2)}; ==> std::max(lo1, lo2)};
shape-ten-as-digit        src/engine/hand_measures.cpp   if (n < 10) { ==> if (n <= 10) {
meets-strict-max          src/condition/matcher.h         static_cast<unsigned>(v <= r.max); ==> static_cast<unsigned>(v < r.max);
meets-points-ignored      src/condition/matcher.h         within(bounds.points, points)) != 0U; ==> 1U) != 0U;
cards-queen-king          src/engine/card_text.cpp       "8", "9", "10", "V", "D", "R", "A"}; ==> "8", "9", "10", "V", "R", "D", "A"};
cards-red-spades          src/engine/card_text.h         {"♠", false, "Pique"}, ==> {"♠", true, "Pique"},
cards-heart-sign          src/engine/card_text.h         {"♥", true, "Cœur"}, ==> {"♦", true, "Cœur"},

# Number texts and the batch loop
number-six-digits         src/text/number_text.cpp   std::chars_format::scientific, 6); ==> std::chars_format::scientific, 5);
number-trailing-zero      src/text/number_text.cpp   while (digits.size() > 1 && digits.back() == '0') { ==> while (digits.size() > 2 && digits.back() == '0') {
number-small-zeros        src/text/number_text.cpp   (-exponent - 1), '0'); ==> (-exponent), '0');
number-whole-boundary     src/text/number_text.cpp   } else if (exponent + 1 >= count) { ==> } else if (exponent + 1 > count) {
number-zero               src/text/number_text.cpp   return "0";  // also for -0 ==> return "0.0";
loop-percent-1000         src/simulation/batch_run.cpp          (static_cast<double>(deals) / 100.0); ==> (static_cast<double>(deals) / 1000.0);
loop-deals-not-added      src/simulation/batch_run.cpp          tally.deals += plan.batchSize; ==> tally.deals = plan.batchSize;
loop-never-asks           src/simulation/batch_run.cpp          dialogue.messageBox(report.prompt, Buttons::YesNo, report.title); ==> dialogue.messageBox(report.prompt, Buttons::Ok, report.title);
loop-observer-late        src/simulation/batch_run.cpp          observer->batchDealt(tally, run.examples(tally)); ==> observer->batchDealt(Tally{}, run.examples(tally));
condition-low-zero        src/condition/condition_text.cpp     if (range == open) { ==> if (range.min == open.min) {

# Bounds and the frequency run
bounds-256                src/condition/bounds_check.cpp if (value > 255) { ==> if (value > 256) {
bounds-minima-14          src/condition/bounds_check.cpp minima > kSuitCards; ==> minima > kSuitCards + 1;
bounds-max-strict         src/condition/bounds_check.cpp if (!range || range->max < range->min) { ==> if (!range || range->max <= range->min) {
bounds-points-38          src/condition/bounds_check.cpp rangeWithin(texts.points, kHandPoints); ==> rangeWithin(texts.points, kHandPoints + 1);
bounds-points-inverted    src/condition/bounds_check.cpp check.pointsRejected = !points || points->max < points->min; ==> check.pointsRejected = !points;
bounds-default-36         src/condition/hand_bounds.h    Range points{0, kHandPoints}; ==> Range points{0, 36};
frequency-progress-end    src/simulation/batch_loop.h      const int value = i < kBatchDeals ? i / 1000 : 0; ==> const int value = i < kBatchDeals ? i / 1000 : 100;
frequency-bar-stays       src/simulation/frequency_run.cpp progress.setProgressVisible(false); ==>
frequency-soit            src/simulation/frequency_run.cpp " soit " + ==> " soit  " +
frequency-no-accumulate   src/simulation/frequency_run.cpp tally.hits.front() += dealFrequencyBatch ==> tally.hits.front() = dealFrequencyBatch
frequency-ring-stuck      src/simulation/batch_loop.h      next += outcome.hit; ==>

# Distribution survey
survey-key-shift          src/simulation/survey_run.cpp      << (8 * (i + 1)); ==> << (8 * i);
survey-sixth-line-lost    src/simulation/survey_run.cpp      while (line < keys.size() && ==> while (line + 1 < keys.size() &&
survey-one-line-break     src/simulation/survey_run.cpp      prompt += "\r\n\r\n"; ==> prompt += "\r\n";
survey-empty-line-7       src/simulation/survey_run.cpp      if (!typed.empty()) { ==> if (true) {
survey-soit               src/simulation/survey_run.cpp      "  soit " ==> " soit "
survey-title              src/simulation/survey_run.cpp      Voulez-vous recommencer? ==> Voulez-vous continuer?
survey-prompt-join        src/simulation/survey_run.cpp      std::string(group.request) + kCrLf + ==> std::string(group.request) + " " +
survey-input-title        src/simulation/survey_run.cpp      à distribution précisée."; ==> à distribution précisée";
survey-example-empty-line src/simulation/survey_run.cpp      if (tally.hits[line] > 0) { ==> if (true) {
survey-order-group3       src/simulation/survey_groups.h     "7222", "7411", "7420", "7330"}, ==> "7222", "7420", "7411", "7330"},
survey-opening-group2     src/simulation/survey_groups.h     "On envisage les distributions de mains 6331, ==> "On envisage des distributions de mains 6331,
survey-default-group2     src/simulation/survey_groups.h     "5530", ==> "5503",
survey-warning-group1     src/simulation/survey_groups.h     On suggère 6421, 4441 ... " ==> On suggère 6421, 4441 ..."
survey-menu3-space        src/ui/window_texts.h          "6511, 6520, 7222, 7411, 7420, 7330 "}, ==> "6511, 6520, 7222, 7411, 7420, 7330"},

# Windows and messages
ui-separator-point        src/ui/qt_dialogue.cpp         return QLocale::system().decimalPoint().toStdString(); ==> return ".";
ui-crlf-kept              src/ui/qt_dialogue.cpp         .replace(QStringLiteral("\r\n"), QStringLiteral("\n")); ==> ;
ui-default-no             src/ui/qt_dialogue.cpp         box.setEscapeButton(addButton(box, QMessageBox::No, texts::kNo)); ==> box.setDefaultButton(addButton(box, QMessageBox::No, texts::kNo));
ui-untitled-box           src/ui/qt_dialogue.cpp         title.value_or(texts::kApplicationTitle) ==> title.value_or("")
ui-cancel-gives-default   src/ui/qt_dialogue.cpp         return {}; ==> return defaultText;
ui-box-over-nothing       src/ui/qt_dialogue.cpp         return active; ==> return nullptr;
ui-help-accent            src/ui/window_texts.h          vous donnera la fréquence de votre choix ==> vous donnera la frequence de votre choix
ui-info-comma             src/ui/window_texts.h          l'on veut),les fréquences ==> l'on veut), les fréquences
ui-caption                src/ui/window_texts.h          "QUADRIVELLE: fréquence d'une main précisée"; ==> "QUADRIVELLE : fréquence d'une main précisée";
ui-quitter-text           src/ui/window_texts.h          kCommand1 = "QUITTER"; ==> kCommand1 = "Quitter";
ui-yes-text               src/ui/window_texts.h          kYes = "&Oui"; ==> kYes = "&Yes";
ui-no-access-key          src/ui/window_texts.h          kNo = "&Non"; ==> kNo = "Non";
ui-red-label-black        src/ui/main_window.cpp         if (signOf(suit).red) { ==> if (!signOf(suit).red) {
ui-red                    src/ui/main_window.cpp         QColor(255, 0, 0) ==> QColor(200, 0, 0)
ui-points-box-font        src/ui/main_window.cpp         addBox(kMinLeft, kPointsTop, 9.75, ==> addBox(kMinLeft, kPointsTop, 8.25,
ui-bar-shown-at-load      src/ui/main_window.cpp         progressBar_->hide(); ==>
ui-focus-text2            src/ui/main_window.cpp         suitBoxes_[0].min->setFocus(); ==> suitBoxes_[0].max->setFocus();
ui-tab-order              src/ui/main_window.cpp         next(command2); ==>
ui-menu-wiring            src/ui/main_window.cpp         [this, &group] { runSurvey(group); } ==> [this] { runSurvey(kSurveyGroups[0]); }
ui-points-message-only    src/ui/main_window.cpp         if (check.pointsRejected) { ==> if (check.pointsRejected && !check.cardsRejected) {
ui-run-despite-rejection  src/ui/main_window.cpp         if (!check.bounds) { ==> if (false) {
ui-help-joined            src/ui/main_window.cpp         std::string(texts::kHelp1) + kCrLf + ==> std::string(texts::kHelp1) + " " +
ui-about-prefix           src/ui/about_box.cpp           qtText(texts::kCopyrightPrefix) + text ==> text
ui-about-not-unloaded     src/ui/about_box.cpp           loaded_ = false; ==>
main-not-shown            src/main.cpp                   window.show(); ==>

# Exact numbers of hands
exact-binomial            src/exact/binomials.h          for (std::size_t k = 1; k <= n; ++k) { ==> for (std::size_t k = 1; k < n; ++k) {
exact-king-2              src/exact/suit_holdings.h      kHonourPoints{4, 3, 2, 1}; ==> kHonourPoints{4, 2, 2, 1};
exact-pair-length         src/exact/exact_hands.cpp      b <= std::min(second.high, kLength - a); ==> b < std::min(second.high, kLength - a);
exact-points-top-out      src/exact/exact_hands.cpp      upTo[static_cast<std::size_t>(high) + 1] - ==> upTo[static_cast<std::size_t>(high)] -
exact-five-digit-text     src/exact/exact_hands.cpp      if (distribution.size() != 4 && distribution.size() != 5) { ==> if (distribution.size() != 4) {

# The journal
wilson-half-term          src/stats/margins.cpp        z2 / (4.0 * n * n) ==> z2 / (2.0 * n * n)
gap-sign                  src/stats/margins.cpp        (static_cast<double>(hits) / n - p) ==> (p - static_cast<double>(hits) / n)
journal-thin-late         src/journal/batch_history.cpp  points_.size() == kMaxPoints ==> points_.size() == kMaxPoints + 1
journal-examples-dropped  src/journal/journal.cpp        entry.examples = sorted(std::move(examples)); ==>
csv-comma-separator       src/formats/journal_csv.cpp    csv += ';'; ==> csv += ',';
csv-semicolon-unquoted    src/formats/journal_csv.cpp    field.find_first_of(";\"\r\n") ==> field.find_first_of("\"\r\n")
csv-not-computed-as-zero  src/formats/journal_csv.cpp    s.exact ? percent(*s.exact) ==> true ? percent(s.exact.value_or(0))

# The journal window and its export
journal-percent-sign      src/journal/journal_text.cpp   return fixedText(value, decimals, style.decimal) + journal_texts::kPercent; ==> return fixedText(value, decimals, style.decimal) + "%";
journal-columns-swapped   src/ui/journal/figures_table.cpp {texts::kHits, texts::kHitsTip, &FigureTexts::hits}, ==> {texts::kHits, texts::kHitsTip, &FigureTexts::estimate},
journal-diamonds-black    src/engine/card_text.h         {"♦", true, "Carreau"}, ==> {"♦", false, "Carreau"},
journal-new-run-hidden    src/ui/journal/journal_window.cpp runs_->currentRow() < 0 || runs_->currentRow() == runs_->count() - 1; ==> runs_->currentRow() < 0;
journal-over-main         src/ui/kit/window_placement.cpp return {main.left() - outer.width(), top}; ==> return {main.left() + 1 - outer.width(), top};
export-no-commit          src/ui/kit/save_file.cpp       written = file.commit() && file.error() == QFileDevice::NoError; ==> written = file.error() == QFileDevice::NoError;
export-failure-silent     src/ui/journal/journal_window.cpp const QString message = qtText(texts::kNotSaved).arg(QDir::toNativeSeparators(path), *failure); ==> const QString message; return true;
a11y-journal-unnamed      src/ui/journal/journal_window.cpp runs_->setAccessibleName(qtText(texts::kRunsName)); ==>

# The kit: menu rows, frames, placement, titles, DPI; the application; screen readers
menu-no-wrap              src/ui/kit/menu_rows.cpp       (at - all.begin() + direction + count) % count ==> std::clamp<std::ptrdiff_t>(at - all.begin() + direction, 0, count - 1)
menu-submenu-closes       src/ui/kit/menu_rows.cpp       to->enterKeyboardMode(next, open); ==> to->enterKeyboardMode(next, false);
menu-alt-first-row        src/ui/kit/menu_rows.cpp       return row == (inUse != rows_.end() ? *inUse : rows_.front()); ==> return row == rows_.front();
menu-rows-unnamed         src/ui/kit/menu_rows.cpp       row->setAccessibleName(rows_.empty() ? firstName_ : moreName_); ==>
quitter-off-centre        src/ui/kit/vertical_button.cpp static_cast<int>(caption.size())) / 2; ==> static_cast<int>(caption.size())) / 3;
frame-left-out            src/ui/kit/window_frame.cpp    QRect(corner + QPoint(frame.left(), frame.top()), window_.size()) ==> QRect(corner, window_.size())
frame-not-replaced        src/ui/kit/window_frame.cpp    if (!frame.isNull() && frame != placedWith_) { ==> if (false) {
frame-whole-screen        src/ui/kit/window_frame.cpp    screen->availableGeometry() : QRect(); ==> screen->geometry() : QRect();
place-top-right-off       src/ui/kit/window_placement.cpp return {area.right() + 1 - outer.width(), area.top()}; ==> return {area.right() - outer.width(), area.top()};
place-centre-floor        src/ui/kit/window_placement.cpp std::nearbyint(areaTwips - outerTwips)) / 2; ==> std::floor((areaTwips - outerTwips) / 2));
title-no-buttons          src/ui/kit/titled_boxes.cpp const int buttons = 5 * (metrics.height() + 6); ==> const int buttons = 2 * (metrics.height() + 6);
title-input-narrow        src/ui/kit/titled_boxes.cpp new QSpacerItem(widthForTitle(box) - margins.left() - margins.right(), 0, ==> new QSpacerItem(0, 0,
twips-96-dpi              src/ui/kit/twips.cpp           dpi_(widget.logicalDpiX()) ==> dpi_(96)
app-wayland-first         src/ui/application.cpp         QByteArray("xcb;wayland") ==> QByteArray("wayland;xcb")
app-french-not-installed  src/ui/application.cpp         QCoreApplication::installTranslator(translator.release()); ==> translator.release();
# Whole deals, double dummy and the analysis
table-keeps-misses        src/simulation/batch_loop.h      next += outcome.hit; ==> next += 1;
dd-strain-shifted         src/doubledummy/dds_conversions.h return strain == Strain::NoTrump ? 4 : static_cast<int>(index(strain)) - 1; ==> return strain == Strain::NoTrump ? 4 : static_cast<int>(index(strain)) % 4;
dd-seat-rotated           src/doubledummy/dds_conversions.cpp out.cards[index(seat)][index(suitOf(card))] |= 1U << rankOf(card); ==> out.cards[(index(seat) + 1) % 4][index(suitOf(card))] |= 1U << rankOf(card);
dd-stop-ignored           src/doubledummy/solver.cpp     if (stop.stop_requested()) { ==> if (false) {
contract-needs-7          src/doubledummy/contract.cpp   >= contract.level + 6; ==> >= contract.level + 7;
par-rotation-plain        src/engine/board.h             return static_cast<Vulnerability>((n + n / 4) % 4); ==> return static_cast<Vulnerability>(n % 4);
analysis-game-nt-10       src/analysis/analysis_tally.cpp return 9; ==> return 10;
analysis-no-examples      src/analysis/analysis_run.cpp  if (examples.size() < kAnalysedExamples) { ==> if (false) {
analysis-history-lost     src/journal/journal.cpp        figure.history = std::move(before.history); ==>
analysis-last-entry       src/journal/journal.cpp        entries_[index].stopped = true; ==> entries_.back().stopped = true;
session-tricks-transposed src/formats/session_file.cpp   table.tricks.at(i / 4).at(i % 4) = ==> table.tricks.at(i % 5).at(i / 5) =
pbn-no-trick-table        src/formats/pbn.cpp            out += optimumResultTableText(*game.tricks); ==>
panel-cancel-ignored      src/ui/analysis_panel.cpp      worker_.request_stop(); ==>
close-keeps-analysing     src/ui/table_window.cpp        analysis_->cancel(); ==>
a11y-box-names-shifted    src/ui/main_window.cpp         addBox(kMinLeft, kSuitTops[row], 8.25, name + qtText(texts::kMinimumName)); ==> addBox(kMinLeft, kSuitTops[row], 8.25, name + qtText(texts::kMaximumName));

# Questions on whole deals: the matcher, shapes, the four-hand checks
matcher-sides-ignored     src/condition/matcher.cpp      add(rowOf(side), bounds.side(side), anySide()); ==>
matcher-one-alternative   src/condition/matcher.cpp      fits(part.alternatives[a].shapes[s], lengths) ? 1U << a : 0U); ==> fits(part.alternatives[a].shapes[s], lengths) ? 1U : 0U);
matcher-placed-of-first   src/condition/matcher.cpp      known.alternatives.size() == 1 ? known.alternatives.front().cards ==> !known.alternatives.empty() ? known.alternatives.front().cards
shapes-semi-no-6322       src/condition/shapes.cpp       return is(5, 4, 2, 2) || is(6, 3, 2, 2); ==> return is(5, 4, 2, 2);
shapes-two-suited-55      src/condition/shapes.cpp       return a >= 5 && b >= 4 && c <= 3; ==> return a >= 5 && b >= 5 && c <= 3;
shapes-singleton-allowed  src/condition/shapes.cpp       return d >= 2; ==> return d >= 1;
shapes-suit-order-sorted  src/condition/shapes.cpp       if (kind == ShapeTerm::Kind::AnyOrder) { ==> if (true) {
shapes-thirteen-unread    src/condition/shapes.cpp       piece[0] == '1' && piece[1] <= '3') { ==> piece[0] == '1' && piece[1] <= '2') {
checks-hand-and-other-pair src/condition/table_bounds_check.cpp minima += std::max<unsigned>(one.min + other.min, pair.min); ==> minima += one.min + other.min;
checks-second-hand-as-first src/condition/table_bounds_check.cpp const Range& other = rangeOf(bounds, b, m); ==> const Range& other = rangeOf(bounds, a, m);

# Exact odds: inclusion and exclusion, the work allowance, counting aside
exact-meetings-all-added  src/exact/exact_odds.cpp       std::popcount(set) % 2 == 1 ? 1 : -1 ==> 1
exact-last-alternative    src/exact/exact_odds.cpp       for (std::size_t a = first + 1; a < n; ++a) { ==> for (std::size_t a = first + 1; a + 1 < n; ++a) {
exact-known-sign-lost     src/exact/exact_odds.cpp       both.push_back({question, k.sign * a.sign}); ==> both.push_back({question, a.sign});
exact-work-not-spent      src/exact/exact_odds.cpp       left_ -= spent.count() * kStepsASecond; ==>
exact-work-each-whole     src/exact/exact_odds.cpp       countDeals(question, left_); ==> countDeals(question, kLongCount);
exact-nothing-known-share src/exact/exact_odds.cpp       if (odds.knownDeals == 0) { ==> if (false) {
table-quick-waits-long    src/simulation/table_run.cpp   return exactOdds(condition, kQuickCount); ==> return exactOdds(condition, kLongCount);
table-never-aside         src/simulation/table_run.cpp   return !odds.probability && odds.whyNot == exact_texts::kTooLong; ==> return false;
table-aside-when-cannot   src/simulation/table_run.cpp   return !odds.probability && odds.whyNot == exact_texts::kTooLong; ==> return !odds.probability;
journal-exact-dropped     src/journal/journal.cpp        found.exact = exact; ==>
journal-exact-reason-lost src/journal/journal.cpp        found.note = exact ? std::string() : std::move(note); ==> found.note = std::string();
journal-exact-past-changed src/journal/journal.cpp       if (readOnly_ || index >= entries_.size() || figure >= entries_[index].figures.size()) { ==> if (index >= entries_.size() || figure >= entries_[index].figures.size()) {

# Boards written for other programs: PBN and LIN
pbn-deal-from-north       src/formats/pbn_export.cpp     out += pbnHand(deal[(index(dealer) + i) % 4]); ==> out += pbnHand(deal[i]);
pbn-line-past-255         src/formats/pbn_export.cpp     const std::size_t room = kMostLine - head.size() - 2; ==> const std::size_t room = kMostLine - head.size();
pbn-quote-unescaped       src/formats/pbn_export.cpp     if (ch == '"' || ch == '\\') { ==> if (ch == '\\') {
pbn-lf-only               src/formats/pbn_export.cpp     out += '\r'; ==>
pbn-rotation-north-deals  src/formats/pbn_export.cpp     place, dealerOfBoard(place), vulnerabilityOfBoard(place)}); ==> place, Seat::North, vulnerabilityOfBoard(place)});
pbn-spades-as-s           src/formats/pbn_export.cpp     return "P"; ==> return "S";
lin-dealer-digits         src/formats/lin.cpp            kDealerDigits{'3', '4', '1', '2'}; ==> kDealerDigits{'1', '2', '3', '4'};
lin-vulnerable-swapped    src/formats/lin.cpp            kVulnerable{"0", "n", "e", "b"}; ==> kVulnerable{"0", "e", "n", "b"};
lin-hands-from-north      src/formats/lin.cpp            kFromSouth{Seat::South, Seat::West, Seat::North, Seat::East}; ==> kFromSouth{Seat::North, Seat::East, Seat::South, Seat::West};
lin-no-deuces             src/formats/lin.cpp            for (int rank = kAce; rank >= 2; --rank) { ==> for (int rank = kAce; rank > 2; --rank) {

# Sessions, the analysis panel, charts and placement
session-last-chart-lost   src/formats/session_file.cpp   kChartCodes - 1))); ==> kChartCodes - 2)));
analysis-board-unvulnerable src/analysis/analysis_run.cpp parOf(table, dealerOfBoard(board), vulnerabilityOfBoard(board)); ==> parOf(table, dealerOfBoard(board), Vulnerability::None);
sessions-none-preselected src/ui/journal/sessions_dialog.cpp list_->setCurrentRow(0); ==>
sessions-enter-ignored    src/ui/journal/sessions_dialog.cpp connect(list_, &QListWidget::itemActivated, this, &QDialog::accept); ==>
panel-bar-range-asked     src/ui/analysis_panel.cpp      bar_->setRange(0, static_cast<int>(request.deals.size())); ==> bar_->setRange(0, count_->value());
panel-error-silent        src/ui/analysis_panel.cpp      dialogue_.messageBox(error->message, Buttons::Ok, std::string(texts::kDonneTitle)); ==>
axis-last-label-lost      src/ui/kit/chart_look.cpp      for (int i = 0; i < ticks.count(); ++i) { ==> for (int i = 0; i + 1 < ticks.count(); ++i) {
axis-quarter-decimals     src/ui/kit/axis_ticks.cpp      (mantissa == 25 ? 1 : 0) - k); ==> -k);
chart-first-band-missing  src/ui/journal/journal_chart.cpp if (estimate.size() == 1) { ==> if (false) {
chart-exact-line-short    src/ui/journal/journal_chart.cpp {x.max, *exactPercent_}} ==> {x.max - x.step, *exactPercent_}}
box-off-the-work-area     src/ui/kit/keep_clear.cpp      const QRect usual = within(QRect( ==> const QRect usual = (QRect(
title-frame-ignored       src/ui/kit/titled_boxes.cpp    return std::min(wanted, workArea(window).width() - frame.left() - frame.right()); ==> return std::min(wanted, workArea(window).width());
flow-wraps-late           src/ui/kit/flow_layout.cpp     used + gap + width > area.width()) { ==> used + gap > area.width()) {
figures-row-under-bar     src/ui/journal/figures_table.cpp headerHeight() + row + frame + horizontalScrollBar()->sizeHint().height()}; ==> headerHeight() + row + frame};
EOF
)

die() {
  echo "mutants: $*" >&2
  exit 2
}

# Splits one fault line into name, file, from and to, all taken literally.
parse() {
  local line=$1 rest
  read -r name file rest <<<"$line"
  if [[ $rest == *" ==> "* ]]; then
    from=${rest%%" ==> "*}
    to=${rest#*" ==> "}
  elif [[ $rest == *" ==>" ]]; then
    from=${rest%" ==>"}
    to=
  else
    return 1
  fi
  [[ -n $name && -n $file && -n $from ]]
}

occurrences() {
  local text=$1 pattern=$2 n=0
  while [[ $text == *"$pattern"* ]]; do
    n=$((n + 1))
    text=${text#*"$pattern"}
  done
  echo "$n"
}

# Checks that a fault applies in the tree at $1; prints why not.
applies() {
  local tree=$1 content n
  if [[ ! -f $tree/$file ]]; then
    echo "no file $file"
    return 1
  fi
  content=$(<"$tree/$file")
  n=$(occurrences "$content" "$from")
  if [[ $n -ne 1 ]]; then
    echo "its text occurs $n times in $file, not once"
    return 1
  fi
}

plant() {
  local tree=$1 content
  content=$(<"$tree/$file")
  printf '%s\n' "${content/"$from"/"$to"}" >"$tree/$file"
}

check_only=false
wanted=()
for arg in "$@"; do
  case $arg in
    --check) check_only=true ;;
    -*) die "unknown option $arg" ;;
    *) wanted+=("$arg") ;;
  esac
done

selected=()
while IFS= read -r line; do
  [[ -z ${line// /} || $line == \#* ]] && continue
  parse "$line" || die "cannot read the fault line: $line"
  if [[ ${#wanted[@]} -gt 0 && " ${wanted[*]} " != *" $name "* ]]; then
    continue
  fi
  selected+=("$line")
done <<<"$faults"
[[ ${#selected[@]} -gt 0 ]] || die "no fault selected"

# Keeps the faults that apply to the tree at $1, reporting the others.
errors=()
keep_applicable() {
  local kept=()
  for line in "${selected[@]}"; do
    parse "$line"
    if why=$(applies "$1"); then
      kept+=("$line")
    else
      echo "ERROR: $name: $why"
      errors+=("$name ($why)")
    fi
  done
  selected=("${kept[@]+"${kept[@]}"}")
}

if $check_only; then
  total=${#selected[@]}
  keep_applicable .
  echo "${#selected[@]} of $total faults apply to the working tree"
  [[ ${#errors[@]} -eq 0 ]]
  exit
fi

bash scripts/setup.sh
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tree=$scratch/tree
git clone --quiet . "$tree"
echo "Faults planted in a clone of $(git -C "$tree" log -1 --format='%h %s')"
keep_applicable "$tree"
[[ ${#selected[@]} -gt 0 ]] || die "no fault applies"

jobs=$(nproc)
build() { cmake --build "$tree/build" --parallel "$jobs" >"$scratch/build.log" 2>&1; }
run_suite() {
  # A fault that hangs the suite counts as caught once the limit is up.
  timeout -k 10 "$limit" ctest --test-dir "$tree/build" -LE e2e --stop-on-failure \
    --parallel "$jobs" >"$scratch/test.log" 2>&1 &&
    timeout -k 10 "$limit" ctest --test-dir "$tree/build" -L e2e >>"$scratch/test.log" 2>&1
}

# The folder of tests nearest the planted file, if any: tests/ui/journal for
# src/ui/journal/x.cpp, tests/ui for src/ui/x.cpp.
near_tests() {
  local dir=${file%/*}
  dir=tests${dir#src}
  while [[ $dir == tests/* ]]; do
    if [[ -d $tree/build/$dir ]]; then
      echo "$dir"
      return
    fi
    dir=${dir%/*}
  done
}
# Fails with $unbuilt when the near tests do not build.
unbuilt=200
run_near() {
  cmake --build "$tree/build" --target "$1/all" --parallel "$jobs" >"$scratch/build.log" 2>&1 ||
    return "$unbuilt"
  timeout -k 10 "$limit" ctest --test-dir "$tree/build/$1" -LE e2e --stop-on-failure \
    --parallel "$jobs" >"$scratch/test.log" 2>&1
}

env -u CI cmake -S "$tree" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DONDISCALE_BENCH=OFF -DONDISCALE_WERROR=OFF >"$scratch/configure.log" 2>&1 ||
  { cat "$scratch/configure.log"; die "the clone does not configure"; }
build || { tail -40 "$scratch/build.log"; die "the clone does not build"; }
limit=600
start=$SECONDS
run_suite || { tail -40 "$scratch/test.log"; die "the suite fails before any fault is planted"; }
limit=$(((SECONDS - start) * 5 + 60))

caught=()
slipped=()
i=0
for line in "${selected[@]}"; do
  parse "$line"
  i=$((i + 1))
  printf '[%2d/%d] %-26s ' "$i" "${#selected[@]}" "$name"
  plant "$tree"
  status=0
  near=$(near_tests)
  if [[ -n $near ]]; then
    run_near "$near" || status=$?
  fi
  if [[ $status -eq 0 ]]; then
    if build; then
      run_suite || status=$?
    else
      status=$unbuilt
    fi
  fi
  if [[ $status -eq $unbuilt ]]; then
    echo "ERROR: does not build"
    errors+=("$name (does not build)")
  elif [[ $status -eq 0 ]]; then
    echo "SLIPPED"
    slipped+=("$name")
  elif [[ $status -eq 124 || $status -eq 137 ]]; then
    echo "caught: the suite hangs"
    caught+=("$name")
  else
    by=$(sed -n 's/.*Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*/\1/p' "$scratch/test.log" | head -1)
    echo "caught${by:+ by $by}"
    caught+=("$name")
  fi
  git -C "$tree" checkout --quiet -- "$file"
done

counted=$((${#caught[@]} + ${#slipped[@]}))
echo
echo "${#caught[@]} of $counted faults caught"
[[ ${#slipped[@]} -eq 0 ]] || echo "Slipped: ${slipped[*]}"
[[ ${#errors[@]} -eq 0 ]] || printf 'Error: %s\n' "${errors[@]}"
[[ ${#slipped[@]} -eq 0 && ${#errors[@]} -eq 0 ]]
}
