#include "common/language.hpp"

namespace ped {

const Language english = {
    .tongue = Tongue::english,
    .error_header = "ERROR in %s \n",
    .refused = "'%s' is not %s; please answer again.\n",
    .whole_number = "a whole number",
    .number = "a number",
    .input_ended = "error: the input ended while an answer was expected",
    .argument_not_whole = "error: argument %zu (\"%s\") is not a whole number",
    .argument_not_number = "error: argument %zu (\"%s\") is not a number",
    .unknown_option = "error: unknown option %s (--help lists the options)",
    .option_needs_value = "error: the option --%s needs a value (--%s=VALUE)",
    .option_takes_no_value = "error: the option --%s takes no value",
    .option_bad_value = "error: --%s=%s is not a value this option takes",
    .option_refused = "error: --%s=%s: %s",
    .would_replace = "error: the output name \"%s\" would overwrite the input file %s",
    .cannot_write = "error: cannot write file",
    .console_not_written = "error: the console output could not be written completely\n",
    .incomplete = "%s: the file could not be written completely\n",
    .would_replace_console =
        "The output name \"%s\" would overwrite the input file %s; please choose another name.\n",
    .line_too_long = "%s:%ld: longer than %zu bytes, skipped\n",
    .line_skipped = "%s:%ld: not a record (%s), skipped\n",
    .option_twice = "error: the option --%s is given more than once",
    .output_name_empty = "error: the output name is empty",
    .output_name_zero_byte = "The output name holds a zero byte; please choose another name.\n",
    .position_unused = "warning: position %zu (%s) is not used\n",
    .positions_unused = "warning: positions %zu to %zu (%s) are not used\n",
    .options_heading = "\nOptions:\n",
    .common_options =
        "  -h, --help   this text\n"
        "  --version    the version\n"
        "  --           ends the options: what follows is a position\n",
};

const Language french = {
    .tongue = Tongue::french,
    .error_header = "GROS BUG dans %s \n",
    .refused = "'%s' n'est pas %s ; repondez de nouveau.\n",
    .whole_number = "un nombre entier",
    .number = "un nombre",
    .input_ended = "erreur : l'entree est finie alors qu'une reponse etait attendue",
    .argument_not_whole = "erreur : l'argument %zu (\"%s\") n'est pas un nombre entier",
    .argument_not_number = "erreur : l'argument %zu (\"%s\") n'est pas un nombre",
    .unknown_option = "erreur : option inconnue %s (--help donne la liste des options)",
    .option_needs_value = "erreur : l'option --%s demande une valeur (--%s=VALEUR)",
    .option_takes_no_value = "erreur : l'option --%s ne prend pas de valeur",
    .option_bad_value = "erreur : --%s=%s n'est pas une valeur admise par cette option",
    .option_refused = "erreur : --%s=%s : %s",
    .would_replace = "erreur : le nom de sortie \"%s\" remplacerait le fichier d'entree %s",
    .cannot_write = "erreur : impossible d'ecrire le fichier",
    .console_not_written = "erreur : la sortie console n'a pas pu etre ecrite en entier\n",
    .incomplete = "%s: le fichier n'a pas pu etre ecrit en entier\n",
    .would_replace_console =
        "Le nom de sortie \"%s\" remplacerait le fichier d'entree %s ; donnez un autre nom.\n",
    .line_too_long = "%s:%ld: plus de %zu octets, ligne ignoree\n",
    .line_skipped = "%s:%ld: pas un enregistrement (%s), ligne ignoree\n",
    .option_twice = "erreur : l'option --%s est donnee plus d'une fois",
    .output_name_empty = "erreur : le nom de sortie est vide",
    .output_name_zero_byte = "Le nom de sortie contient un octet nul ; donnez un autre nom.\n",
    .position_unused = "attention : la position %zu (%s) n'est pas utilisee\n",
    .positions_unused = "attention : les positions %zu a %zu (%s) ne sont pas utilisees\n",
    .options_heading = "\nOptions :\n",
    .common_options =
        "  -h, --help   ce texte\n"
        "  --version    la version\n"
        "  --           termine les options : ce qui suit est une position\n",
};

}  // namespace ped
