#!/usr/bin/env python3
"""Writes the example zone files (zap001, zap100, zap010) and in.txt.

Three precession patterns of an orthorhombic perovskite, space group Pnma (62),
a = 5.44, b = 7.64, c = 5.38 angstrom, recorded at 200 kV with a 1.2 degree semi-angle,
calibration 600 pixels per reciprocal angstrom, pattern centre (1024, 1024). Each zone holds
both Friedel mates of every spot, a few reflections that the space group forbids (seen through
multiple scattering), weak reflections whose background-subtracted intensity is negative,
and its own overall scale. Run once; the files it writes are part of the repository.
"""
import math
import random

A, B, C = 5.44, 7.64, 5.38
VOLTAGE, ANGLE, PIXELS_PER_G, CENTRE, GMAX = 200.0, 1.2, 600.0, 1024.0, 1.6


def radius():
    m0, e, planck, c = 9.10938215e-31, 1.60217653e-19, 6.62606896e-34, 299792458.0
    vv = VOLTAGE * 1000
    lam = planck / (math.sqrt(2 * m0 * e * vv) * math.sqrt(1 + e * vv / (2 * m0 * c * c)))
    return 2 * (1e-10 / lam) * math.sin(math.radians(ANGLE))


def allowed(h, k, l):  # Pnma: 0kl k+l=2n, hk0 h=2n
    if h == 0 and (k + l) % 2:
        return False
    if l == 0 and h % 2:
        return False
    return True


rng = random.Random(62)
true_f2 = {}


def true_intensity(h, k, l):
    key = (abs(h), abs(k), abs(l))  # mmm equivalents share one intensity
    if key not in true_f2:
        g2 = (h / A) ** 2 + (k / B) ** 2 + (l / C) ** 2
        true_f2[key] = 4000 * rng.expovariate(1.0) * math.exp(-1.2 * g2)
    return true_f2[key]


ZONES = [  # name, axis, in-plane vectors (u, v) of the pattern, rotation, scale
    ("zap001", "[001]", lambda h, k: (h, k, 0), (1 / A, 1 / B), 12.0, 1.00),
    ("zap100", "[100]", lambda k, l: (0, k, l), (1 / B, 1 / C), -33.0, 0.62),
    ("zap010", "[010]", lambda h, l: (h, 0, l), (1 / A, 1 / C), 71.0, 1.45),
]

R = radius()
for name, axis, index, (du, dv), rotation, scale in ZONES:
    rows = []
    for p in range(-12, 13):
        for q in range(-12, 13):
            h, k, l = index(p, q)
            if (h, k, l) == (0, 0, 0):
                continue
            gu, gv = p * du, q * dv
            g = math.hypot(gu, gv)
            if g > GMAX:
                continue
            lorentz = g * math.sqrt(1 - (g / R) ** 2)
            if allowed(h, k, l):
                expected = scale * true_intensity(h, k, l) / lorentz
            elif rng.random() < 0.25:
                expected = rng.uniform(2, 25)  # forbidden, seen through multiple scattering
            else:
                continue
            background = rng.uniform(15, 40)
            poisson = math.sqrt(max(expected, 1.0))
            sig_bg = math.sqrt(max(expected, 0) + 2 * background)
            intensity = expected + rng.gauss(0, sig_bg)
            t = math.radians(rotation)
            x = CENTRE + PIXELS_PER_G * (gu * math.cos(t) - gv * math.sin(t)) + rng.gauss(0, 0.3)
            y = CENTRE + PIXELS_PER_G * (gu * math.sin(t) + gv * math.cos(t)) + rng.gauss(0, 0.3)
            gm = math.hypot(x - CENTRE, y - CENTRE) / PIXELS_PER_G
            rows.append((h, k, l, intensity, poisson, background, sig_bg, gm, 1 / gm, x, y))
    rng.shuffle(rows)
    with open(name, "w", newline="\n") as f:
        f.write("; Precession electron diffraction, zone axis %s\n" % axis)
        f.write("; Pnma (62), a = %.2f b = %.2f c = %.2f, %g kV, semi-angle %.1f deg\n"
                % (A, B, C, VOLTAGE, ANGLE))
        f.write(";   h   k   l          I  Poisson(I)     bg  Sig(bg)        g       d"
                "        x        y\n")
        for r in rows:
            f.write("%5d%4d%4d%11.2f%11.2f%8.2f%9.2f%9.5f%8.4f%9.2f%9.2f\n" % r)

with open("in.txt", "w", newline="\n") as f:
    for name, *_ in ZONES:
        f.write(name + "\n")
