#!/usr/bin/python3
"""Writes tests/astro/data/small_bodies_ephem.csv: astrometric and apparent
geocentric places of comets and asteroids from PyEphem, against which
astro/orbit.cpp and astro/small_body.cpp are tested.

Run once with Debian's interpreter and its python3-ephem package:

    /usr/bin/python3 tools/make_small_body_reference.py > tests/astro/data/small_bodies_ephem.csv

Each body is given to PyEphem and to the program with the same elements
(J2000 ecliptic and equinox): an ellipse by a and the mean anomaly at an
epoch (EllipticalBody), every other orbit by q and the perihelion time
(EllipticalBody again for e < 1, HyperbolicBody for e >= 1: see body_of). The bodies are seen from the Earth's centre at dates from two years
before the epoch to two years after it. Dates are PyEphem's: Universal Time,
its own Delta T giving the Terrestrial Time written in "tt".

A last body passes 0.02 AU from the Earth (its elements made from a state
vector beside ERFA's Earth): it is also seen from places on the Earth, whose
apparent topocentric place (PyEphem's ra and dec, its observer at sea level,
without refraction, its epoch the date) differs from the geocentric one by
up to 7'. PyEphem's own heliocentric places are good to some 3e-6 AU (0.5-1"
at 0.7 AU), which at 0.02 AU moves it by 35": for that body the test holds
the parallax, the topocentric place less the geocentric one, to PyEphem's.

Columns: name, form ("a": a, e, i, node, peri, M, epoch; "q": q, e, i, node,
peri, T, epoch), seven element values (days as Julian days), tt, then
PyEphem's a_ra (hours), a_dec (degrees), g_ra (hours), g_dec (degrees),
earth_distance and sun_distance (AU), then ut, latitude and east longitude
(degrees), then mag (PyEphem's, to 0.01: H 10, G 0.15 for the "a" form, the
IAU phase law; M1 6, K1 10 for the "q" form). Seen from a place (latitude given), g_ra and g_dec hold the
topocentric ra and dec.
"""
import math

import ephem
import erfa

DUBLIN = 2415020.0

# name, form, elements: invented orbits of each kind, near real bodies'.
BODIES = [
    ("ceres-like", "a", (2.7675, 0.0785, 10.589, 80.267, 73.73, 291.38, 2460000.5)),
    ("nea-like", "a", (1.458, 0.2227, 10.83, 304.3, 178.9, 110.8, 2460000.5)),
    ("encke-like", "q", (0.3359, 0.8483, 11.78, 334.57, 186.55, 2460240.0, 2460200.5)),
    ("halley-like", "q", (0.586, 0.9671, 162.26, 58.42, 111.33, 2461100.3, 2461000.5)),
    ("near-parabolic", "q", (0.2946, 0.99918, 128.94, 61.01, 37.28, 2459034.18, 2459000.5)),
    ("long-period", "q", (1.10, 0.99995, 45.0, 200.0, 120.0, 2460500.7, 2460400.5)),
    ("parabolic", "q", (0.95, 1.0, 70.0, 110.0, 300.0, 2460300.2, 2460300.5)),
    ("hyperbolic", "q", (2.0066, 3.3565, 44.05, 308.15, 209.12, 2458826.05, 2458800.5)),
    ("mild-hyperbolic", "q", (0.2556, 1.2011, 122.74, 24.60, 241.70, 2458006.0, 2458000.5)),
]


MU = 0.01720209895 ** 2


def elements_of_state(r, v, t):
    """q, e, i, node, peri (degrees), T of a heliocentric ecliptic state (AU, AU/day) at JD t."""
    rr = math.sqrt(sum(x * x for x in r))
    h = [r[1] * v[2] - r[2] * v[1], r[2] * v[0] - r[0] * v[2], r[0] * v[1] - r[1] * v[0]]
    hh = math.sqrt(sum(x * x for x in h))
    rv = sum(a * b for a, b in zip(r, v))
    vv = sum(x * x for x in v)
    ev = [((vv - MU / rr) * r[k] - rv * v[k]) / MU for k in range(3)]
    e = math.sqrt(sum(x * x for x in ev))
    inc = math.degrees(math.acos(h[2] / hh))
    node = math.degrees(math.atan2(h[0], -h[1])) % 360
    n = [math.cos(math.radians(node)), math.sin(math.radians(node)), 0.0]
    peri = math.degrees(math.acos(sum(a * b for a, b in zip(n, ev)) / e))
    if ev[2] < 0:
        peri = 360 - peri
    a = 1 / (2 / rr - vv / MU)
    q = a * (1 - e)
    # Eccentric anomaly from r and r.v; the time since perihelion from Kepler's equation.
    big_e = math.atan2(rv / math.sqrt(MU * a), 1 - rr / a)
    t_peri = t - (big_e - e * math.sin(big_e)) * a ** 1.5 / math.sqrt(MU)
    return q, e, inc, node, peri, t_peri


def close_approach(tt):
    """Elements of a body 0.02 AU from the Earth at tt, moving 4 km/s against it."""
    pv, _ = erfa.epv00(2400000.5, tt - 2400000.5)
    eps = math.radians(84381.448 / 3600)
    def ecliptic(x):
        return [x[0], math.cos(eps) * x[1] + math.sin(eps) * x[2],
                -math.sin(eps) * x[1] + math.cos(eps) * x[2]]
    earth, speed = ecliptic(pv[0]), ecliptic(pv[1])
    r = [earth[0] + 0.012, earth[1] - 0.01, earth[2] + 0.012]
    v = [speed[0] * 0.99, speed[1] * 0.99 + 0.002, speed[2] + 0.001]
    return elements_of_state(r, v, tt)


PLACES = [(51.48, 0.0), (-33.9, 18.4), (64.1, -21.9), (19.8, -155.5), (35.7, 139.7)]


def body_of(form, el):
    if form == "a":
        a, e, inc, node, peri, m, epoch = el
        b = ephem.EllipticalBody()
        b._a, b._e, b._M, b._epoch_M = a, e, m, ephem.Date(epoch - DUBLIN)
    else:
        q, e, inc, node, peri, t, epoch = el
        if e < 1.0:
            b = ephem.EllipticalBody()
            a = q / (1.0 - e)
            b._a, b._e, b._M, b._epoch_M = a, e, 0.0, ephem.Date(t - DUBLIN)
        else:
            # PyEphem's ParabolicBody strays by up to 5' from its own
            # HyperbolicBody at e = 1.000001: the parabola is given to it as
            # a hyperbola of e = 1 + 1e-9, a change of far less than 0.01".
            b = ephem.HyperbolicBody()
            b._q, b._e, b._epoch_p = q, max(e, 1.0 + 1e-9), ephem.Date(t - DUBLIN)
    b._inc, b._Om, b._om = inc, node, peri
    b._epoch = ephem.J2000
    # Magnitudes: H 10, G 0.15 for the ellipses given by a; M1 6, K1 10 (k 4) for the others.
    if form == "a":
        b._H, b._G = 10.0, 0.15
    else:
        b._g, b._k = 6.0, 4.0
    return b


def row(name, form, el, tt, ut, b, ra, dec, place):
    where = "%.2f,%.2f" % place if place else ","
    print("%s,%s,%s,%.8f,%.10f,%.9f,%.10f,%.9f,%.9f,%.9f,%.8f,%s,%.2f"
          % (name, form, ",".join(repr(x) for x in el), tt,
             b.a_ra * 12 / ephem.pi, b.a_dec * 180 / ephem.pi, ra * 12 / ephem.pi,
             dec * 180 / ephem.pi, b.earth_distance, b.sun_distance, ut, where, b.mag))


def main():
    print("name,form,e1,e2,e3,e4,e5,e6,e7,tt,a_ra,a_dec,g_ra,g_dec,earth_distance,sun_distance,"
          "ut,latitude,longitude,mag")
    for name, form, el in BODIES:
        b = body_of(form, el)
        epoch = el[6]
        for step in range(-8, 9):
            ut = epoch + step * 91.3125 + 0.37
            date = ephem.Date(ut - DUBLIN)
            tt = ut + ephem.delta_t(date) / 86400.0
            b.compute(date)
            row(name, form, el, tt, ut, b, b.g_ra, b.g_dec, None)

    ut0 = 2460400.3
    tt0 = ut0 + ephem.delta_t(ephem.Date(ut0 - DUBLIN)) / 86400.0
    el = tuple(round(x, 10) for x in close_approach(tt0)) + (round(tt0, 5),)
    b = body_of("q", el)
    for hours in range(-12, 13, 3):
        ut = ut0 + hours / 24.0
        date = ephem.Date(ut - DUBLIN)
        tt = ut + ephem.delta_t(date) / 86400.0
        b.compute(date)
        row("close-approach", "q", el, tt, ut, b, b.g_ra, b.g_dec, None)
        for lat, lon in PLACES:
            obs = ephem.Observer()
            obs.lat, obs.lon = str(lat), str(lon)
            obs.elevation, obs.pressure = 0.0, 0.0
            obs.date = obs.epoch = date
            b.compute(obs)
            row("close-approach", "q", el, tt, ut, b, b.ra, b.dec, (lat, lon))


if __name__ == "__main__":
    main()
