// English catalogue of the merge tool (TAV3eng).
#include "messages.hpp"

namespace ped {

const Messages english = {
    /* error_header */ "ERROR in %s \n",

    /* ask_list */
    "\nEnter the file name that contain the names of the files to merge. (default name: in.txt)\n",
    /* ask_glimits */ "What are the g limits ? (type gmin and gmax separated by a space)\n",
    /* ask_sigma */
    "What is the sigma value ? (The intensities have to be superior to sigma*error to be take "
    "into account in the calculations)\n",
    /* ask_negatives */
    "Would you like to delete the negative intensities or put them to 1 ? \n(0 to put them to "
    "1)\n",
    /* ask_error_choice */
    "Would you like the error to be Poisson(I) ? zero for yes\nIf not the error is Sig(bg)\n",
    /* ask_friedel */
    "Would you like to merge Friedel pair before the scale factor calculations are made ? zero "
    "for yes\n",
    /* ask_space_group */ "What is the space group number ? \n",
    /* ask_lorentz */
    "Would you like to perform Lorentz correction (Gjonnes formula) ? zero for yes\n",
    /* ask_voltage_angle */
    "What are the accerlerating voltage (kV) and the precession semi-angle ?\n",
    /* ask_calibration */ "What are the calibration parameters ? (pixel --> angstrom)\n",
    /* ask_output */ "What is the output filename ? (default name: TAVsortie)\n",

    /* file_done */ "file %d done\n\n",

    /* banner_glimits */
    "* g limit are : %.2lf et %.2lf                                         *\n",
    /* banner_sigma */
    "* Sigma value is : %.2lf                                             *\n",
    /* banner_space_group */
    "* Space Group number is : %3d                                       *\n",
    /* banner_negatives_to_1 */
    "* Negative reflections are put to 1                                      *\n",
    /* banner_negatives_deleted */
    "* Negative reflection are deleted                                     *\n",
    /* banner_poisson */ "* Poisson(I) is took as error                               *\n",
    /* banner_sigbg */ "* Sig(bg) is took as error                                     *\n",
    /* banner_friedel_merged */
    "* Friedel pairs are mered before calculations                              *\n",
    /* banner_friedel_not_merged */
    "* Friedel pairs are not mered before calculations                       *\n",
    /* banner_lorentz */
    "* Geometric corrections are done                              *\n* for an accelerating "
    "voltage of %dKV and a precession semi-angle of %.2lf degres           *\n",
    /* banner_no_lorentz */
    "* No geometric corrections are done                                              *\n",

    /* intensity_pairs */
    {
        "Number of common reflexions between %s and %s : %d\n",
        "The mean value is : %lf\nThe standart deviation is : %lf\nThe ratio is : %.2lf percent\n",
        "There are %d intensities ratio(s) out of the mean +or- the standart deviation\n\n",
        "!!!NO GOOD between %s et %s !!!\n",
        "!!! AVERAGE between %s et %s !!!\n",
        "!!! GOOD between %s et %s !!!\n",
    },
    /* g_pairs */
    {
        "Number of common refections between %s and %s : %d\n",
        "The mean value is : %lf\nThe standart deviation is : %lf\nThe ratio is : %.2lf pourcent\n",
        "There are %d intensities ratio(s) out of the mean +or- the standart deviation\n\n",
        "!!! NO GOOD between %s et %s !!!\n",
        "!!! AVERAGE between %s et %s !!!\n",
        "!!! GOOD between %s et %s !!!\n",
    },
    /* weight_mean */ "The weight mean is : %lf\n\n",
    /* relative_diff */
    "The relative difference between the mean and the weight mean are : \n%7.2lf et %7.2lf\n\n",

    /* linear_factor */ "\nthe linear scale factor number %d is : %lf\n",
    /* g_factor */ "\nthe linear scale factor g number %d is : %lf\n",
    /* zero_pivot */ "pivot GAUSS inversion impossible : division by 0\n",

    /* wrong_space_group */ "wrong SG number",
    /* no_merging */ "inutile\n\n",
    /* totals */
    "Total number of reflections : %d\nNumber of redundant reflections: %d\nNumber of "
    "independant reflections : %d\n",
    /* class_prefix */ "Symetry: ",

    /* calibration_pixels */ 0,
    /* condition_trace */ nullptr,
};

}  // namespace ped
