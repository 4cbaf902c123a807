// The help and information messages, whole, as the user reads them.
#include <gtest/gtest.h>

#include <QAction>

#include "scripted_dialogue.h"
#include "ui/main_window.h"

using namespace ondiscale;

namespace {

TEST(MainWindow, HelpAndInformationMessagesWhole) {
    struct Row {
        const char* entry;
        const char* title;
        const char* text;
    };
    const Row rows[] = {
        {"mnuHelpmaintype", "QUADRIVELLE. Aide pour les choix de mains précisées",
         "Choisissez les fourchettes du nombre de cartes par couleur et du nombre de points "
         "Honneur; pour exactement 6 cartes à P par exemple, mettez 6<= P <=6...même chose "
         "pour les points Honneur."
         "\r\n"
         "Le bouton 'Fréquence pour 100.000 tirages' vous donnera la fréquence de votre "
         "choix pour 100.000 tirages de donnes au hasard, ou plus si vous le désirez (par "
         "tranche de 100.000 tirages supplémentaires)."},
        {"mnuInfo", "QUADRIVELLE. Fréquence d'une main précisée",
         "Ce produit effectue des tirages au hasard de donnes de bridge; pour une main "
         "précisée par un choix de contraintes sur le nombre de cartes par couleur et le "
         "nombre total de points d'honneur (dans des fourchettes larges ou strictes: par "
         "exemple de 4 à 6 piques (4<= P <=6) ou avec exactement 5 trèfles (5<= T <=5)..), "
         "on obtient la fréquence de ce type de main au bout de 100.000 tirages (ou plus si "
         "l'on veut raffiner le résultat)."
         "\r\n"
         "Le menu 'Fréquences des distributions' fournit (par tranches de 10000 donnes que "
         "l'on peut multiplier tant que l'on veut),les fréquences des distributions "
         "classiques 4432, 5332, ...( en 3 groupes par ordre décroissant quant à leurs "
         "fréquences), et vous laisse le choix d'en choisir une quelconque qui vous "
         "intéresse particulièrement."
         "\r\n"
         "Si vous voulez, non pas la fréquence d'une main 4432, mais celle d'exactement "
         "4C-4P-32, il faudra utiliser les paramètres de choix spécifique: 4<= P <=4, 4<= C "
         "<=4, 0<= K <=3, 0<= T <=3."},
    };
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    for (const auto& row : rows) {
        dialogue.calls.clear();
        window.findChild<QAction*>(QString::fromLatin1(row.entry))->trigger();
        ASSERT_EQ(dialogue.calls.size(), 1U) << row.entry;
        EXPECT_EQ(dialogue.calls[0].prompt, row.text) << row.entry;
        EXPECT_EQ(dialogue.calls[0].title, row.title) << row.entry;
        EXPECT_EQ(dialogue.calls[0].buttons, Buttons::Ok) << row.entry;
    }
}

}  // namespace
