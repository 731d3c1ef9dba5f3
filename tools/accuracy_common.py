"""Shared by the tools that measure the engine against PyEphem and ERFA."""


def delta_t_seconds(jd_ut):
    """TT - UT, seconds: the Espenak-Meeus polynomials, as astro/time_scales.cpp."""
    y = 2000.0 + (jd_ut - 2451544.5) / 365.2425
    if 1860 <= y < 1900:
        t = y - 1860
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))))
    if 1900 <= y < 1920:
        t = y - 1900
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)))
    if 1920 <= y < 1941:
        t = y - 1920
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936))
    if 1941 <= y < 1961:
        t = y - 1950
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0))
    if 1961 <= y < 1986:
        t = y - 1975
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0))
    if 1986 <= y < 2005:
        t = y - 2000
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))))
    if 2005 <= y < 2050:
        t = y - 2000
        return 62.92 + t * (0.32217 + t * 0.005589)
    u = (y - 1820) / 100
    if 2050 <= y < 2150:
        return -20 + 32 * u * u - 0.5628 * (2150 - y)
    return -20 + 32 * u * u
