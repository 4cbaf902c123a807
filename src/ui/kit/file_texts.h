#pragma once

// Why a file could not be written, said once for every window: the first
// part from what stands at the path, then the system's own reason, in
// French whatever the system's language.

namespace ondiscale::file_texts {

inline constexpr const char* kNoFolder = "le dossier « %1 » n'existe pas";
inline constexpr const char* kNotAFolder = "« %1 » n'est pas un dossier";
inline constexpr const char* kIsAFolder = "c'est un dossier";
inline constexpr const char* kFolderLocked =
    "vous n'avez pas le droit d'écrire dans le dossier « %1 »";
inline constexpr const char* kFileLocked = "le fichier est protégé en écriture";
inline constexpr const char* kWriteFailed = "l'écriture a échoué, le disque est peut-être plein";
inline constexpr const char* kCannotCreate = "le fichier ne peut pas être créé";
inline constexpr const char* kSystemSays = " (le système dit : %1)";

// The system's reasons, by error number.
inline constexpr const char* kNoSpace = "il n'y a plus de place sur le disque";
inline constexpr const char* kQuota = "votre quota d'espace disque est atteint";
inline constexpr const char* kDenied = "accès refusé";
inline constexpr const char* kReadOnly = "le disque n'accepte que la lecture";
inline constexpr const char* kInputOutput = "erreur d'entrée-sortie sur le disque";
inline constexpr const char* kNoSuchFile = "le fichier ou le dossier n'existe pas";
inline constexpr const char* kNotADirectory = "un élément du chemin n'est pas un dossier";
inline constexpr const char* kIsADirectory = "c'est un dossier";
inline constexpr const char* kNameTooLong = "le nom est trop long";
inline constexpr const char* kTooLarge = "le fichier dépasse la taille permise";
inline constexpr const char* kTooManyOpen = "trop de fichiers sont ouverts";
inline constexpr const char* kTooManyLinks = "trop de liens symboliques à suivre";
inline constexpr const char* kBusy = "le fichier est occupé";
inline constexpr const char* kNoMemory = "la mémoire manque";
inline constexpr const char* kOtherError = "erreur système n° %1";

}  // namespace ondiscale::file_texts
