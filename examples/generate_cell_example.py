#!/usr/bin/env python3
"""Writes cell_example.hkl, an example merged reflection list for cellsolve.

The orthorhombic perovskite of the zone examples, space group Pnma (62), a = 5.44, b = 7.64,
c = 5.38 angstrom: one record "h k l I sigI g" per independent reflection the space group
allows, with g up to 1.5 1/angstrom, in ascending g as the merge tool writes its merged file.
The g values carry a little noise (0.2 % relative, as left by the per-zone g scale factors) and
the intensities a spread of I/sigma(I) from below 1 to a few hundred. Run once; the file it
writes is part of the repository.
"""
import math
import random

A, B, C = 5.44, 7.64, 5.38
GMAX = 1.5
rng = random.Random(5)


def allowed(h, k, l):  # Pnma: 0kl k+l=2n, hk0 h=2n (h00, 0k0, 00l follow)
    if h == 0 and (k + l) % 2:
        return False
    if l == 0 and h % 2:
        return False
    return True


records = []
for h in range(0, 10):
    for k in range(0, 13):
        for l in range(0, 10):
            if (h, k, l) == (0, 0, 0) or not allowed(h, k, l):
                continue
            g = math.sqrt((h / A) ** 2 + (k / B) ** 2 + (l / C) ** 2)
            if g > GMAX:
                continue
            intensity = 3000 * rng.expovariate(1.0) * math.exp(-1.5 * g * g)
            sigma = math.sqrt(intensity + 25) * rng.uniform(0.8, 1.3)
            g_seen = g * (1 + rng.gauss(0, 0.002))
            records.append((g_seen, h, k, l, intensity, sigma))

records.sort()
with open("cell_example.hkl", "w", newline="\n") as f:
    for g, h, k, l, intensity, sigma in records:
        f.write("%4d%4d%4d%15.2f%15.2f%15.8f\n" % (h, k, l, intensity, sigma, g))
print(len(records), "reflections")
