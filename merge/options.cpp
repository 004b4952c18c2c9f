#include "merge/options.hpp"

#include "common/text.hpp"
#include "merge/exports/export_options.hpp"

namespace ped::merge {

namespace {

const Bilingual kMicroscopeVoltages{
    .english = "the accelerating voltage of a microscope is from 1 to 10000 kV",
    .french = "la tension d'acceleration d'un microscope est comprise entre 1 et 10000 kV"};

}  // namespace

const OptionTable<MergeOptions>& merge_option_table() {
    static const OptionTable<MergeOptions> table{
        {.name = "sg",
         .kind = text(&MergeOptions::sg),
         .english = {"SYMBOL",
                     "the space group by its symbol, in any setting: P b n m, P 1 21/n 1,\n"
                     "R -3 :R, a Hall symbol (-P 2ybc) or a number. Its reflection\n"
                     "conditions and Laue group come from its operations. Question 7 is then\n"
                     "not asked; position 8, when given, must be the group's number (0 for\n"
                     "a Hall setting that has none)"},
         .french = {"SYMBOLE",
                    "le groupe d'espace par son symbole, dans tout reglage : P b n m,\n"
                    "P 1 21/n 1, R -3 :R, un symbole de Hall (-P 2ybc) ou un numero. Ses\n"
                    "conditions de reflexion et son groupe de Laue viennent de ses\n"
                    "operations. La question 7 n'est alors pas posee ; la position 8, si\n"
                    "elle est donnee, doit etre le numero du groupe (0 pour un reglage de\n"
                    "Hall qui n'en a pas)"}},
        {.name = "ita",
         .kind = flag(&MergeOptions::ita),
         .english = {nullptr,
                     "filter a space-group number (position 8, or --sg given a number) with\n"
                     "the conditions of the International Tables for its standard setting,\n"
                     "not the tool's own lists (a symbol's conditions always come from its\n"
                     "operations)"},
         .french = {nullptr,
                    "filtre un numero de groupe (position 8, ou --sg donne par un numero)\n"
                    "avec les conditions des Tables internationales de son reglage\n"
                    "standard, pas les listes propres a l'outil (celles d'un symbole\n"
                    "viennent toujours de ses operations)"}},
        {.name = "stats",
         .kind = flag(&MergeOptions::stats),
         .english = {nullptr,
                     "also write <out>_stats.txt and <out>_stats.json: merging statistics\n"
                     "by shell of g (multiplicity, completeness, mean I/sigma(I), Rmerge,\n"
                     "Rmeas, Rpim, CC1/2) and a table of the zones"},
         .french = {nullptr,
                    "ecrit aussi <sortie>_stats.txt et <sortie>_stats.json : statistiques\n"
                    "de fusion par tranche de g (multiplicite, completude, I/sigma(I)\n"
                    "moyen, Rmerge, Rmeas, Rpim, CC1/2) et une table des zones"}},
        {.name = "shells",
         .kind = whole(&MergeOptions::shells, 1, 100),
         .english = {"N",
                     "shells of the statistics, 1 to 100 (default 10; fewer when the data\n"
                     "hold under 20 unique reflections a shell)"},
         .french = {"N",
                    "tranches des statistiques, 1 a 100 (10 par defaut ; moins quand les\n"
                    "donnees ont moins de 20 reflexions uniques par tranche)"}},
        {.name = "cell",
         .kind = text(&MergeOptions::cell_text),
         .english = {"a,b,c,alpha,beta,gamma",
                     "unit cell (angstrom, degrees) for the completeness, the CIF and the\n"
                     "SHELX .ins"},
         .french = {"a,b,c,alpha,beta,gamma",
                    "maille (angstrom, degres) pour la completude, le CIF et le .ins de\n"
                    "SHELX"}},
        {.name = "cell-file",
         .kind = text(&MergeOptions::cell_file),
         .english = {"NAME",
                     "the unit cell from a cell file as cellsolve writes it: its .out file,\n"
                     "or the CIF of --cell-cif, whose uncertainties go into ZERR and the CIF"},
         .french = {"NOM",
                    "la maille lue dans un fichier de maille ecrit par cellsolve : son\n"
                    "fichier .out, ou le CIF de --cell-cif, dont les incertitudes vont dans\n"
                    "ZERR et le CIF"}},
        {.name = "absences",
         .kind = flag(&MergeOptions::absences),
         .english = {nullptr,
                     "also write <out>_absences.txt: the reflections each reflection\n"
                     "condition of the space group removed, zone by zone"},
         .french = {nullptr,
                    "ecrit aussi <sortie>_absences.txt : les reflexions que chaque\n"
                    "condition de reflexion du groupe d'espace a retirees, zone par zone"}},
        {.name = "match",
         .kind = one_of(&MergeOptions::match, kMatchModes),
         .english = {"MODE",
                     "the comparison of two zones: hkl (identical indices, the default),\n"
                     "friedel (h k l and -h -k -l are one reflection) or laue (the\n"
                     "equivalents of the Laue class are one reflection)"},
         .french = {"MODE",
                    "la comparaison de deux zones : hkl (indices identiques, par defaut),\n"
                    "friedel (h k l et -h -k -l sont une meme reflexion) ou laue (les\n"
                    "equivalents de la classe de Laue sont une meme reflexion)"}},
        {.name = "shelx",
         .kind = flag(&MergeOptions::shelx),
         .english = {nullptr,
                     "also write, in SHELX's HKLF 4 layout, <out>_shelx.hkl (every scaled\n"
                     "observation, its batch number its zone's, then the systematic\n"
                     "absences) and <out>_shelx_merged.hkl (the merged list, with the sigma\n"
                     "of each mean); with a cell also <out>_shelx.ins, to start SHELXT"},
         .french = {nullptr,
                    "ecrit aussi, au format HKLF 4 de SHELX, <sortie>_shelx.hkl (chaque\n"
                    "observation mise a l'echelle, son numero de lot celui de sa zone, puis\n"
                    "les absences systematiques) et <sortie>_shelx_merged.hkl (la liste\n"
                    "fusionnee, avec le sigma de chaque moyenne) ; avec une maille aussi\n"
                    "<sortie>_shelx.ins, pour lancer SHELXT"}},
        {.name = "cif",
         .kind = flag(&MergeOptions::cif),
         .english = {nullptr,
                     "also write <out>_hkl.cif, two data blocks with radiation, wavelength,\n"
                     "space group and cell: the scaled observations with their zones (and\n"
                     "the systematic absences), and the merged reflections"},
         .french = {nullptr,
                    "ecrit aussi <sortie>_hkl.cif, deux blocs de donnees avec rayonnement,\n"
                    "longueur d'onde, groupe d'espace et maille : les observations mises a\n"
                    "l'echelle avec leur zone (et les absences systematiques), et les\n"
                    "reflexions fusionnees"}},
        {.name = "kv",
         .kind = real(&MergeOptions::kv, kLowestKv, kHighestKv, kMicroscopeVoltages),
         .english = {"VOLTAGE",
                     "accelerating voltage (kV) for the wavelength of the CIF and the .ins\n"
                     "when there is no Lorentz correction to give it"},
         .french = {"TENSION",
                    "tension d'acceleration (kV) pour la longueur d'onde du CIF et du .ins\n"
                    "quand aucune correction de Lorentz ne la donne"}},
        {.name = "composition",
         .kind = text(&MergeOptions::composition_text),
         .english = {"\"Ca4 Ti4 O12\"", "the cell content, for SFAC and UNIT in the .ins"},
         .french = {"\"Ca4 Ti4 O12\"", "le contenu de la maille, pour SFAC et UNIT dans le .ins"}},
        {.name = "html",
         .kind = flag(&MergeOptions::html),
         .english = {nullptr,
                     "also write <out>_report.html: one page, for any browser, with the run,\n"
                     "the zones and their factors, the zone-to-zone comparisons, the shell\n"
                     "statistics (with --stats) and the absences, as tables and plots"},
         .french = {nullptr,
                    "ecrit aussi <sortie>_report.html : une page, pour tout navigateur, avec\n"
                    "le calcul, les zones et leurs facteurs, les comparaisons de zones, les\n"
                    "statistiques par tranche (avec --stats) et les extinctions, en tables\n"
                    "et graphiques"}},
    };
    return table;
}

namespace {

const char* cell_why(const Messages& msg, CellProblem problem) {
    switch (problem) {
        case CellProblem::length:
            return msg.cell_length;
        case CellProblem::huge_length:
            return msg.cell_huge_length;
        case CellProblem::angle:
            return msg.cell_angle;
        case CellProblem::volume:
            return msg.cell_volume;
        default:
            return msg.cell_not_six;
    }
}

UnitCell cell_of_text(const Session& s, const std::string& text) {
    UnitCell cell;
    const CellProblem problem = parse_cell(text, cell);
    if (problem != CellProblem::none)
        fail(refused_value(s.term.lang, "cell", text, cell_why(s.msg, problem)));
    return cell;
}

UnitCell cell_of_file(const Session& s, const std::string& path, UnitCell& su) {
    UnitCell cell;
    CellProblem problem;
    long line = 0;
    if (const int reason = read_cell_file(path, cell, problem, &line, &su))
        fail_file(s.term, path, reason, s.msg.option_file_cannot_open);
    const std::string why = problem == CellProblem::long_line
                                ? strprintf(s.msg.cell_long_line, line, kLongestLine)
                                : cell_why(s.msg, problem);
    if (problem != CellProblem::none)
        fail(strprintf(s.msg.cell_file_bad, path.c_str(), why.c_str()));
    return cell;
}

std::vector<ElementCount> composition_of(const Session& s, const std::string& text) {
    std::vector<ElementCount> elements;
    std::string bad;
    if (!parse_composition(text, elements, bad))
        fail(strprintf(s.msg.composition_bad, text.c_str(), bad.c_str()));
    return elements;
}

void say_unused_report_options(const Session& s, const MergeOptions& o) {
    if (o.shells && !o.stats) say(s.term, "%s", s.msg.shells_not_used);
    if (o.cell && !o.stats && !o.shelx && !o.cif)
        say(s.term, s.msg.cell_not_used, o.cell_text ? "cell" : "cell-file");
}

}  // namespace

MergeOptions checked_options(const Session& s, MergeOptions o) {
    if (o.sg) {
        o.setting = find_space_group(*o.sg);
        if (!o.setting) fail(strprintf(s.msg.unknown_symbol, o.sg->c_str()));
    }
    if (o.cell_text && o.cell_file) fail(s.msg.cell_both);
    if (o.cell_text) o.cell = cell_of_text(s, *o.cell_text);
    if (o.cell_file) o.cell = cell_of_file(s, *o.cell_file, o.cell_su);
    say_unused_report_options(s, o);
    if (o.composition_text) o.composition = composition_of(s, *o.composition_text);
    return o;
}

void say_unused_export_options(const Session& s, const MergeOptions& o) {
    const bool ins = o.shelx && o.cell;
    if (!o.composition.empty() && !ins) say(s.term, "%s", s.msg.composition_without_ins);
    if (o.kv && !o.cif && !ins) say(s.term, s.msg.kv_without_file, o.kv->text.c_str());
}

}  // namespace ped::merge
