#include "formats/pbn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/dealer.h"
#include "hands.h"

using namespace ondiscale;

namespace {

// The values of every tag named `name`, in order.
std::vector<std::string> values(const std::string& text, const std::string& name) {
    std::vector<std::string> out;
    const std::string head = "[" + name + " \"";
    for (auto at = text.find(head); at != std::string::npos; at = text.find(head, at + 1)) {
        const auto start = at + head.size();
        out.push_back(text.substr(start, text.find("\"]\n", start) - start));
    }
    return out;
}

std::set<Card> cardsOf(const Hand& hand) { return {hand.begin(), hand.end()}; }

// Written, then read back as another program would, every deal gives its
// 52 cards in their seats.
TEST(Pbn, DealsComeBackCardForCardSeatForSeat) {
    Dealer dealer;
    std::vector<PbnGame> games(40);
    for (PbnGame& game : games) {
        dealer.dealTable(game.deal);
    }
    games[7].wholeDeal = false;  // South's hand alone
    const std::string text = pbnText(games, "essai", "2026.12.08");
    const auto deals = values(text, "Deal");
    ASSERT_EQ(deals.size(), games.size());
    for (std::size_t g = 0; g < games.size(); ++g) {
        const auto read = readPbnDeal(deals[g]);
        ASSERT_TRUE(read.has_value()) << deals[g];
        for (const Seat seat : kSeats) {
            const bool known = games[g].wholeDeal || seat == Seat::South;
            EXPECT_EQ(read->known[index(seat)], known) << g;
            if (known) {
                EXPECT_EQ(cardsOf(read->deal[index(seat)]), cardsOf(games[g].deal[index(seat)]))
                    << "game " << g << ", seat " << index(seat);
            }
        }
    }
    EXPECT_TRUE(deals[7].starts_with("N:- - ")) << deals[7];
    EXPECT_TRUE(deals[7].ends_with(" -")) << deals[7];
}

TEST(Pbn, TheMandatoryTagsInTheirOrderEmptyWhereTheyDoNotApply) {
    PbnGame game;
    game.deal = {
        hands::handOf("AKQ2", "J4", "T98", "7653"), hands::handOf("JT9", "AKQ", "J76", "AKQ2"),
        hands::handOf("876", "T98765", "AK", "JT"), hands::handOf("543", "32", "Q5432", "984")};
    const std::string text = pbnText({game, game}, "Donne \"précisée\"", "2026.12.08");
    const std::string first =
        "% PBN 2.1\n% EXPORT\n\n"
        "[Event \"Donne \\\"précisée\\\"\"]\n"
        "[Site \"\"]\n"
        "[Date \"2026.12.08\"]\n"
        "[Board \"1\"]\n"
        "[West \"\"]\n[North \"\"]\n[East \"\"]\n[South \"\"]\n"
        "[Dealer \"N\"]\n"
        "[Vulnerable \"None\"]\n"
        "[Deal \"N:AKQ2.J4.T98.7653 JT9.AKQ.J76.AKQ2 876.T98765.AK.JT 543.32.Q5432.984\"]\n"
        "[Scoring \"\"]\n[Declarer \"\"]\n[Contract \"\"]\n[Result \"\"]\n"
        "\n[Event";
    EXPECT_TRUE(text.starts_with(first)) << text;
}

TEST(Pbn, BoardsFollowTheRotationOfSixteen) {
    const char* vulnerable[] = {"None", "NS",  "EW",   "All", "NS",  "EW",   "All", "None",
                                "EW",   "All", "None", "NS",  "All", "None", "NS",  "EW"};
    const char* dealers[] = {"N", "E", "S", "W"};
    for (int board = 1; board <= 32; ++board) {
        EXPECT_EQ(pbnDealer(board), dealers[(board - 1) % 4]) << board;
        EXPECT_EQ(pbnVulnerable(board), vulnerable[(board - 1) % 16]) << board;
    }
}

TEST(Pbn, WhatIsNoDealIsRefused) {
    for (const char* bad : {"", "N", "X:- - - -", "N:AKQ2.J4.T98.7653", "N:- - -", "N:- - - - -",
                            "N:AKQ2.J4.T98.765 - - -", "N:AKQ2.J4.T98.76543 - - -",
                            "N:AKQ2.J4.T98 - - -", "N:AKQ2.J4.T98.7653 AKQ2.J4.T98.7653 - -",
                            "N:AKQ2.J4.T98.765X - - -", "N:AKQ2.J4.T98.7653.2 - - -"}) {
        EXPECT_FALSE(readPbnDeal(bad).has_value()) << '"' << bad << '"';
    }
    EXPECT_TRUE(readPbnDeal("S:AKQ2.J4.T98.7653 - - -").has_value());
}

}  // namespace
