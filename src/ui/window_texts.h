#pragma once

// Every text of the windows, side by side.

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
inline constexpr const char* kCmdAnalyseAnnuler = "Annuler";
inline constexpr const char* kAnalyseDonnes = "Donnes à analyser :";
inline constexpr const char* kAnalyseContrats = "Contrats :";
inline constexpr const char* kAnalyseContratsExample = "3SA Sud, 4♠ Nord";
inline constexpr const char* kAnalyseProgressName = "Progression de l'analyse";
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
