// The texts of the cell tool, character for character as its users have always seen them.
// Texts marked "line" are written with a line end added after them.
#pragma once

#include <cstdio>

#include "common/language.hpp"

namespace ped::cell {

// The tool speaks French.
inline const Language& kLanguage = french;

inline constexpr const char* kUsage =
    "Usage : cellsolve [options] [fichier [symetrie [gmin [gmax [limite]]]]]\n"
    "\n"
    "Affine la maille cubique, tetragonale, orthorhombique, hexagonale ou monoclinique (axe\n"
    "unique b) a partir de la liste de reflexions fusionnees h k l I sigI g que TAV3eng et\n"
    "TAV3 ecrivent (<sortie>fin.hkl). La maille est ajustee par moindres carres sur g^2 pour\n"
    "chaque seuil t de I/sigma(I) de 1 a la limite et chaque fenetre [g1, g2] d'un balayage\n"
    "par pas de 0.25 ; chaque parametre est donne avec l'ecart type sur les ajustements.\n"
    "\n"
    "Positions (ce qui n'est pas donne est demande a la console, dans cet ordre) :\n"
    "  1   fichier de reflexions fusionnees (TAVsortiefin.hkl par defaut)\n"
    "  2   symetrie, code du caractere : 99 c cubique, 113 q tetragonal, 111 o\n"
    "      orthorhombique, 104 h hexagonal, 109 m monoclinique\n"
    "  3 4 gmin et gmax en 1/angstrom : gmin + 0.5 < gmax, au plus 100 d'ecart, entre -1000\n"
    "      et 1000\n"
    "  5   limite de I/sigma(I), de 2 a 1000\n"
    "\n"
    "Fichier ecrit : le nom du fichier d'entree dont les trois derniers caracteres sont\n"
    "remplaces par \"out\" (TAVsortiefin.out) : une ligne a b c alpha beta gamma.\n"
    "Code de sortie : 0 a la fin du balayage, 255 apres une erreur fatale.\n";

// Start, names and reading.
inline constexpr const char* kThanks = "Korvel vous remercie d'utiliser son programme.\n";  // line
inline constexpr const char* kDescription =
    "Ce programme calcule des parametres de maille\na partir des fichiers de sorties de TAV2\nqui "
    "sont au format h k l I sigI g\n\n";
inline constexpr const char* kAskInput =
    "Entrer le nom du fichier de sortie de TAV2. (TAVsortiefin.hkl par defaut)\n";
inline constexpr const char* kDefaultInput = "TAVsortiefin.hkl";
inline constexpr const char* kCannotOpen = "error: cannot open file";
inline constexpr const char* kNoCellCif =  // standard error
    "remarque : %s n'est pas ecrit : aucune maille n'a ete affinee\n";
inline constexpr const char* kReflectionCount = "Il y a %d reflexions\n\n";

// Questions.
inline constexpr const char* kAskSymmetry =  // line
    "Quelle est la symetrie de la maille? \n('c' pour cubique, 'q' pour tetragonal, \n'o' pour "
    "orthorhombique, 'h' pour hexagonal, 'm' pour monoclinique)";
inline constexpr const char* kWrongSymmetry = "tromper de symetrie \nessaye encore";  // line
inline constexpr const char* kAskGmin = "Quelle est la valeur de gmin ?\n";
inline constexpr const char* kAskGmax = "Quelle est la valeur de gmax ?\n";
inline constexpr const char* kTooClose = "gmin et gmax sont trop proches";                // line
inline constexpr const char* kAskThreshold = "Quelle est la valeur max de I/sigma(I) ?";  // line
inline constexpr const char* kTooLow = "la valeur est trop faible";                       // line

// Scan of the windows.
inline constexpr const char* kWindow = "limit vaut : %d\ngmin vaut : %lf\ngmax vaut : %lf\n";
inline constexpr const char* kWindowCount = "Il y a %d reflexions considerees\n\n";
inline constexpr const char* kFitCount = "le nombre est %d\n\n\n\n";

// Window fit.
inline constexpr const char* kZeroPivot = "inversion pivot GAUSS impossible : division par 0\n";
inline constexpr const char* kFitCubic = "le parametre de maille est:\n  a=%lf\n";
inline constexpr const char* kFitAC = "les parametres de maille sont:\n  a=%lf\n  c=%lf\n";
inline constexpr const char* kFitABC =
    "les parametres de maille sont:\n  a=%lf\n  b=%lf\n  c=%lf\n";
inline constexpr const char* kFitMonoclinic =
    "les parametres de maille sont:\n  a=%lf\n  b=%lf\n  c=%lf\n  beta=%lf\n";
inline constexpr const char* kChi2 = "chi2 vaut %lf\n";
inline constexpr const char* kMeanResidual = "l'ecart moyen vaut %lf\n";
inline constexpr const char* kLowerSymmetry = "Si la symetrie est plus basse, utiliser eracel\n\n";

// Final report and the cell line of the output file.
inline constexpr const char* kReportGap = "\n\n\n\n\n\n";
inline constexpr const char* kHeadingOne = "Le parametre de maille est :\n";
inline constexpr const char* kHeadingMany = "Les parametres de maille sont :\n";
inline constexpr const char* kMeanA = "\ta = %.4lf + ou - %.4lf\n";
inline constexpr const char* kMeanB = "\tb = %.4lf + ou - %.4lf\n";
inline constexpr const char* kMeanC = "\tc = %.4lf + ou - %.4lf\n";
inline constexpr const char* kMeanBeta = "\tbeta = %.4lf + ou - %.4lf\n";
inline constexpr const char* kMeanChi2 = "chi2 moyen = %lf\n";
inline constexpr const char* kCellRight = "%10.4lf%10.4lf%10.4lf   90.0000   90.0000   90.0000";
inline constexpr const char* kCellHexagonal = "%10.4lf%10.4lf%10.4lf   90.0000   90.0000  120.0000";
inline constexpr const char* kCellMonoclinic = "%10.4lf%10.4lf%10.4lf   90.0000%10.4lf   90.0000";

// Texts of this tool for the cases its first version left open: one fit only (no deviation
// can be taken over a single value) and no fit at all (no cell to report).
inline constexpr const char* kSingleA = "\ta = %.4lf\n";
inline constexpr const char* kSingleB = "\tb = %.4lf\n";
inline constexpr const char* kSingleC = "\tc = %.4lf\n";
inline constexpr const char* kSingleBeta = "\tbeta = %.4lf\n";
inline constexpr const char* kSingleFit =
    "(un seul affinement : l'ecart type sur les parametres n'est pas defini)\n";
inline constexpr const char* kNoFit =
    "Aucun affinement n'a abouti : aucune fenetre n'a fourni au moins 25 reflexions\n"
    "avec un systeme normal non degenere. Pas de parametres de maille ; rien n'est\n"
    "ecrit dans %s.\n";

// Messages of this tool beyond the dialogue.
inline constexpr const char* kSymmetryHint =
    " (code de la symetrie : 99 c, 104 h, 109 m, 111 o ou 113 q)";
inline constexpr const char* kGOutOfBounds =
    "les limites en g doivent etre comprises entre -1000 et 1000";
inline constexpr const char* kGSpanTooWide =
    "gmax - gmin depasse 100 : le balayage des fenetres serait sans fin";
inline constexpr const char* kGminArgument =
    "erreur : gmin = %g (argument 3) : les limites en g doivent etre comprises entre -1000 et "
    "1000";
inline constexpr const char* kGLimitsArguments =
    "erreur : gmin = %g et gmax = %g (arguments 3 et 4) : %s";
inline constexpr const char* kOtherLimits = "%s ; donnez d'autres limites.\n";
inline constexpr const char* kThresholdArgument =
    "erreur : la valeur max de I/sigma(I) (argument 5) vaut %d ; elle doit etre comprise entre "
    "2 et %d";
inline constexpr const char* kTooHigh =
    "la valeur est trop grande (au plus %d) ; repondez de "
    "nouveau.\n";
inline constexpr const char* kOwnOutput =
    "erreur : le fichier de sortie %s serait le fichier d'entree lui-meme ; donnez un fichier "
    "d'entree dont le nom ne finit pas par \"out\"";
inline constexpr const char* kExtraArguments = "%zu arguments au-dela du cinquieme sont ignores.\n";

// Writes `text` followed by a line end.
inline void put_line(std::FILE* out, const char* text) {
    std::fputs(text, out);
    std::fputc('\n', out);
}

}  // namespace ped::cell
