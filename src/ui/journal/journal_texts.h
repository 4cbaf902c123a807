#pragma once

// Every text of the journal's window, side by side.

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
inline constexpr const char* kHits = "Réussites";
inline constexpr const char* kEstimate = "Estimation";
// Column headings on two lines, so that the table stays narrow.
inline constexpr const char* kInterval = "Intervalle\nà 95 %";
inline constexpr const char* kExactColumn = "Probabilité\nexacte";
inline constexpr const char* kGap = "Écart\nen σ";
inline constexpr const char* kExact = "Probabilité exacte";
inline constexpr const char* kBand = "Bande à 95 %";
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
    "Aucun tirage pour l'instant : lancez une fréquence ou une distribution.";
inline constexpr const char* kRunsName = "Tirages de la séance";
inline constexpr const char* kFiguresName = "Chiffres du tirage choisi";
inline constexpr const char* kChartName = "Estimation après chaque tranche";
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
