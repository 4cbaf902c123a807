#include "doubledummy/dds_conversions.h"

#include <array>

namespace ondiscale::dds {

ddTableDeal tableDeal(const Deal& deal) {
    ddTableDeal out{};
    for (const Seat seat : kSeats) {
        for (const Card card : deal[index(seat)]) {
            out.cards[index(seat)][index(suitOf(card))] |= 1U << rankOf(card);
        }
    }
    return out;
}

TrickTable trickTable(const ddTableResults& results) {
    TrickTable table;
    for (const Strain strain : kStrains) {
        for (const Seat seat : kSeats) {
            table.tricks[index(strain)][index(seat)] =
                static_cast<std::uint8_t>(results.resTable[strainIndex(strain)][index(seat)]);
        }
    }
    return table;
}

ddTableResults tableResults(const TrickTable& table) {
    ddTableResults results{};
    for (const Strain strain : kStrains) {
        for (const Seat seat : kSeats) {
            results.resTable[strainIndex(strain)][index(seat)] = table.of(strain, seat);
        }
    }
    return results;
}

std::string errorText(int code) {
    struct Known {
        int code;
        const char* what;
    };
    // The errors the calls this library makes can return, in French; any
    // other keeps libdds's own English words.
    constexpr std::array<Known, 12> kKnown{{
        {RETURN_UNKNOWN_FAULT, "erreur générale"},
        {RETURN_ZERO_CARDS, "une donne sans cartes"},
        {RETURN_DUPLICATE_CARDS, "une carte figure deux fois dans une donne"},
        {RETURN_TOO_MANY_CARDS, "trop de cartes dans une donne"},
        {RETURN_CARD_COUNT, "une main n'a pas le bon nombre de cartes"},
        {RETURN_PBN_FAULT, "une donne PBN illisible"},
        {RETURN_TOO_MANY_BOARDS, "trop de donnes demandées d'un coup"},
        {RETURN_THREAD_CREATE, "ses fils d'exécution n'ont pas pu être lancés"},
        {RETURN_THREAD_WAIT, "l'attente de ses fils d'exécution a échoué"},
        {RETURN_THREAD_MISSING, "le mode de fils d'exécution demandé manque à la bibliothèque"},
        {RETURN_NO_SUIT, "aucune dénomination demandée"},
        {RETURN_TOO_MANY_TABLES, "trop de tables demandées d'un coup"},
    }};
    std::string what;
    for (const Known& known : kKnown) {
        if (known.code == code) {
            what = known.what;
        }
    }
    if (what.empty()) {
        std::array<char, 80> line{};
        ErrorMessage(code, line.data());
        line.back() = '\0';
        what = line.data();
    }
    return "Le solveur double mort a échoué : " + what + " (code " + std::to_string(code) + ").";
}

}  // namespace ondiscale::dds
