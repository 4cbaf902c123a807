#pragma once

// Every text of the window of probability tables, side by side.

namespace ondiscale::tables_texts {

inline constexpr const char* kTitle = "Tables de probabilités";
inline constexpr const char* kTabsName = "Tables";
inline constexpr const char* kExport = "E&xporter en CSV…";
inline constexpr const char* kExportTip =
    "Enregistrer la table de l'onglet affiché en tableau CSV, avec toutes ses décimales";
inline constexpr const char* kExportCaption = "Exporter la table en CSV";
inline constexpr const char* kCsvFilter = "Tableaux CSV (*.csv)";
// "La table n'a pas été enregistrée dans « chemin » : raison."
inline constexpr const char* kNotSaved = "La table n'a pas été enregistrée dans « %1 » : %2.";
inline constexpr const char* kPercent = " %";
// What a screen reader hears of a cell: "Répartition : 3-2"; the entries
// of a table's menu, which sort it from the keyboard.
inline constexpr const char* kCellSaid = "%1 : %2";
inline constexpr const char* kSortBy = "Trier par « %1 »";
// A note heard after what it is about: "Fit du camp : Au moins 8 cartes…".
inline constexpr const char* kNoteSaid = "%1 : %2";
// The window's own help, on its "Aide" button and F1.
inline constexpr const char* kHelp = "Aide";
inline constexpr const char* kHelpTip = "Ce que montrent les tables (F1)";
inline constexpr const char* kHelpTitle = "Aide — Tables de probabilités";
inline constexpr const char* kHelpText =
    "Chaque onglet est une table de probabilités exactes, calculées par combinatoire, sans "
    "tirage : les répartitions des cartes adverses (a priori, ou selon les places vacantes "
    "d'Ouest et d'Est quand des couleurs sont déjà connues), les distributions d'une main, "
    "les points d'honneur d'une main ou d'un camp, la couleur la plus longue et la plus "
    "courte, le fit avec le partenaire.\r\n"
    "Cliquez sur un titre de colonne pour trier la table (encore pour l'autre sens) ; au "
    "clavier, Ctrl et le numéro de la colonne, ou le menu de la table (Maj+F10). Choisissez "
    "une ligne des répartitions pour son graphique.\r\n"
    "« Exporter en CSV… » écrit la table de l'onglet affiché, avec toutes ses décimales, pour "
    "un tableur.";
// The splits of the opponents' missing cards.
inline constexpr const char* kSplitsTab = "&Répartitions adverses";
inline constexpr const char* kSplitsFile = "repartitions-adverses.csv";
inline constexpr const char* kSplitsName = "Table des répartitions adverses";
inline constexpr const char* kMissing = "Manque";
inline constexpr const char* kSplit = "Répartition";
inline constexpr const char* kProbability = "Probabilité";
inline constexpr const char* kLayouts = "Combinaisons";
inline constexpr const char* kPerLayout = "% par\ncombinaison";
inline constexpr const char* kPerLayoutCsv = "Probabilité par combinaison";
// One way of an uneven split when the opponents' places differ.
inline constexpr const char* kWay = "Ouest %1 – Est %2";
// The same under its bar, the chart saying "Ouest – Est" below.
inline constexpr const char* kWayBrief = "%1–%2";
inline constexpr const char* kWaysAxis = "Ouest – Est";
inline constexpr const char* kPlaces = "Places vacantes";
inline constexpr const char* kWestPlaces = "&Ouest :";
inline constexpr const char* kEastPlaces = "&Est :";
inline constexpr const char* kWestPlacesName = "Places vacantes d'Ouest";
inline constexpr const char* kEastPlacesName = "Places vacantes d'Est";
inline constexpr const char* kPlacesTip =
    "13 moins les cartes que ce joueur a déjà montrées dans les autres couleurs";
inline constexpr const char* kAPriori = "Table a priori : rien n'est connu des mains adverses.";
inline constexpr const char* kAPosteriori = "Table a posteriori : Ouest a %1, Est %2.";
inline constexpr const char* kOnePlace = "1 place vacante";
inline constexpr const char* kManyPlaces = "%1 places vacantes";
inline constexpr const char* kChartMissing = "&Graphique pour un manque de :";
inline constexpr const char* kChartMissingName = "Nombre de cartes manquantes du graphique";
inline constexpr const char* kSplitsChart = "Répartitions de %1 cartes manquantes";
inline constexpr const char* kSplitsChartOne = "Répartitions d'une carte manquante";
inline constexpr const char* kSplitsChartName = "Graphique des répartitions";

// The patterns of a hand.
inline constexpr const char* kPatternsTab = "&Distributions";
inline constexpr const char* kPatternsFile = "distributions.csv";
inline constexpr const char* kPatternsName = "Table des distributions";
inline constexpr const char* kPattern = "Distribution";
inline constexpr const char* kCumulative = "Probabilité\ncumulée";
inline constexpr const char* kHands = "Mains";
inline constexpr const char* kGroup = "Groupe";
inline constexpr const char* kBalanced = "régulière";
inline constexpr const char* kSemiBalanced = "semi-régulière";
inline constexpr const char* kUnbalanced = "irrégulière";
// "Régulières : 4333, 4432, 5332 ; semi-régulières : 5422, 6322 ; les autres sont irrégulières."
inline constexpr const char* kGroups =
    "Régulières : %1 ; semi-régulières : %2 ; les autres sont irrégulières.";
inline constexpr const char* kPatternsChart = "Distributions d'une main";
inline constexpr const char* kPatternsChartName = "Graphique des distributions";

// High-card points.
inline constexpr const char* kPointsTab = "&Points d'honneur";
inline constexpr const char* kPointsFile = "points-d-honneur.csv";
inline constexpr const char* kHandPointsFile = "points-d-une-main.csv";
inline constexpr const char* kSidePointsFile = "points-d-un-camp.csv";
inline constexpr const char* kPointsName = "Table des points d'honneur";
inline constexpr const char* kHolder = "Points de";
inline constexpr const char* kOneHand = "&une main (13 cartes)";
inline constexpr const char* kPartnership = "un c&amp de deux mains (26 cartes)";
inline constexpr const char* kPoints = "Points";
inline constexpr const char* kAtLeast = "Au moins";
inline constexpr const char* kSideHands = "Jeux du camp";
inline constexpr const char* kBandFrom = "D&e";
inline constexpr const char* kBandTo = "à";
inline constexpr const char* kBandPoints = "points :";
inline constexpr const char* kBandFromName = "Tranche de points, minimum";
inline constexpr const char* kBandToName = "Tranche de points, maximum";
// "13,98 % des mains" / "... des jeux du camp"
inline constexpr const char* kBandHands = "%1 des mains";
inline constexpr const char* kBandSides = "%1 des jeux du camp";
inline constexpr const char* kBandEmpty = "aucune main : le minimum dépasse le maximum";
inline constexpr const char* kBandName = "Tranche de points";
inline constexpr const char* kHandChart = "Points d'honneur d'une main";
inline constexpr const char* kSideChart = "Points d'honneur d'un camp";
inline constexpr const char* kPointsChartName = "Graphique des points d'honneur";

// The longest and the shortest suit.
inline constexpr const char* kLongestTab = "Couleur la plus &longue";
inline constexpr const char* kLongestFile = "couleur-la-plus-longue.csv";
inline constexpr const char* kLongestName = "Table de la couleur la plus longue";
inline constexpr const char* kLongestChart = "Longueur de la couleur la plus longue";
inline constexpr const char* kLongestChartName = "Graphique de la couleur la plus longue";
inline constexpr const char* kShortestTab = "Couleur la plus &courte";
inline constexpr const char* kShortestFile = "couleur-la-plus-courte.csv";
inline constexpr const char* kShortestName = "Table de la couleur la plus courte";
inline constexpr const char* kShortestChart = "Longueur de la couleur la plus courte";
inline constexpr const char* kShortestChartName = "Graphique de la couleur la plus courte";
inline constexpr const char* kLength = "Cartes";

// Partner's cards in a suit.
inline constexpr const char* kFitTab = "&Fit";
inline constexpr const char* kFitFile = "fit.csv";
inline constexpr const char* kFitName = "Table des cartes du partenaire";
inline constexpr const char* kHeld = "Cartes en &main dans la couleur :";
inline constexpr const char* kHeldName = "Cartes en main dans la couleur";
inline constexpr const char* kPartner = "Cartes du\npartenaire";
inline constexpr const char* kPartnerCsv = "Cartes du partenaire";
inline constexpr const char* kTogether = "Ensemble";
inline constexpr const char* kGoal = "Au moins %1 cartes ensemble : %2";
inline constexpr const char* kGoalsName = "Fit du camp";
inline constexpr const char* kFitChart = "Cartes du partenaire avec %1 en main";
inline constexpr const char* kFitChartName = "Graphique des cartes du partenaire";

}  // namespace ondiscale::tables_texts
