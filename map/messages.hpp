// The texts of the map tool. The tool talks French; its texts keep the plain-ASCII spelling
// its users know, except the one accented byte of the input-file message.
#pragma once

#include "common/language.hpp"

namespace ped::map {

// The tool speaks French.
inline const Language& kLanguage = french;

inline constexpr const char* kUsage =
    "Usage : tiltmap [options] [fichier-input [fichier-output]]\n"
    "\n"
    "Lit des rangees de reflexions, chacune donnee par deux angles de tilt (degres) et\n"
    "l'espacement de ses reflexions, calcule l'angle de chaque rangee avec une rangee de\n"
    "reference, place les rangees dans un plan et dessine leurs points.\n"
    "\n"
    "Positions :\n"
    "  1   fichier input, une rangee par ligne : tilt1 tilt2 espacement\n"
    "  2   nom du fichier output (pris seulement si la position 1 est donnee)\n"
    "La ligne de reference (1 pour la premiere rangee) et le nombre de reflexions repetees\n"
    "sur la ligne de reference (1 a 10000) sont toujours demandes a la console.\n"
    "\n"
    "Fichiers ecrits : <output> (les points : x, y et l'angle en degres), <output>.bmp (la\n"
    "carte 501 x 501 en texte, valeurs de gris \"%6.3lf\" separees par des tabulations) et\n"
    "<output>.png (la meme carte en image).\n"
    "Code de sortie : 0 en fin normale, 255 apres une erreur fatale.\n";

inline constexpr const char* kGreeting =
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
inline constexpr const char* kNoRow = "error: le fichier %s ne contient aucune ligne";
inline constexpr const char* kNoSuchReference =
    "error: la ligne de reference %d n'existe pas (le fichier %s a %zu lignes)";
inline constexpr const char* kRepetitionsOutOfRange =
    "error: le nombre de repetitions (%d) doit etre compris entre 1 et %d";
inline constexpr const char* kBadRow =
    "error: ligne %ld du fichier %s : il faut trois nombres (deux angles et une distance)";
inline constexpr const char* kLongRow = "error: ligne %ld du fichier %s : plus de %zu octets";

}  // namespace ped::map
