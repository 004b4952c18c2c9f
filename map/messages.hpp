// The texts of the map tool. The tool talks French; its texts keep the plain-ASCII spelling
// its users know, except the one accented byte of the input-file message.
#pragma once

namespace ped {

inline constexpr const char* kMapErrorHeader = "GROS BUG dans %s \n";

inline constexpr const char* kMapGreeting =
    "Bonjour,\nKORVEL vous remercie d'utiliser son programme\n";
inline constexpr const char* kAskInput = "\nQuel est le nom du fichier input?\n";
inline constexpr const char* kAskReference = "\nQuelle est la ligne de reference\n";
inline constexpr const char* kAskRepetitions =
    "\nCombien de fois repete-t-on les reflections sur la ligne de reference\n";
inline constexpr const char* kAskOutput = "\nQuel est le nom du fichier output?\n";
inline constexpr const char* kAngleLine = "L'angle %d est : %lf\n";
inline constexpr const char* kExtentLine = "max vaut : %lf\n";
inline constexpr const char* kFinished = "Le programme a termine correctement\n";

// Messages passed to `error`.
inline constexpr const char* kBadInputName =
    "error: nom de fichier erron\xE9"
    "e\nN'oublier pas l'extension\n";
inline constexpr const char* kWriteFailed =
    "error: \nimpossible d'ecrire dans le fichier\nVerifier qu'il n'est pas deja ouvert\n";
inline constexpr const char* kCannotReopen = "peut pas ouvrir le fichier";
inline constexpr const char* kInputEnded =
    "error: l'entree est terminee alors qu'une reponse etait attendue";

}  // namespace ped
