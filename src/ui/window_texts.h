#pragma once

// Every text of the windows, side by side.

#include <array>

namespace ondiscale::texts {

inline constexpr const char* kApplicationTitle = "ondiscale";

// The command line: the answers to --help and --version, and what is said
// before ending when no screen can show the window.
inline constexpr const char* kUsage = "Utilisation : ondiscale [options]";
inline constexpr const char* kCommandDescription =
    "Fréquence d'une main de bridge, par tirages au hasard. Sans option, le programme ouvre sa "
    "fenêtre.";
inline constexpr const char* kOptionsHeading = "Options :";
inline constexpr const char* kHelpOption = "Afficher cette aide.";
inline constexpr const char* kVersionOption = "Afficher la version du programme.";
inline constexpr const char* kNotWritten =
    "ondiscale : la réponse n'a pas pu être écrite sur la sortie standard.";
// "ondiscale ne peut pas … : raison, raison."
inline constexpr const char* kNoScreen =
    "ondiscale ne peut pas ouvrir sa fenêtre, faute d'écran graphique : %1.";
inline constexpr const char* kNoDisplaySet = "ni DISPLAY ni WAYLAND_DISPLAY n'est défini";
inline constexpr const char* kNoX11Display = "DISPLAY n'est pas défini";
inline constexpr const char* kX11Silent = "l'affichage X11 « %1 » ne répond pas";
inline constexpr const char* kWaylandSilent = "le serveur Wayland « %1 » ne répond pas";
inline constexpr const char* kX11Refuses =
    "l'affichage X11 « %1 » refuse la connexion, faute d'autorisation (XAUTHORITY)";
inline constexpr const char* kNoSuchPlatform =
    "la plateforme graphique « %1 » n'est pas installée (plateformes disponibles : %2)";

// Main window.
inline constexpr const char* kMainCaption = "QUADRIVELLE: fréquence d'une main précisée";
inline constexpr const char* kCommand2 = "Fréquence pour 100.000 tirages";
inline constexpr const char* kCommand1 = "QUITTER";
inline constexpr const char* kLabel6 = " <= points Honneur <=";
inline constexpr const char* kLabel7 = "Patience, je tire beaucoup de donnes ....";
inline constexpr const char* kMnuAbout = "A &propos";
inline constexpr const char* kMnuInfo = "&Information";
inline constexpr const char* kMnuHelp = "&Aide";
inline constexpr const char* kMnuFreqDistri = "&Fréquences des distributions ";
inline constexpr const char* kMnuJournal = "&Journal";
// The entries of "Fréquences des distributions ", one for each survey in
// its order, with their object names.
struct SurveyEntry {
    const char* name;
    const char* caption;
};
inline constexpr std::array<SurveyEntry, 3> kSurveyEntries{{
    {"mnuDistri1", "4432, 5332, 5431, 5422, 4333, 6322"},
    {"mnuDistri2", "6331, 5521, 4441, 7321, 6430, 5440"},
    {"mnuDistri3", "6511, 6520, 7222, 7411, 7420, 7330 "},  // ends with a space
}};
inline constexpr const char* kMnuDonne = "&Donne";
inline constexpr const char* kMnuTables = "&Tables";

// The window of the whole table.
inline constexpr const char* kDonneTitle = "Fréquence d'une donne précisée";
// Beside "—" while the exact value is counted on another thread.
inline constexpr const char* kCountingAside = "la probabilité exacte est en cours de calcul";
inline constexpr const char* kCmdDonne = "&Fréquence pour 100 000 donnes";
inline constexpr const char* kPoints = "points";
inline constexpr const char* kMin = "min";
inline constexpr const char* kMax = "max";
// Its own help, on its "Aide" button and F1.
inline constexpr const char* kDonneHelp = "Aide";
inline constexpr const char* kDonneHelpMark = "?";
inline constexpr const char* kDonneHelpTip = "Comment préciser une donne et l'analyser (F1)";
inline constexpr const char* kDonneHelpTitle = "Aide — Fréquence d'une donne précisée";
inline constexpr const char* kDonneHelpText =
    "« Ce que l'on sait » dit quelles donnes comptent ; « Ce que l'on cherche », ce que l'on "
    "veut savoir parmi elles : par exemple, Sud ayant ouvert de 1SA, combien de fois Nord-Sud "
    "ont-ils 25 points ou plus ? Pour chaque main (Nord, Est, Sud, Ouest) et chaque camp "
    "(Nord-Sud, Est-Ouest), un minimum et un maximum de cartes de chaque couleur et de points "
    "d'honneur ; pour une main, une forme (« régulière », « 4432, 5332 ») et des cartes connues "
    "(« ♠ A R 5 2 ♥ D 7 ») ; jusqu'à quatre cas joints par « ou ».\r\n"
    "« Fréquence pour 100 000 donnes » tire des donnes entières au hasard et compte celles qui "
    "conviennent, par tranches de 100 000 tant que vous répondez Oui ; le journal garde chaque "
    "tranche, avec la probabilité exacte quand la combinatoire la donne.\r\n"
    "« Analyse à quatre jeux » passe ensuite les donnes trouvées au solveur double mort : les "
    "levées de chaque déclarant dans chaque dénomination, les contrats demandés et le par de "
    "Nord-Sud, dans le journal.\r\n"
    "Contrats : un niveau de 1 à 7, une dénomination (SA, ♠ ou P, ♥ ou C, ♦ ou K, ♣ ou T) et un "
    "déclarant (Nord, Est, Sud, Ouest, ou N, E, S, O), séparés par des virgules : « 3SA Sud, 4♠ "
    "Nord ».";
// What is known and what is asked, each up to four alternatives ("cas"),
// with a hand's shape and cards beside its ranges; the question as it
// reads, under them.
inline constexpr const char* kPartKnown = "Ce que l'on &sait";
inline constexpr const char* kPartAsked = "Ce que l'on &cherche";
inline constexpr const char* kAddAlternative = "Ajouter un cas « &ou »";
inline constexpr const char* kRemoveAlternative = "&Retirer ce cas";
inline constexpr const char* kFirstAlternative = "Cas %1";
inline constexpr const char* kOrAlternative = "ou cas %1";
inline constexpr const char* kShapeHeading = "forme";
inline constexpr const char* kCardsHeading = "cartes";
inline constexpr const char* kShapeExample = "régulière";
inline constexpr const char* kCardsExample = "♠AR52 ♥D7";
inline constexpr const char* kPartsName = "Ce que l'on sait et ce que l'on cherche";
inline constexpr const char* kKnownCasesName = "Cas de ce que l'on sait";
inline constexpr const char* kAskedCasesName = "Cas de ce que l'on cherche";
inline constexpr const char* kQuestionName = "Question posée";

// The analysis at double dummy of the deals a run kept.
inline constexpr const char* kCmdAnalyse = "&Analyse à quatre jeux";
inline constexpr const char* kCmdAnalyseAnnuler = "A&nnuler";
inline constexpr const char* kAnalyseDonnes = "Donnes à analyser :";
inline constexpr const char* kAnalyseContrats = "Contrats :";
inline constexpr const char* kAnalyseContratsExample = "3SA Sud, 4♠ Nord";
inline constexpr const char* kAnalyseContratsHelp =
    "Un niveau, une dénomination (SA, ♠ ou P, ♥ ou C, ♦ ou K, ♣ ou T) et un déclarant (Nord, "
    "Est, Sud, Ouest, ou N, E, S, O), séparés par des virgules.";
inline constexpr const char* kAnalyseProgressName = "Progression de l'analyse";
// On the bar: "240 sur 1000 donnes — encore environ 35 s".
inline constexpr const char* kAnalyseCount = "%1 sur %2 donnes";
inline constexpr const char* kAnalyseLeft = "%1 — encore environ %2";
inline constexpr const char* kSeconds = "%1 s";
inline constexpr const char* kMinutes = "%1 min %2 s";
inline constexpr const char* kNothingToAnalyse =
    "Aucune donne à analyser : lancez d'abord « Fréquence pour 100 000 donnes » ; l'analyse "
    "porte sur les donnes précisées qu'elle a trouvées.";

// What a screen reader says of the controls that show no text of their own:
// the bound boxes ("Pique minimum", "Points Honneur maximum": the suit's
// name or kPointsName, then one of these), the progress bar and the rows
// of the menu bar.
inline constexpr const char* kMinimumName = " minimum";
inline constexpr const char* kMaximumName = " maximum";
inline constexpr const char* kPointsName = "Points Honneur";
inline constexpr const char* kProgressName = "Progression du tirage";
inline constexpr const char* kMenuBarName = "Barre de menus";
inline constexpr const char* kMenuBarMoreName = "Barre de menus (suite)";

// Help.
inline constexpr const char* kHelp1 =
    "Choisissez les fourchettes du nombre de cartes par couleur et du nombre de points "
    "Honneur; pour exactement 6 cartes à P par exemple, mettez 6<= P <=6...même chose pour les "
    "points Honneur.";
inline constexpr const char* kHelp2 =
    "Le bouton 'Fréquence pour 100.000 tirages' vous donnera la fréquence de votre choix pour "
    "100.000 tirages de donnes au hasard, ou plus si vous le désirez (par tranche de 100.000 "
    "tirages supplémentaires).";
inline constexpr const char* kHelpTitle = "QUADRIVELLE. Aide pour les choix de mains précisées";

// Information.
inline constexpr const char* kInfo1 =
    "Ce produit effectue des tirages au hasard de donnes de bridge; pour une main précisée par "
    "un choix de contraintes sur le nombre de cartes par couleur et le nombre total de points "
    "d'honneur (dans des fourchettes larges ou strictes: par exemple de 4 à 6 piques (4<= P <=6) "
    "ou avec exactement 5 trèfles (5<= T <=5)..), on obtient la fréquence de ce type de main au "
    "bout de 100.000 tirages (ou plus si l'on veut raffiner le résultat).";
inline constexpr const char* kInfo2 =
    "Le menu 'Fréquences des distributions' fournit (par tranches de 10000 donnes que l'on peut "
    "multiplier tant que l'on veut),les fréquences des distributions classiques 4432, 5332, "
    "...( en 3 groupes par ordre décroissant quant à leurs fréquences), et vous laisse le choix "
    "d'en choisir une quelconque qui vous intéresse particulièrement.";
inline constexpr const char* kInfo3 =
    "Si vous voulez, non pas la fréquence d'une main 4432, mais celle d'exactement 4C-4P-32, il "
    "faudra utiliser les paramètres de choix spécifique: 4<= P <=4, 4<= C <=4, 0<= K <=3, 0<= T "
    "<=3.";
inline constexpr const char* kInfoTitle = "QUADRIVELLE. Fréquence d'une main précisée";

// About box.
inline constexpr const char* kAboutCaption = "À propos";
inline constexpr const char* kAboutApplication = "LOGICIEL QUADRIVELLE";
inline constexpr const char* kAboutHeading = "Fréquence de mains de bridge de type précisé.";
inline constexpr const char* kAboutCopyright = "2026 Les auteurs d'ondiscale";
inline constexpr const char* kCopyrightPrefix = "Copyright © ";
inline constexpr const char* kPlaceholderApplication = "- Application -";
inline constexpr const char* kPlaceholderHeading = "- Heading -";
inline constexpr const char* kPlaceholderCopyright = "- Copyright -";

// Buttons of the message and input boxes, whatever the system language,
// with their access keys.
inline constexpr const char* kOk = "OK";
inline constexpr const char* kYes = "&Oui";
inline constexpr const char* kNo = "&Non";
inline constexpr const char* kCancel = "&Annuler";

}  // namespace ondiscale::texts
