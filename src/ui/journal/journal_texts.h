#pragma once

// Every text of the journal's window, side by side.

#include <array>

namespace ondiscale::journal_window_texts {

inline constexpr const char* kTitle = "Journal des tirages";
// The buttons' texts with their access keys.
inline constexpr const char* kSave = "&Enregistrer sous…";
inline constexpr const char* kSaveTip = "Enregistrer le journal en tableau CSV (Ctrl+Maj+S)";
inline constexpr const char* kSessions = "Séances &précédentes…";
inline constexpr const char* kSessionsTitle = "Séances précédentes";
inline constexpr const char* kSessionsSaid =
    "Les journaux des dernières séances, enregistrés quand le programme s'est terminé :";
inline constexpr const char* kNoSession = "Aucune séance précédente n'a été enregistrée.";
inline constexpr const char* kOpenSession = "&Ouvrir";
inline constexpr const char* kOpening = "Ouverture : %1…";
inline constexpr const char* kCancelOpening = "Annuler";
inline constexpr const char* kCloseSessions = "&Fermer";
// A reopened session's window: "Journal — Séance du 8 décembre 2026 à 14 h 05".
inline constexpr const char* kReopenedTitle = "Journal — %1";
// Column headings on two lines, so that the table stays narrow, each with
// what it means in a tooltip.
// The chosen run's answer, at the top, a sentence for the row chosen in its
// figures:
// "3SA par Sud gagne dans 77 % des donnes (68 à 84 %), sur 100 donnes
// analysées." then, where it is known, " ; probabilité exacte : 2,582 %".
inline constexpr const char* kAnswer = "%1 dans %2 des donnes (%3 à %4), %5";
inline constexpr const char* kAnswerDeals = "sur %1 donnes";
inline constexpr const char* kAnswerAnalysed = "sur %1 donnes analysées";
inline constexpr const char* kAnswerExact = " ; probabilité exacte : %1";
inline constexpr const char* kAnswerNoHand = " ; %1";
inline constexpr const char* kAnswerEnd = ".";
inline constexpr const char* kAnswerWaiting = "%1 : en attente de la première tranche.";
inline constexpr const char* kFrequencySubject = "Sud reçoit « %1 »";
inline constexpr const char* kSurveySubject = "Sud reçoit une main %1";
inline constexpr const char* kTableSubject = "La donne « %1 » sort";
inline constexpr const char* kContractSubject = "%1 par %2 gagne";
inline constexpr const char* kParSubject = "Le par est « %1 »";
inline constexpr const char* kAnswerName = "Réponse du tirage choisi";
// An analysis's rows: "3SA par Sud", "Par : 4♠ par Nord ou Sud, +420".
inline constexpr const char* kContractRow = "%1 par %2";
inline constexpr const char* kParRow = "Par : %1";
// The analysis's grid of strains and declarers.
inline constexpr const char* kGridTitle = "Levées en moyenne · manche gagnée";
inline constexpr const char* kGridName = "Levées et manches par dénomination et déclarant";
inline constexpr const char* kGridTip =
    "Dans chaque case, pour ce déclarant dans cette dénomination, à quatre jeux : les levées "
    "qu'il fait en moyenne, puis la part des donnes où il gagne la manche (9 levées à SA, 10 en "
    "majeure, 11 en mineure).";
inline constexpr const char* kGridCell = "%1 · %2";
inline constexpr const char* kGridSpoken =
    "%1 par %2 : %3 levées en moyenne, manche gagnée dans %4 des donnes";
// How the par is counted, under an analysis's figures.
inline constexpr const char* kParNote =
    "Par compté avec Nord donneur, personne vulnérable ; en PBN, chaque donne a le donneur et "
    "la vulnérabilité de son numéro, et son par, écrit à côté d'elle.";
// The window's own help, on its "Aide" button and F1.
inline constexpr const char* kHelp = "Aide";
inline constexpr const char* kHelpTip = "Ce que montre le journal (F1)";
inline constexpr const char* kHelpTitle = "Aide — Journal des tirages";
inline constexpr const char* kHelpText =
    "Le journal garde chaque tirage de la séance. Choisissez un tirage dans la liste : sa réponse "
    "s'écrit en haut, ses chiffres au-dessous ; choisissez une ligne des chiffres pour voir son "
    "graphique. Survolez un titre de colonne pour savoir ce qu'il veut dire.\r\n"
    "L'estimation est la part des donnes tirées qui conviennent ; l'intervalle de confiance à "
    "95 % contient la vraie probabilité 95 fois sur 100 ; la probabilité exacte est calculée "
    "sans tirage ; l'écart (en écarts-types) reste entre -2 et 2 quand le tirage est d'accord "
    "avec le calcul.\r\n"
    "« Enregistrer sous… » écrit tout le journal en tableau CSV ; « Exporter en PBN… » et "
    "« Copier en PBN » donnent les donnes du tirage choisi à d'autres programmes de bridge.";
inline constexpr const char* kHits = "Donnes qui\nconviennent";
inline constexpr const char* kHitsTip =
    "Le nombre de donnes tirées qui remplissent la condition (pour un contrat : où il gagne).";
inline constexpr const char* kEstimate = "Estimation";
inline constexpr const char* kEstimateTip =
    "La part des donnes tirées qui conviennent : la probabilité telle que le tirage l'estime.";
inline constexpr const char* kInterval = "Intervalle de\nconfiance à 95 %";
inline constexpr const char* kIntervalTip =
    "Intervalle de confiance à 95 % : la vraie probabilité s'y trouve 95 fois sur 100. Il se "
    "resserre à mesure que les donnes s'ajoutent.";
inline constexpr const char* kExactColumn = "Probabilité\nexacte";
inline constexpr const char* kExactTip =
    "La probabilité calculée par combinatoire, sans tirage, quand le calcul est possible.";
inline constexpr const char* kGap = "Écart (en\nécarts-types)";
inline constexpr const char* kGapTip =
    "Écart (en écarts-types) entre l'estimation et la probabilité exacte : entre -2 et 2 dans 95 "
    "cas sur 100, le tirage est alors d'accord avec le calcul.";
inline constexpr const char* kExact = "Probabilité exacte";
inline constexpr const char* kBand = "Intervalle de confiance à 95 %";
inline constexpr const char* kDeals = "Donnes";
inline constexpr const char* kPercent = "%";
// What a screen reader hears of the chart: the figure, its last estimate
// and the deals, the 95 % interval, the exact probability.
inline constexpr const char* kChartDescription =
    "%1 : estimation %2 après %3 donnes, intervalle à 95 % %4, probabilité exacte %5.";
inline constexpr const char* kNoExactValue = "non calculée";
inline constexpr const char* kLastHits = "Les cinq dernières mains qui conviennent";
inline constexpr const char* kLastOfEachLine = "La dernière main de chaque ligne";
inline constexpr const char* kLastDeals = "Les cinq dernières donnes qui conviennent";
inline constexpr const char* kLessonBoards = "Les premières donnes de la série";
inline constexpr const char* kDealName = "Donne %1";
// Beside an analysed deal: its board's dealer and vulnerability, its par.
inline constexpr const char* kBoardDealer = "Donneur %1, %2";
inline constexpr std::array<const char*, 4> kVulnerability{
    "personne vulnérable", "Nord-Sud vulnérables", "Est-Ouest vulnérables", "tous vulnérables"};
inline constexpr const char* kBoardPar = "Par : %1, %2";
// Through the deals, as many at a time as the width holds.
inline constexpr const char* kPreviousDeal = "‹ Donne précédente";
inline constexpr const char* kNextDeal = "Donne suivante ›";
inline constexpr const char* kDealsPlace = "Donne %1 sur %2";
inline constexpr const char* kDealsPlaceMany = "Donnes %1 à %2 sur %3";
inline constexpr const char* kDealsName = "Exemples de donnes";
inline constexpr const char* kExportPbn = "E&xporter en PBN…";
inline constexpr const char* kExportPbnTip =
    "Enregistrer les donnes du tirage choisi en fichier PBN, pour d'autres programmes de bridge";
inline constexpr const char* kCopyPbn = "&Copier en PBN";
inline constexpr const char* kPbnCaption = "Exporter les donnes en PBN";
inline constexpr const char* kPbnFilter = "Fichiers PBN (*.pbn)";
inline constexpr const char* kPbnFileName = "donnes.pbn";
inline constexpr const char* kPbnNotSaved =
    "Les donnes n'ont pas été enregistrées dans « %1 » : %2.";
inline constexpr const char* kDistribution = "Distribution";
// Under the figures, for a figure that no hand can meet as typed.
inline constexpr const char* kFigureNote = "« %1 » : %2.";
inline constexpr const char* kNoHand = "Aucune main pour l'instant.";
inline constexpr const char* kEmpty =
    "Aucun tirage pour l'instant. Le journal se remplit de lui-même : dans la fenêtre "
    "principale, « Fréquence pour 100.000 tirages » et le menu « Fréquences des distributions » ; "
    "dans la fenêtre « Donne », « Fréquence pour 100 000 donnes » et « Analyse à quatre jeux ».";
inline constexpr const char* kRunsName = "Tirages de la séance";
inline constexpr const char* kFiguresName = "Chiffres du tirage choisi";
inline constexpr const char* kChartName = "Estimation après chaque tranche";
// Where the window is too short for both, the chart and the examples take turns.
inline constexpr const char* kViewsName = "Graphique ou exemples";
inline constexpr const char* kViewChart = "Graphique";
inline constexpr const char* kViewExamples = "Exemples";
// An analysis's bars: the tricks of a strain and declarer, or the par scores.
// Under an analysed deal: "Levées à quatre jeux — sans-atout : Nord 9, Est 4, …".
inline constexpr const char* kTricksSpoken = "Levées à quatre jeux — ";
inline constexpr const char* kNoTrumpSpoken = "Sans-atout";
inline constexpr const char* kBarsName = "Répartition sur les donnes analysées";
inline constexpr const char* kTricksAxis = "Levées";
inline constexpr const char* kParAxis = "Par de Nord-Sud, personne vulnérable";
// "SA par Sud : 8,74 levées en moyenne sur 1 000 donnes"
inline constexpr const char* kTricksTitle = "%1 par %2 : %3 levées en moyenne sur %4 donnes";
inline constexpr const char* kParTitle = "Par de Nord-Sud, personne vulnérable, sur %1 donnes";
inline constexpr const char* kFirstAnalysed =
    "Les cinq premières donnes analysées, avec leurs levées à quatre jeux";
inline constexpr const char* kHandsName = "Exemples de mains";
inline constexpr const char* kSaveCaption = "Enregistrer le journal";
inline constexpr const char* kCsvFilter = "Tableaux CSV (*.csv)";
inline constexpr const char* kFileName = "journal-des-tirages.csv";
// "Le journal n'a pas été enregistré dans « chemin » : raison."
inline constexpr const char* kNotSaved = "Le journal n'a pas été enregistré dans « %1 » : %2.";

// The past sessions, kept in the user's data folder.
inline constexpr const char* kSessionLabel = "Séance du %1";
inline constexpr const char* kSessionWhen = "%1 à %2 h %3";  // "8 décembre 2026 à 14 h 05"
inline constexpr const char* kFirstOfMonth = "1er";
inline constexpr const char* kOneRun = "%1 (1 tirage)";
inline constexpr const char* kRuns = "%1 (%2 tirages)";
inline constexpr const char* kNewerSession = "%1 (version plus récente du programme)";
inline constexpr const char* kSessionNotSaved =
    "La séance n'a pas été enregistrée dans « %1 » : %2.";
inline constexpr const char* kSessionNotSavedAnywhere =
    "La séance n'a pas été enregistrée : aucun dossier de données n'est connu pour cet "
    "utilisateur.";
// Said when the program ends and its session could not be saved.
inline constexpr const char* kSessionNotSavedTitle = "Séance non enregistrée";
inline constexpr const char* kKeepTheWork =
    "Pour ne pas perdre les tirages de cette séance, enregistrez-la ailleurs, ou revenez au "
    "programme.";
inline constexpr const char* kSaveElsewhere = "&Enregistrer ailleurs…";
inline constexpr const char* kBackToProgram = "&Revenir au programme";
inline constexpr const char* kQuitUnsaved = "&Quitter sans enregistrer";
inline constexpr const char* kSessionCaption = "Enregistrer la séance";
inline constexpr const char* kSessionFilter = "Séances d'ondiscale (*.journal)";
inline constexpr const char* kSessionFileName = "seance.journal";
inline constexpr const char* kCannotCreateFolder = "le dossier « %1 » ne peut pas être créé";
inline constexpr const char* kTooManyAtOnce =
    "trop de séances se sont terminées dans la même seconde";
inline constexpr const char* kSessionNotOpened = "La séance du %1 ne peut pas être rouverte : %2.";
inline constexpr const char* kFileGone = "son fichier n'existe plus";
inline constexpr const char* kFileUnreadable = "son fichier ne peut pas être lu";
inline constexpr const char* kNotAFile = "ce n'est pas un fichier ordinaire de son dossier";
inline constexpr const char* kFileTooLarge = "son fichier est trop grand pour être une séance";
inline constexpr const char* kFileNewer =
    "son fichier vient d'une version plus récente du programme ; il est laissé tel quel";
inline constexpr const char* kLeftAsItIs = " Son fichier est laissé tel quel.";
inline constexpr const char* kFileDamaged = "son fichier est endommagé (%1)";
inline constexpr const char* kSetAside =
    " Il a été mis de côté sous le nom « %1 » ; les autres séances restent disponibles.";
inline constexpr const char* kNotSetAside = " Son fichier « %1 » n'a pas pu être mis de côté%2.";
inline constexpr const char* kTooManySetAside = "trop de fichiers mis de côté portent déjà ce nom";

}  // namespace ondiscale::journal_window_texts
