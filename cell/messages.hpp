// The texts of the cell tool, character for character as its users have always seen them.
// Texts marked "line" are written with a line end added after them.
#pragma once

#include <cstdio>

namespace ped::cell {

// Start, names and reading.
inline constexpr const char* kErrorHeader = "GROS BUG dans %s \n";
inline constexpr const char* kThanks = "Korvel vous remercie d'utiliser son programme.\n";  // line
inline constexpr const char* kDescription =
    "Ce programme calcule des parametres de maille\na partir des fichiers de sorties de TAV2\nqui "
    "sont au format h k l I sigI g\n\n";
inline constexpr const char* kAskInput =
    "Entrer le nom du fichier de sortie de TAV2. (TAVsortiefin.hkl par defaut)\n";
inline constexpr const char* kDefaultInput = "TAVsortiefin.hkl";
inline constexpr const char* kCannotOpen = "error: cannot open file";
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

// Writes `text` followed by a line end.
inline void put_line(std::FILE* out, const char* text) {
    std::fputs(text, out);
    std::fputc('\n', out);
}

}  // namespace ped::cell
