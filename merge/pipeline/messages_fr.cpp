// French catalogue of the merge tool (TAV3). Accented letters are Latin-1 bytes.
#include "merge/pipeline/messages.hpp"

namespace ped::merge {

namespace {

// The French build words both kinds of comparison alike.
constexpr PairTexts kPairs = {
    .count = "Le nombre de reflexions communes entre %s et %s est : %d\n",
    .stats =
        "La moyenne est de : %lf\nl'ecart type est de : %lf\net leur rapport est de : %.2lf "
        "pourcent\n",
    .outliers =
        "Il y a %d rapport(s) d'intensit\xE9"
        "s en dehors de la moyenne +ou- l'ecarttype\n\n",
    .no_good = "!!!IL Y A UN PROBLEME ENTRE LES AXES DE ZONE %s et %s !!!\n",
    .average = "!!! C'EST MOYEN entre %s et %s !!!\n",
    .good = "!!! C'EST BON !!!\n",
};

}  // namespace

const Messages french_catalogue = {
    .language = french,
    .usage =
        "Usage : TAV3 [options] [liste [gmin gmax [sigma [negatives [erreur [friedel [groupe\n"
        "            [lorentz [tension angle] [sortie]]]]]]]]]\n"
        "\n"
        "Fusionne les listes de reflexions de zones mesurees axe de zone par axe de zone en\n"
        "diffraction electronique en precession : chaque zone est filtree pour son groupe "
        "d'espace,\n"
        "triee en g et corrigee ; chaque paire de zones est comparee sur ses reflexions communes "
        ";\n"
        "un facteur d'echelle d'intensite et un facteur d'echelle g par zone viennent des "
        "moindres\n"
        "carres (la zone 1 est la reference) ; les reflexions equivalentes de la classe de Laue\n"
        "sont fusionnees et le Rint est donne.\n"
        "\n"
        "Positions (ce qui n'est pas donne est demande a la console, dans cet ordre) :\n"
        "  1        fichier liste, un nom de fichier de zone par ligne (in.txt par defaut)\n"
        "  2 3      fenetre en g gmin gmax, 1/angstrom : seul gmin < g < gmax est garde (0 100)\n"
        "  4        sigma : les paires de zones sont comparees sur les reflexions dont le I/sigI\n"
        "           moyen le depasse\n"
        "  5        0 : les intensites nulles ou negatives sont mises a 1 ; sinon supprimees\n"
        "  6        0 : l'erreur est la colonne Poisson(I) ; sinon la colonne Sig(bg)\n"
        "  7        0 : les paires de Friedel sont mergees ; la calibration (la longueur\n"
        "           reciproque de 2048 pixels) est alors demandee pour chaque zone\n"
        "  8        numero du groupe d'espace, de 1 a 230\n"
        "  9        0 : correction de Lorentz (formule de Gjonnes)\n"
        "  10 11    tension d'acceleration (kV) et angle de precession (degres), si 9 vaut 0\n"
        "  12       nom de base des sorties <sortie> (10 si 9 ne vaut pas 0 ; TAVsortie par\n"
        "           defaut)\n"
        "\n"
        "Fichier de zone : h k l I Poisson(I) x Sig(bg) g x spot-x spot-y par ligne ; ';' "
        "commence\n"
        "un commentaire. Fichiers ecrits : <zone>.hkl (chaque zone preparee), <sortie>.txt et\n"
        "<sortie>g.txt (rapports des facteurs d'intensite et de g), <sortie>.hkl (les reflexions\n"
        "mises a l'echelle de toutes les zones), <sortie>fin.hkl (les reflexions fusionnees,\n"
        "h k l I sigI g, lues par cellsolve).\n"
        "Code de sortie : 0 en fin normale, 255 apres une erreur fatale.\n",
    .ask_list =
        "\nEntrer le nom du fichier qui contient les noms des fichiers a fusionner. (in.txt par "
        "defaut)\n",
    .ask_glimits = "Quelles sont les limites en g ? (mettre gmin et gmax separee par un espace)\n",
    .ask_sigma =
        "Quelle est la valeur du sigma ? (seules les intensites superieures a sigma*erreur seront "
        "prises en compte dans les calculs)\n",
    .ask_negatives =
        "Voulez vous supprimer les intensites negatives ou les mettre a 1 ? \n(0 pour les mettre a "
        "1)\n",
    .ask_error_choice =
        "Voulez vous que l'erreur corresponde a Poisson(I) ? zero pour oui\nSi non l'erreur "
        "correspond a Sig(bg)\n",
    .ask_friedel =
        "Voulez vous merger les paires de Friedel avant le calcul des facteurs d'echelles ? zero "
        "pour oui\n",
    .ask_space_group = "Quel est le numero du groupe d'espace ? \n",
    .ask_lorentz =
        "Voulez vous effectuer des corrections de Lorentz (formule de Gjonnes) ? zero pour oui\n",
    .ask_voltage_angle = "Quels sont la tension d'acceleration et l'angle de precession ?\n",
    .ask_calibration = "Quel est le parametre de calibration ?\n",
    .ask_output = "Quel est le nom du fichier de sortie ? (TAVsortie par defaut)\n",

    .file_done = "fichier numero %d traite\n\n",

    .banner_glimits =
        "* Les limites en g sont : %.2lf et %.2lf                                         *\n",
    .banner_sigma =
        "* La valeur de sigma est de : %.2lf                                             *\n",
    .banner_space_group =
        "* Le numero du groupe d'espace est : %3d                                       *\n",
    .banner_negatives_to_1 =
        "* Les reflexions n\xE9"
        "gatives sont mises \xE0"
        " 1                                      *\n",
    .banner_negatives_deleted =
        "* Les reflexions negatives sont supprimees                                     *\n",
    .banner_poisson =
        "* La valeur de Poisson(I) est prise comme erreur                               *\n",
    .banner_sigbg =
        "* La valeur Sig(bg) est prise comme erreur                                     *\n",
    .banner_friedel_merged =
        "* Les paires de Friedel sont mergees avant calcul                              *\n",
    .banner_friedel_not_merged =
        "* Les paires de Friedel ne sont pas mergees avant calcul                       *\n",
    .banner_lorentz =
        "* Des corrections geometriques ont ete effectuees                              *\n* pour "
        "une tension de %dKV et un angle de precession de %.2lf degres           *\n",
    .banner_no_lorentz =
        "* Pas de corrections geometriques                                              *\n",

    .intensity_pairs = kPairs,
    .g_pairs = kPairs,
    .weight_mean = "La moyenne ponderee est de : %lf\n\n",
    .relative_diff =
        "les ecarts relatifs entre la moyenne et la moyenne ponderee sont : \n%7.2lf et %7.2lf\n\n",

    .linear_factor = "\nLe facteur d'echelle lineaire numero %d est : %lf\n",
    .g_factor = "\nLe facteur d'echelle g lineaire numero %d est : %lf\n",
    .zero_pivot = "inversion pivot GAUSS impossible : division par 0\n",

    .wrong_space_group = "pb de SG",
    .no_merging = "Tromper de symetrie\nEssaye encore\n\n",
    .totals =
        "Nombre total de reflexions : %d\nNombre de reflexions redondantes : %d\nNombre de "
        "reflexions independantes : %d\n",
    .class_prefix = "Symetrie: ",

    .glimits_not_number = "'%s' n'est pas un nombre : les limites en g restent 0 et 100.\n",
    .gmax_not_number = "'%s' n'est pas un nombre : gmax reste 100.\n",
    .zone_fields = "h k l et huit nombres",
    .value_too_wide = "%s:%ld: une valeur est trop grande pour sa colonne, enregistrement ignore\n",
    .zero_pixels = "",
    .prepared_clash = "erreur : preparer les zones ecraserait %s (%s)",
    .clash_list = "le fichier liste",
    .clash_zone = "le fichier de zone %s",
    .linear_word = "lineaire",
    .g_word = "g",
    .factor_kept_one =
        "attention : aucune comparaison de paires ne determine le facteur d'echelle %s de la zone "
        "%d (%s) : il reste a 1\n",
    .factor_not_tied =
        "attention : la zone %d (%s) n'a aucune reflexion retenue en commun avec la zone 1, meme "
        "par d'autres zones : son facteur d'echelle %s n'est pas lie a la zone 1\n",
    .zone_left_out = "attention : %s ne peut pas etre lu ; la zone %zu est laissee de cote\n",
    .scaled_too_large =
        "attention : %s : la reflexion %d %d %d mise a l'echelle est trop grande pour etre un "
        "nombre ; laissee de cote\n",
    .merged_too_large =
        "attention : la reflexion fusionnee %d %d %d est trop grande pour etre un nombre ; absente "
        "de %s\n",

    .calibration_pixels = 2048,
    .condition_trace = "cond vaut : %d\n",

    .unknown_symbol =
        "erreur : --sg=%s ne nomme aucun groupe d'espace (un numero de 1 a 230, un symbole de "
        "Hermann-Mauguin comme P b n m ou P 1 21/n 1, ou un symbole de Hall)",
    .ita_needs_number = "erreur : --ita demande un numero de groupe d'espace de 1 a 230, pas %d",
    .difference_heading =
        "attention : la liste de conditions propre a l'outil pour le groupe d'espace %d differe "
        "des "
        "Tables internationales :\n",
    .difference_kept_absent =
        "  elle garde des reflexions que la condition des Tables %s rend absentes (par exemple "
        "%s)\n",
    .difference_removed_allowed =
        "  sa condition %s supprime des reflexions que le groupe permet (par exemple %s)\n",
    .difference_ita = "  --ita filtre avec les conditions des Tables.\n",
    .condition_text_trace = "cond vaut : %s\n",
    .zone_summary =
        "zone %d (%s) : %d lignes lues = %d ignorees + %d interdites par le groupe d'espace + %d "
        "non positives + %d sans paire de Friedel + %d au-dela de la limite de Lorentz + %d hors "
        "des limites en g + %d fusionnees avec leur paire + %d gardees\n",
    .zone_empty =
        "attention : la zone %d (%s) ne garde aucune reflexion : elle ne compte ni dans la mise a "
        "l'echelle ni dans la fusion\n",
    .calibration_off =
        "attention : zone %d (%s) : le g des paires de Friedel recalcule a partir des positions "
        "des "
        "taches vaut %.4f fois le g du fichier de zone (mediane sur %d paires) : verifiez la "
        "calibration (tapee a l'envers ?)\n",
    .zone_named_twice =
        "attention : la zone %d (%s) est deja nommee dans la liste (zone %d) : ses reflexions "
        "comptent deux fois\n",
    .sg_number_differs =
        "erreur : l'argument 8 (\"%s\") n'est pas le numero du groupe d'espace de --sg=%s, qui est "
        "%d",
    .clash_cell = "le fichier de maille %s",
    .option_file_cannot_open = "erreur : impossible d'ouvrir le fichier",
    .shells_not_used =
        "attention : --shells n'est pas utilise : il ne regle que les tranches des statistiques "
        "(--stats)\n",
    .cell_not_used =
        "attention : --%s n'est pas utilise : une maille ne sert qu'aux statistiques (--stats), au "
        "fichier .ins de SHELX (--shelx) et au CIF (--cif)\n",
    .space_group_range = "attention : %d n'est pas un numero de groupe d'espace (1 a 230)\n",
    .cell_file_bad = "erreur : le fichier de maille %s : %s",
    .cell_not_six = "six nombres a b c alpha beta gamma attendus",
    .cell_length = "une longueur n'est pas superieure a 0",
    .cell_angle = "un angle n'est pas entre 0 et 180 degres",
    .cell_volume = "les angles ne ferment aucune maille",
    .cell_both = "erreur : donnez --cell ou --cell-file, pas les deux",
    .cell_huge_length = "une longueur vaut 10000 angstroms ou plus, ce qu'aucun cristal n'a",
    .cell_long_line = "la ligne %ld a plus de %zu octets",
    .cell_misfit =
        "attention : la maille ne correspond pas aux g mesures : sur les %d reflexions de %s, la "
        "moyenne quadratique de g(maille)/g(mesure) - 1 vaut %.4f (plus de 0.01) : verifiez la "
        "maille, et l'ordre de ses axes par rapport aux indices\n",
    .lorentz_kv_range =
        "erreur : le CIF et le fichier .ins de SHELX prennent la longueur d'onde des electrons de "
        "la tension de la correction de Lorentz, %g kV, qui n'est pas comprise entre 1 et 10000 kV",
    .completeness_skipped =
        "remarque : la maille et le domaine en g contiennent trop de reflexions a compter : pas de "
        "completude dans %s\n",
    .no_statistics = "remarque : sans classe de Laue rien n'est fusionne : %s n'est pas ecrit\n",
    .match_no_laue_class =
        "attention : --match=laue : le groupe d'espace %d n'a pas de classe de Laue ; les zones "
        "sont comparees sur les indices identiques\n",
    .match_set_aside =
        "zone %zu (%s) : %zu enregistrement(s) mis de cote, chacun la meme reflexion sous --match "
        "qu'un enregistrement precedent de la zone (les comparaisons utilisent le premier)\n",
    .uncertainty_reference = "zone 1 (%s) : la reference, ses deux facteurs valent 1\n",
    .uncertainty_line =
        "zone %d (%s) : facteur lineaire %lf +- %s, facteur g %lf +- %s ; liee a la zone 1 par %d "
        "reflexions via %d zones\n",
    .no_uncertainty = "aucune",
    .barely_determined =
        "attention : la zone %d (%s) n'est liee a la zone 1 que par %d reflexion(s) : son facteur "
        "d'echelle %s est a peine determine\n",
    .composition_bad =
        "erreur : --composition=%s : \"%s\" n'est pas un symbole d'element suivi de son nombre "
        "d'atomes dans la maille (comme Ca4 Ti4 O12)",
    .no_voltage =
        "erreur : le CIF et le fichier .ins de SHELX demandent la longueur d'onde des electrons : "
        "donnez la tension d'acceleration par --kv=TENSION (kV), ou avec la correction de Lorentz",
    .kv_not_used =
        "attention : --kv=%s n'est pas utilise : les fichiers prennent les %.2f kV de la "
        "correction de Lorentz\n",
    .kv_without_file =
        "attention : --kv=%s n'est pas utilise : seuls le CIF (--cif) et le fichier .ins de "
        "SHELX (--shelx avec une maille) demandent une tension\n",
    .composition_without_ins =
        "attention : --composition n'est pas utilise : elle ne va que dans le fichier .ins de "
        "SHELX (--shelx avec une maille)\n",
    .shelx_divided =
        "remarque : les intensites et les sigmas de %s et %s sont divises par %s pour garder un "
        "blanc devant chacun dans les colonnes F8.2 de SHELX\n",
    .shelx_left_out =
        "attention : %s omet %d enregistrement(s) sans place dans ses colonnes (0 0 0, qui "
        "terminerait les donnees, ou un indice hors de -999 a 9999 ; le premier : %d %d %d)\n",
    .no_ins_cell = "remarque : %s n'est pas ecrit : il demande la maille (--cell ou --cell-file)\n",
    .no_ins_group =
        "remarque : %s n'est pas ecrit : %d n'est pas un numero de groupe d'espace (1 a 230)\n",
    .prepared_too_wide =
        "%s : la reflexion %d %d %d une fois preparee (I %.2f, sigI %.2f, g %.8f) est trop grande "
        "pour les colonnes de %s, enregistrement ignore\n",
    .ins_word_too_long =
        "remarque : %s n'est pas ecrit : \"%s\" est trop long pour une ligne de SHELX de 80 "
        "caracteres\n",
    .composition_sparse =
        "attention : --composition donne %.1f angstroms cubes par atome dans la maille, quand les "
        "solides en ont 6 a 40 : Z = %.0f a %.0f fois la composition en donnerait 6 a 40 (UNIT "
        "dans %s reste tel quel)\n",
    .composition_dense =
        "attention : --composition donne %.1f angstroms cubes par atome dans la maille, quand les "
        "solides en ont 6 a 40 : la composition compte plus d'atomes que la maille ne peut en "
        "contenir (UNIT dans %s reste tel quel)\n",
    .page =
        {
            .lang = "fr",
            .title = "Rapport de fusion : %s",
            .run = "Le calcul",
            .parameters = "Parametres",
            .space_group = "Groupe d'espace",
            .files_written = "Fichiers ecrits",
            .zones = "Les zones",
            .pairs = "Zone contre zone",
            .shells = "Statistiques par tranche de g",
            .absences = "Extinctions systematiques",
            .rint = {"Rint", "somme sur les groupes d'equivalents de somme |I - <I>| sur somme I"},
            .list = {"fichier liste", "le fichier qui nomme un fichier de zone par ligne"},
            .g_window = {"fenetre en g (1/angstrom)",
                         "seules les reflexions avec gmin < g < gmax restent"},
            .sigma = {"sigma",
                      "deux zones sont comparees sur les reflexions de I/sigma(I) moyen "
                      "superieur"},
            .negatives = {"intensites nulles ou negatives", "ce que deviennent ces intensites"},
            .error_column = {"erreur", "la colonne des fichiers de zone prise pour sigma(I)"},
            .friedel = {"paires de Friedel fusionnees",
                        "h k l et -h -k -l d'une zone fusionnees en une ligne"},
            .lorentz = {"correction de Lorentz (Gjonnes)",
                        "intensites divisees par g sqrt(1 - (g/R)^2), R donne par la tension et "
                        "l'angle de precession"},
            .match = {"comparaison des zones",
                      "quelles lignes de deux zones sont une meme reflexion (--match)"},
            .output = {"sortie", "le nom de base des fichiers ecrits"},
            .to_one = "deviennent 1",
            .dropped = "retirees",
            .poisson = "Poisson(I)",
            .sig_bg = "Sig(bg)",
            .yes = "oui",
            .no = "non",
            .lorentz_on = "oui, %g kV, %g degres",
            .group_number = {"numero", "le numero du groupe d'espace du calcul"},
            .setting = {"reglage", "le symbole du groupe dans le reglage du calcul"},
            .laue_class = {"classe de Laue",
                           "le groupe ponctuel dont les equivalents sont fusionnes"},
            .conditions =
                {"conditions de reflexion",
                 "les conditions du filtre : les reflexions qui en violent une sont retirees"},
            .no_laue = "aucune : pas de fusion",
            .legacy_lists = "les listes propres a l'outil pour le numero",
            .tables_lists = "les Tables internationales pour le numero (--ita)",
            .setting_lists = "tirees des operations du groupe (--sg)",
            .no_conditions = "aucune",
            .zone = {"zone", "le fichier de zone, dans l'ordre de la liste"},
            .read = {"lues", "lignes de reflexion du fichier de zone (ni vides ni commentaires)"},
            .skipped = {"sautees",
                        "lignes qui ne sont pas des reflexions ou hors de leurs colonnes"},
            .forbidden = {"interdites", "retirees par les conditions de reflexion du groupe"},
            .non_positive = {"non positives", "intensite nulle ou negative, retiree"},
            .unpaired = {"sans paire", "fusion de Friedel : pas de paire dans la zone"},
            .lorentz_limit = {"limite Lorentz",
                              "g egal ou au-dela de R : pas de facteur de Lorentz"},
            .outside = {"hors g", "g hors de la fenetre"},
            .merged = {"paires fusionnees",
                       "fusion de Friedel : paires fusionnees en une ligne ecrite"},
            .kept = {"gardees", "lignes du fichier prepare"},
            .linear_factor = {"facteur lineaire",
                              "le facteur d'echelle des intensites, 1 pour la zone 1"},
            .g_factor = {"facteur g", "le facteur d'echelle de g, 1 pour la zone 1"},
            .sigma_of = {"i.t.", "l'incertitude type du facteur qui precede"},
            .ties = {"liens", "reflexions retenues / zones qui lient le facteur a la zone 1"},
            .linear_chart =
                {"Facteurs d'echelle lineaires",
                 "le facteur des intensites de chaque zone, son incertitude type en barre"},
            .g_chart = {"Facteurs d'echelle de g",
                        "le facteur de g de chaque zone, son incertitude type en barre"},
            .zone_axis = "zone",
            .factor_axis = "facteur",
            .pair_matrix =
                {"Comparaisons des intensites",
                 "zone de la ligne contre zone de la colonne : moyenne ponderee de "
                 "I(colonne)/I(ligne) sur leurs reflexions communes, leur nombre, le verdict "
                 "en couleur"},
            .good = "BON",
            .average = "MOYEN",
            .no_good = "PAS BON",
            .not_compared = "non comparees",
            .pair_hover = "%s contre %s : rapport des I %s sur %d reflexions communes, %s",
            .pair_legend = "Couleur : le verdict de la comparaison ;",
            .cc_half = {"CC1/2",
                        "la correlation entre les moyennes de deux moities tirees au hasard des "
                        "observations de chaque reflexion (methode sigma-tau)"},
            .i_over_sigma = {"I/sigma(I) moyen",
                             "la moyenne de I fusionne sur son sigma propage dans la tranche"},
            .r_meas = {"Rmeas",
                       "somme de sqrt(n/(n-1)) |I - <I>| sur somme de I, reflexions vues deux fois "
                       "ou plus"},
            .completeness = {"completude (%)",
                             "des reflexions que le groupe permet dans la tranche, la part "
                             "mesuree (il faut une maille)"},
            .g_axis = "g (1/angstrom), milieu de la tranche",
            .no_stats = "Lancer avec --stats pour les statistiques par tranche.",
            .no_merge = "Pas de fusion : le groupe d'espace n'a pas de classe de Laue.",
            .no_cell = "La completude demande une maille (--cell ou --cell-file).",
            .condition = {"condition", "une condition de reflexion du groupe d'espace"},
            .removed = {"retirees",
                        "lignes de toutes les zones que la condition a retirees la premiere"},
            .mean_i_over_sigma = {"I/sigma(I) moyen", "sur les lignes retirees"},
            .strong = {"fortes",
                       "I/sigma(I) moyen superieur a 3 : diffusion multiple, ou un autre "
                       "groupe ?"},
            .strong_mark = "FORTES",
            .nothing_removed = "Aucune condition de reflexion ne s'applique.",
            .footer = "Ecrit par l'outil de fusion ; survoler un titre pour sa definition.",
        },
};

}  // namespace ped::merge
