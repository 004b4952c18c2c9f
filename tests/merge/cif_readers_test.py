"""The exported CIF as a common reflection reader takes it: cctbx's CIF reader builds
reflection arrays from each block of the README export example, with the counts of the SHELX
files of the same run and each block's own space group and cell. Skipped (status 77) when cctbx
is not installed."""
import pathlib
import sys

try:
    import iotbx.cif
except ImportError:
    print("skipped: cctbx's Python modules (Debian python3-cctbx) are not installed")
    sys.exit(77)

files = pathlib.Path(sys.argv[1])


def records(name):
    """The records of a SHELX file, its closing zero record left out."""
    return len((files / name).read_text().splitlines()) - 1


blocks = iotbx.cif.reader(file_path=str(files / "demo_hkl.cif")).build_miller_arrays()
assert list(blocks) == ["demo_unmerged", "demo_merged"], list(blocks)
for name, arrays in blocks.items():
    for label, array in arrays.items():
        symmetry = array.crystal_symmetry()
        assert str(symmetry.space_group_info()) == "P n m a", (name, label)
        assert symmetry.unit_cell() is not None, (name, label)

zones = blocks["demo_unmerged"]["_diffrn_refln_scale_group_code"]
assert zones.size() == records("demo_shelx.hkl"), zones.size()
per_zone = [a for label, a in blocks["demo_unmerged"].items() if label.startswith(
    "_diffrn_refln_intensity_net,")]
assert sorted(a.size() for a in per_zone) == [71, 74, 99], [a.size() for a in per_zone]

merged = blocks["demo_merged"]["_refln_F_squared_meas"]
assert merged.is_xray_intensity_array() and merged.sigmas() is not None
assert merged.size() == records("demo_shelx_merged.hkl"), merged.size()
print("cctbx reads", zones.size(), "observations and", merged.size(), "merged reflections")
