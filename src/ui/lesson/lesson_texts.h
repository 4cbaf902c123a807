#pragma once

// Every text of the lesson's window and of its printed sheets, side by side.

namespace ondiscale::lesson_texts {

// The button of the four-hand window that opens the lesson's window.
inline constexpr const char* kOpenLesson = "Donnes pour une leçon…";
inline constexpr const char* kOpenLessonTip =
    "Une série de donnes numérotées qui remplissent la condition, à imprimer ou à exporter "
    "en PBN et en LIN";

inline constexpr const char* kTitle = "Donnes pour une leçon";
// "Condition : Sud : 15 ≤ points ≤ 17".
inline constexpr const char* kCondition = "Condition : %1";

// The plan of the set.
inline constexpr const char* kBoards = "Nombre de donnes :";
inline constexpr const char* kFirstBoard = "Première donne :";
inline constexpr const char* kRotation = "Donneur et vulnérabilité :";
inline constexpr const char* kByRotation = "rotation des 16 donnes";
inline constexpr const char* kFixed = "fixes";
inline constexpr const char* kDealer = "Donneur :";
inline constexpr const char* kVulnerability = "Vulnérabilité :";
// By Vulnerability: none, North-South, East-West, both.
inline constexpr const char* kVulnerabilities[] = {"Personne", "Nord-Sud", "Est-Ouest", "Tous"};
inline constexpr const char* kHand = "Main de la condition :";
inline constexpr const char* kPlace = "Placée :";
inline constexpr const char* kAsAsked = "comme dans la condition";
inline constexpr const char* kAtDealer = "au donneur";
// "en Nord", "en Est"…
inline constexpr const char* kAtSeat = "en %1";
inline constexpr const char* kDeal = "&Nouvelle série";

// Paging through the set.
inline constexpr const char* kPrevious = "◀ &Précédente";
inline constexpr const char* kNext = "&Suivante ▶";
inline constexpr const char* kRedeal = "&Redonner celle-ci";
// "Donne 5 — 2 sur 16".
inline constexpr const char* kPosition = "Donne %1 — %2 sur %3";
inline constexpr const char* kNoBoard = "Aucune donne pour l'instant.";
inline constexpr const char* kDiagramName = "Donne affichée";

// Double dummy, and the work in the background.
inline constexpr const char* kAnalyse = "&Double mort";
inline constexpr const char* kCancel = "&Annuler";
inline constexpr const char* kProgressName = "Progression";
inline constexpr const char* kDealing = "Recherche des donnes : %1 sur %2…";
inline constexpr const char* kSolving = "Double mort : %1 donnes sur %2…";
inline constexpr const char* kDealt = "%1 donnes qui remplissent la condition, sur %2 tirées.";
inline constexpr const char* kRedealt = "Donne %1 redonnée.";
inline constexpr const char* kSolved = "Double mort calculé pour les %1 donnes.";
inline constexpr const char* kStopped = "Arrêté : rien n'a changé.";
inline constexpr const char* kSolveStopped = "Arrêté : double mort calculé pour %1 donnes sur %2.";

// Printing and files.
inline constexpr const char* kSheets = "Feuilles :";
inline constexpr const char* kSheetsDiagrams = "diagrammes, 4 donnes par page";
inline constexpr const char* kSheetsSeats = "une feuille par joueur";
inline constexpr const char* kSheetsBoth = "diagrammes et feuilles des joueurs";
inline constexpr const char* kBlackAndWhite = "N&oir et blanc";
inline constexpr const char* kPrint = "&Imprimer…";
inline constexpr const char* kPdf = "Exporter en PD&F…";
inline constexpr const char* kPbn = "Exporter en P&BN…";
inline constexpr const char* kLin = "Exporter en &LIN…";
inline constexpr const char* kCopy = "&Copier en PBN";
inline constexpr const char* kPdfCaption = "Exporter les donnes en PDF";
inline constexpr const char* kPbnCaption = "Exporter les donnes en PBN";
inline constexpr const char* kLinCaption = "Exporter les donnes en LIN";
inline constexpr const char* kPdfFilter = "Fichiers PDF (*.pdf)";
inline constexpr const char* kPbnFilter = "Fichiers PBN (*.pbn)";
inline constexpr const char* kLinFilter = "Fichiers LIN (*.lin)";
inline constexpr const char* kFileName = "lecon";
// "Les 16 donnes (1 à 16) enregistrées dans « /home/…/lecon.pbn »."
inline constexpr const char* kSaved = "Les %1 donnes (%2 à %3) enregistrées dans « %4 ».";
inline constexpr const char* kSavedOne = "La donne %1 enregistrée dans « %2 ».";
inline constexpr const char* kCopied = "Les %1 donnes (%2 à %3) copiées en PBN.";
inline constexpr const char* kCopiedOne = "La donne %1 copiée en PBN.";
inline constexpr const char* kPrinted = "Les %1 donnes (%2 à %3) envoyées à l'impression.";
inline constexpr const char* kPrintedOne = "La donne %1 envoyée à l'impression.";
inline constexpr const char* kNotSaved = "Les donnes n'ont pas été enregistrées dans « %1 » : %2.";

// The printed sheets.
// "Donnes pour une leçon — Sud : 15 ≤ points ≤ 17".
inline constexpr const char* kSheetTitle = "Donnes pour une leçon — %1";
// "Feuille de Nord".
inline constexpr const char* kSeatSheetTitle = "Feuille de %1";
inline constexpr const char* kPage = "Page %1 sur %2";
inline constexpr const char* kBoardTitle = "Donne %1";
inline constexpr const char* kBoardDealer = "Donneur : %1";
inline constexpr const char* kBoardVulnerable = "Vulnérabilité : %1";
// Under a seat's hand on its own sheet: "12 points".
inline constexpr const char* kHandPoints = "%1 points";
inline constexpr const char* kTricks = "Levées à quatre jeux";
// "Par : +420 (NS 4♠)"; a deal passed out.
inline constexpr const char* kPar = "Par : %1 (%2)";
inline constexpr const char* kParPassed = "Par : 0 (passe générale)";
// What a screen reader hears of a hand: "Nord, 12 points — Pique : As, Roi…".
inline constexpr const char* kHandSpoken = "%1, %2 points — %3";
inline constexpr const char* kNoTrumpSpoken = "Sans-atout";

}  // namespace ondiscale::lesson_texts
