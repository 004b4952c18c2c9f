// French catalogue of the merge tool (TAV3). Accented letters are Latin-1 bytes.
#include "messages.hpp"

namespace ped {

namespace {

// The French build words both kinds of comparison alike.
constexpr PairTexts kPairs = {
    "Le nombre de reflexions communes entre %s et %s est : %d\n",
    "La moyenne est de : %lf\nl'ecart type est de : %lf\net leur rapport est de : %.2lf "
    "pourcent\n",
    "Il y a %d rapport(s) d'intensit\xE9"
    "s en dehors de la moyenne +ou- l'ecarttype\n\n",
    "!!!IL Y A UN PROBLEME ENTRE LES AXES DE ZONE %s et %s !!!\n",
    "!!! C'EST MOYEN entre %s et %s !!!\n",
    "!!! C'EST BON !!!\n",
};

}  // namespace

const Messages french = {
    /* error_header */ "GROS BUG dans %s \n",

    /* ask_list */
    "\nEntrer le nom du fichier qui contient les noms des fichiers a fusionner. (in.txt par "
    "defaut)\n",
    /* ask_glimits */
    "Quelles sont les limites en g ? (mettre gmin et gmax separee par un espace)\n",
    /* ask_sigma */
    "Quelle est la valeur du sigma ? (seules les intensites superieures a sigma*erreur seront "
    "prises en compte dans les calculs)\n",
    /* ask_negatives */
    "Voulez vous supprimer les intensites negatives ou les mettre a 1 ? \n(0 pour les mettre a "
    "1)\n",
    /* ask_error_choice */
    "Voulez vous que l'erreur corresponde a Poisson(I) ? zero pour oui\nSi non l'erreur "
    "correspond a Sig(bg)\n",
    /* ask_friedel */
    "Voulez vous merger les paires de Friedel avant le calcul des facteurs d'echelles ? zero "
    "pour oui\n",
    /* ask_space_group */ "Quel est le numero du groupe d'espace ? \n",
    /* ask_lorentz */
    "Voulez vous effectuer des corrections de Lorentz (formule de Gjonnes) ? zero pour oui\n",
    /* ask_voltage_angle */ "Quels sont la tension d'acceleration et l'angle de precession ?\n",
    /* ask_calibration */ "Quel est le parametre de calibration ?\n",
    /* ask_output */ "Quel est le nom du fichier de sortie ? (TAVsortie par defaut)\n",

    /* file_done */ "fichier numero %d traite\n\n",

    /* banner_glimits */
    "* Les limites en g sont : %.2lf et %.2lf                                         *\n",
    /* banner_sigma */
    "* La valeur de sigma est de : %.2lf                                             *\n",
    /* banner_space_group */
    "* Le numero du groupe d'espace est : %3d                                       *\n",
    /* banner_negatives_to_1 */
    "* Les reflexions n\xE9"
    "gatives sont mises \xE0"
    " 1                                      *\n",
    /* banner_negatives_deleted */
    "* Les reflexions negatives sont supprimees                                     *\n",
    /* banner_poisson */
    "* La valeur de Poisson(I) est prise comme erreur                               *\n",
    /* banner_sigbg */
    "* La valeur Sig(bg) est prise comme erreur                                     *\n",
    /* banner_friedel_merged */
    "* Les paires de Friedel sont mergees avant calcul                              *\n",
    /* banner_friedel_not_merged */
    "* Les paires de Friedel ne sont pas mergees avant calcul                       *\n",
    /* banner_lorentz */
    "* Des corrections geometriques ont ete effectuees                              *\n* pour "
    "une tension de %dKV et un angle de precession de %.2lf degres           *\n",
    /* banner_no_lorentz */
    "* Pas de corrections geometriques                                              *\n",

    /* intensity_pairs */ kPairs,
    /* g_pairs */ kPairs,
    /* weight_mean */ "La moyenne ponderee est de : %lf\n\n",
    /* relative_diff */
    "les ecarts relatifs entre la moyenne et la moyenne ponderee sont : \n%7.2lf et %7.2lf\n\n",

    /* linear_factor */ "\nLe facteur d'echelle lineaire numero %d est : %lf\n",
    /* g_factor */ "\nLe facteur d'echelle g lineaire numero %d est : %lf\n",
    /* zero_pivot */ "inversion pivot GAUSS impossible : division par 0\n",

    /* wrong_space_group */ "pb de SG",
    /* no_merging */ "Tromper de symetrie\nEssaye encore\n\n",
    /* totals */
    "Nombre total de reflexions : %d\nNombre de reflexions redondantes : %d\nNombre de "
    "reflexions independantes : %d\n",
    /* class_prefix */ "Symetrie: ",

    /* calibration_pixels */ 2048,
    /* condition_trace */ "cond vaut : %d\n",
};

}  // namespace ped
