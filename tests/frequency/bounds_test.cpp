#include <gtest/gtest.h>

#include <array>
#include <string>

#include "fake_window.h"

using namespace ondiscale;

namespace {

TEST(BoxValue, WholeNumbersFromZeroTo255AndNothingElse) {
    EXPECT_EQ(boxValue("0"), 0);
    EXPECT_EQ(boxValue("13"), 13);
    EXPECT_EQ(boxValue("  7  "), 7);
    EXPECT_EQ(boxValue("007"), 7);
    EXPECT_EQ(boxValue("255"), 255);
    for (const char* bad : {"", "   ", "a", "5a", "-1", "+1", "1.5", "1,5", "1e1", "256", "1000",
                            "99999999999999999999999", "1 2", "\t5", "five", "٣", "0x1", "½"}) {
        EXPECT_FALSE(boxValue(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(Verif, TheChecksTheirMessagesAndTheGroupsTheyReset) {
    struct Row {
        const char* name;
        Boxes typed;
        bool valid;
        int messages;
        Boxes after;
    };
    const Row rows[] = {
        {"defaults", kDefaultBoxes, true, 0, kDefaultBoxes},
        {"minima 4 4 4 1 add up to 13",
         {"4", "13", "4", "13", "4", "13", "1", "13", "0", "37"},
         true,
         0,
         {"4", "13", "4", "13", "4", "13", "1", "13", "0", "37"}},
        {"minima 4 4 4 2 add up to 14",
         {"4", "13", "4", "13", "4", "13", "2", "13", "5", "30"},
         false,
         1,
         {"0", "13", "0", "13", "0", "13", "0", "13", "5", "30"}},
        {"spade maximum below its minimum",
         {"6", "5", "0", "13", "0", "13", "0", "13", "12", "14"},
         false,
         1,
         {"0", "13", "0", "13", "0", "13", "0", "13", "12", "14"}},
        {"a heart minimum of 14: check 1 alone",
         {"0", "13", "14", "13", "0", "13", "0", "13", "0", "37"},
         false,
         1,
         kDefaultBoxes},
        {"cards and points both out of range: two messages",
         {"0", "13", "14", "13", "0", "13", "0", "13", "0", "38"},
         false,
         2,
         kDefaultBoxes},
        {"points 37 to 37",
         {"0", "13", "0", "13", "0", "13", "0", "13", "37", "37"},
         true,
         0,
         {"0", "13", "0", "13", "0", "13", "0", "13", "37", "37"}},
        {"points 38 to 38",
         {"3", "5", "0", "13", "0", "13", "0", "13", "38", "38"},
         false,
         1,
         {"3", "5", "0", "13", "0", "13", "0", "13", "0", "37"}},
        {"points 20 to 10",
         {"0", "13", "0", "13", "0", "13", "0", "13", "20", "10"},
         false,
         1,
         kDefaultBoxes},
        {"maxima 2 2 2 2",
         {"0", "2", "0", "2", "0", "2", "0", "2", "0", "37"},
         true,
         0,
         {"0", "2", "0", "2", "0", "2", "0", "2", "0", "37"}},
        {"exactly 13 in one suit",
         {"13", "13", "0", "0", "0", "0", "0", "0", "0", "37"},
         true,
         0,
         {"13", "13", "0", "0", "0", "0", "0", "0", "0", "37"}},
        {"a club maximum of 200",
         {"0", "13", "0", "13", "0", "13", "0", "200", "0", "37"},
         false,
         1,
         kDefaultBoxes},
    };
    for (const auto& row : rows) {
        FakeWindow f;
        f.view.type(row.typed);
        EXPECT_EQ(f.frequency.Verif(), row.valid) << row.name;
        EXPECT_EQ(f.dialogue.calls.size(), static_cast<std::size_t>(row.messages)) << row.name;
        for (const auto& call : f.dialogue.calls) {
            EXPECT_EQ(call.prompt, "Choix impossible!! Recommencez!");
            EXPECT_EQ(call.buttons, Buttons::Ok);
            EXPECT_FALSE(call.title.has_value()) << "the box bears the application's title";
        }
        EXPECT_EQ(f.view.shown(), strings(row.after)) << row.name;
        EXPECT_EQ(f.frequency.stored(), StoredBounds{}) << "Verif never stores: " << row.name;
    }
}

TEST(Verif, EachGroupIsResetOnlyAfterTheUserClosedItsMessage) {
    FakeWindow f;
    f.view.type({"0", "13", "14", "13", "0", "13", "0", "13", "0", "38"});
    std::vector<std::array<std::string, 10>> boxesWhileOpen;
    f.dialogue.whileOpen = [&](const DialogueCall&) { boxesWhileOpen.push_back(f.view.shown()); };
    EXPECT_FALSE(f.frequency.Verif());
    ASSERT_EQ(boxesWhileOpen.size(), 2U);
    EXPECT_EQ(boxesWhileOpen[0][2], "14") << "cards still as typed during the first message";
    EXPECT_EQ(boxesWhileOpen[1][2], "0") << "cards reset before the second message";
    EXPECT_EQ(boxesWhileOpen[1][9], "38") << "points still as typed during the second message";
}

TEST(Enregistre, StoresValidBoxesAndTransportCopiesThemInOrder) {
    FakeWindow f;
    f.view.type({" 1", "2 ", "3", "4", "5", "6", "0", "7", "8", "09"});
    ASSERT_TRUE(f.frequency.Enregistre());
    const StoredBounds expected{8, 9, 1, 2, 3, 4, 5, 6, 0, 7};
    EXPECT_EQ(f.frequency.stored(), expected);
    BoundsArray bornes{};
    bornes[0] = 99;
    f.frequency.Transport(bornes);
    EXPECT_EQ(bornes, (BoundsArray{99, 1, 2, 3, 4, 5, 6, 0, 7, 8, 9}));
}

TEST(Enregistre, AFailedGroupStoresNothingFromTheOtherGroup) {
    FakeWindow f;
    f.view.type({"2", "5", "0", "13", "0", "13", "0", "13", "10", "20"});
    ASSERT_TRUE(f.frequency.Enregistre());
    f.view.type({"7", "6", "0", "13", "0", "13", "0", "13", "1", "2"});
    EXPECT_FALSE(f.frequency.Enregistre());
    StoredBounds expected;  // cards reset by the failure, points kept from the first store
    expected.HMin = 10;
    expected.HMax = 20;
    EXPECT_EQ(f.frequency.stored(), expected);
    EXPECT_EQ(f.view.boxes[9], "1") << "the valid point boxes keep the user's text";
    EXPECT_EQ(f.view.boxes[10], "2");
}

// Text that is no whole number 0 to 255 fails its group exactly as a
// value out of range: one message, that group reset, nothing stored.
TEST(Enregistre, TextThatIsNoNumberFailsItsGroupInEveryBox) {
    const char* badTexts[] = {"",    " ",           "abc", "-3",  "+3",      "2.5", "2,5",  "1e1",
                              "256", "99999999999", "3 4", "III", "\u00A05", "5\t", "trois"};
    for (const char* bad : badTexts) {
        for (int box = 1; box <= 10; ++box) {
            FakeWindow f;
            Boxes typed{"1", "6", "2", "6", "0", "13", "0", "13", "4", "30"};
            typed[static_cast<std::size_t>(box - 1)] = bad;
            f.view.type(typed);
            EXPECT_FALSE(f.frequency.Enregistre()) << box << " '" << bad << "'";
            ASSERT_EQ(f.dialogue.calls.size(), 1U) << box << " '" << bad << "'";
            EXPECT_EQ(f.dialogue.calls[0].prompt, kImpossibleChoice);
            Boxes after = typed;
            if (box <= 8) {
                std::copy(kDefaultBoxes.begin(), kDefaultBoxes.begin() + 8, after.begin());
            } else {
                after[8] = "0";
                after[9] = "37";
            }
            EXPECT_EQ(f.view.shown(), strings(after)) << box << " '" << bad << "'";
            EXPECT_EQ(f.frequency.stored(), StoredBounds{}) << box << " '" << bad << "'";
        }
    }
}

}  // namespace
