"""cnstline.bin: the constellation figures, simplified to the program's 528 vertices.

The figures of d3-celestial have 743 edges in 150 polylines, far more than the
528 records the program reads. Every vertex is snapped to its Bright Star
Catalogue star, each figure becomes a graph of stars, and the faintest stars
are taken out first until the figures fit:

* a faint star in the middle of a line is skipped (its neighbours are joined),
* a faint loose end is cut,
* a loop is opened at its faintest edge.

Stars brighter than V 3.5 are never taken out and every figure keeps at least
three edges. Each figure's graph is then drawn with the fewest polylines (an
Euler-trail decomposition), and a polyline is split where needed to land on
exactly 528 records (one record per vertex of each polyline).
"""

import collections
import json
import math
import pathlib

from . import records

RECORD_COUNT = 528
PROTECTED_MAGNITUDE = 3.5  # stars brighter than this stay in every figure
MIN_EDGES = 3
KEEP_FRACTION = 0.35
# Small figures known by every one of their fourth-magnitude stars: the Little
# Dipper, the parallelogram of Lyra and the diamond of the Dolphin.
KEEP_WHOLE = {"UMi", "Lyr", "Del"}


class Figure:
    """One constellation figure as an undirected graph of HR numbers."""

    def __init__(self, abbreviation):
        self.abbreviation = abbreviation
        self.edges = set()  # frozenset({hr_a, hr_b})

    def neighbours(self, hr):
        return {other for e in self.edges if hr in e for other in e if other != hr}

    def vertices(self):
        return {hr for e in self.edges for hr in e}


def read_figures(path: pathlib.Path, index):
    """The figures in file order, each vertex snapped to the nearest catalogue star."""
    figures = {}
    for feature in json.loads(path.read_text())["features"]:
        figure = figures.setdefault(feature["id"], Figure(feature["id"]))
        for line in feature["geometry"]["coordinates"]:
            hrs = []
            for lon, lat in line:
                star, distance = index.nearest(lon % 360, lat)
                if distance > 0.1:
                    raise ValueError(f"{feature['id']}: no catalogue star at {lon}, {lat}")
                hrs.append(star.hr)
            for a, b in zip(hrs, hrs[1:]):
                if a != b:
                    figure.edges.add(frozenset((a, b)))
    return list(figures.values())


# --- counting records -------------------------------------------------------

def _components(edges):
    adjacency = collections.defaultdict(set)
    for e in edges:
        a, b = tuple(e)
        adjacency[a].add(b)
        adjacency[b].add(a)
    seen, components = set(), []
    for start in adjacency:
        if start in seen:
            continue
        stack, component = [start], set()
        while stack:
            v = stack.pop()
            if v not in component:
                component.add(v)
                stack.extend(adjacency[v] - component)
        seen |= component
        components.append(component)
    return components, adjacency


def record_count(edges):
    """Vertices needed to draw the edges with the fewest polylines."""
    components, adjacency = _components(edges)
    trails = 0
    for component in components:
        odd = sum(1 for v in component if len(adjacency[v]) % 2)
        trails += max(1, odd // 2)
    return len(edges) + trails


# --- simplification ----------------------------------------------------------

def _is_bridge(edges, edge):
    before = len(_components(edges)[0])
    return len(_components(edges - {edge})[0]) > before


def _candidate_cuts(figure, magnitude, floor):
    """(faintness, new edge set) for every allowed simplification of one figure."""
    cuts = []
    for hr in figure.vertices():
        if magnitude[hr] < PROTECTED_MAGNITUDE:
            continue
        around = figure.neighbours(hr)
        touching = {e for e in figure.edges if hr in e}
        if len(around) == 1:  # a loose end
            cuts.append((magnitude[hr], figure.edges - touching))
        elif len(around) == 2:  # a middle star: join its neighbours
            a, b = around
            cuts.append((magnitude[hr], (figure.edges - touching) | {frozenset((a, b))}))
    for edge in figure.edges:  # open a loop: an edge whose removal disconnects nothing
        a, b = tuple(edge)
        if max(magnitude[a], magnitude[b]) < PROTECTED_MAGNITUDE:
            continue
        if not _is_bridge(figure.edges, edge):
            cuts.append(((magnitude[a] + magnitude[b]) / 2, figure.edges - {edge}))
    return [(faintness, edges) for faintness, edges in cuts if len(edges) >= floor]


def simplify(figures, magnitude, target=RECORD_COUNT, keep=KEEP_FRACTION):
    """Takes out the faintest stars, all figures together, until they fit in target.

    Each figure keeps at least the fraction keep of its edges (and MIN_EDGES), so
    that figures made of fourth-magnitude stars are thinned, not stripped, while
    the brighter figures keep most of theirs.
    """
    counts = {f.abbreviation: record_count(f.edges) for f in figures}
    floors = {f.abbreviation: max(MIN_EDGES, math.ceil(keep * len(f.edges))) for f in figures}
    for name in KEEP_WHOLE:
        floors[name] = math.inf
    cache = {}
    while sum(counts.values()) > target:
        best = None
        for figure in figures:
            if figure.abbreviation not in cache:
                cache[figure.abbreviation] = _candidate_cuts(figure, magnitude,
                                                             floors[figure.abbreviation])
            for faintness, edges in cache[figure.abbreviation]:
                saving = counts[figure.abbreviation] - record_count(edges)
                if saving > 0 and (best is None or faintness > best[0]):
                    best = (faintness, figure, edges)
        if best is None:
            raise RuntimeError(f"the figures cannot be simplified below {sum(counts.values())}")
        _, figure, edges = best
        figure.edges = edges
        counts[figure.abbreviation] = record_count(edges)
        del cache[figure.abbreviation]
    return sum(counts.values())


# --- polylines ---------------------------------------------------------------

def _euler_trails(edges, magnitude):
    """The fewest trails covering every edge once (odd vertices paired by virtual edges)."""
    components, adjacency = _components(edges)
    trails = []
    for component in components:
        # Start from the brightest odd star so the first trail begins on a bright star.
        odd = sorted((v for v in component if len(adjacency[v]) % 2), key=lambda v: magnitude[v])
        links = collections.defaultdict(list)  # vertex -> [(other, edge id, virtual)]
        edge_id = 0
        for e in edges:
            a, b = tuple(e)
            if a in component:
                links[a].append((b, edge_id, False))
                links[b].append((a, edge_id, False))
                edge_id += 1
        for a, b in zip(odd[2::2], odd[3::2]):  # leave odd[0], odd[1] as the circuit's ends
            links[a].append((b, edge_id, True))
            links[b].append((a, edge_id, True))
            edge_id += 1
        start = odd[0] if odd else min(component, key=lambda v: magnitude[v])
        circuit = _hierholzer(links, start)
        trails.extend(_split_at_virtual(circuit))
    return trails


def _hierholzer(links, start):
    """Euler path as [(vertex, virtual edge taken to reach it)]."""
    used, stack, path = set(), [(start, False)], []
    pointer = collections.defaultdict(int)
    while stack:
        v, _ = stack[-1]
        while pointer[v] < len(links[v]) and links[v][pointer[v]][1] in used:
            pointer[v] += 1
        if pointer[v] == len(links[v]):
            path.append(stack.pop())
        else:
            other, eid, virtual = links[v][pointer[v]]
            used.add(eid)
            stack.append((other, virtual))
    path.reverse()
    return path


def _split_at_virtual(circuit):
    """Cuts a walk where it crossed a virtual edge; each piece is a real polyline."""
    trails, current = [], [circuit[0][0]]
    for vertex, virtual in circuit[1:]:
        if virtual:
            trails.append(current)
            current = [vertex]
        else:
            current.append(vertex)
    trails.append(current)
    return [t for t in trails if len(t) >= 2]


def polylines(figures, magnitude, target=RECORD_COUNT):
    """(abbreviation, [HR ...]) polylines with exactly target vertices in all."""
    lines = [(f.abbreviation, trail) for f in figures for trail in _euler_trails(f.edges, magnitude)]
    total = sum(len(t) for _, t in lines)
    while total < target:  # split the longest polyline at its middle vertex
        i = max(range(len(lines)), key=lambda k: len(lines[k][1]))
        name, trail = lines[i]
        middle = len(trail) // 2
        lines[i:i + 1] = [(name, trail[:middle + 1]), (name, trail[middle:])]
        total += 1
    if total != target:
        raise RuntimeError(f"{total} figure vertices, expected {target}")
    return lines


def write_lines(lines, by_hr, path: pathlib.Path):
    rows = []
    for _, trail in lines:
        for k, hr in enumerate(trail):
            star = by_hr[hr]
            rows.append((star.ra_hours, star.dec_degrees, 1 if k == len(trail) - 1 else 0))
    records.write_records(path, records.LINE_VERTEX, rows, RECORD_COUNT)


# --- contact sheet -----------------------------------------------------------

def _project(ra_hours, dec, centre_ra, centre_dec):
    """Gnomonic-free orthographic projection about a centre, east to the left."""
    ra, dec = math.radians(ra_hours * 15), math.radians(dec)
    ra0, dec0 = math.radians(centre_ra * 15), math.radians(centre_dec)
    x = math.cos(dec) * math.sin(ra - ra0)
    y = math.cos(dec0) * math.sin(dec) - math.sin(dec0) * math.cos(dec) * math.cos(ra - ra0)
    return -x, y


def _centre(points):
    xs = [math.cos(math.radians(d)) * math.cos(math.radians(r * 15)) for r, d in points]
    ys = [math.cos(math.radians(d)) * math.sin(math.radians(r * 15)) for r, d in points]
    zs = [math.sin(math.radians(d)) for _, d in points]
    x, y, z = sum(xs), sum(ys), sum(zs)
    return (math.degrees(math.atan2(y, x)) % 360) / 15, math.degrees(math.atan2(z, math.hypot(x, y)))


def contact_sheet(original, lines, by_hr, path: pathlib.Path):
    """A PNG with one panel per constellation: the kept figure in white over the
    original figure in dark red, stars sized by magnitude."""
    from PIL import Image, ImageDraw

    names = list(dict.fromkeys(name for name, _ in lines))
    columns, cell = 11, 180
    rows = math.ceil(len(names) / columns)
    sheet = Image.new("RGB", (columns * cell, rows * cell), "black")
    draw = ImageDraw.Draw(sheet)
    for n, name in enumerate(names):
        ox, oy = (n % columns) * cell, (n // columns) * cell
        kept = [t for a, t in lines if a == name]
        before = original[name]
        stars = {hr for e in before for hr in e}
        points = [(by_hr[h].ra_hours, by_hr[h].dec_degrees) for h in stars]
        centre = _centre(points)
        xy = {h: _project(by_hr[h].ra_hours, by_hr[h].dec_degrees, *centre) for h in stars}
        span = max(max(abs(x), abs(y)) for x, y in xy.values()) or 1
        scale = (cell / 2 - 16) / span

        def at(h):
            x, y = xy[h]
            return ox + cell / 2 + x * scale, oy + cell / 2 + 6 - y * scale

        for e in before:
            a, b = tuple(e)
            draw.line([at(a), at(b)], fill=(110, 30, 30), width=1)
        for trail in kept:
            draw.line([at(h) for h in trail], fill=(230, 230, 230), width=2)
        for h in stars:
            r = max(1.0, 4.5 - 0.7 * by_hr[h].vmag)
            x, y = at(h)
            colour = (255, 220, 80) if by_hr[h].vmag < PROTECTED_MAGNITUDE else (120, 160, 255)
            draw.ellipse([x - r, y - r, x + r, y + r], fill=colour)
        edges = sum(len(t) - 1 for t in kept)
        draw.text((ox + 4, oy + 2), f"{name} {edges}e/{len(kept)}p", fill=(200, 200, 200))
        draw.rectangle([ox, oy, ox + cell - 1, oy + cell - 1], outline=(50, 50, 50))
    sheet.save(path, optimize=True)
