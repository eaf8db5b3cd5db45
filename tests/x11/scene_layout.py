"""Reads a finished scene back from a screenshot: where the rings are, and which segments
the program should have drawn for them, as kiv-trace computes them."""

import os
import subprocess
import tempfile

from picture import WHITE, YELLOW

RING_SPAN = 8  # a ring of radius 3 fits in 7 pixels; more means two rings touch


def clusters(picture, colour, reach):
    """Groups the pixels of one colour that lie within reach pixels of each other, so that the
    arcs of a ring that lines cut through stay together. Returns lists of (x, y)."""
    pixels = picture.pixels_of(colour)
    index = {p: i for i, p in enumerate(pixels)}
    parent = list(range(len(pixels)))

    def root(i):
        while parent[i] != i:
            parent[i] = parent[parent[i]]
            i = parent[i]
        return i

    for i, (x, y) in enumerate(pixels):
        for dx in range(-reach, reach + 1):
            for dy in range(-reach, reach + 1):
                j = index.get((x + dx, y + dy))
                if j is not None:
                    parent[root(i)] = root(j)
    groups = {}
    for i, p in enumerate(pixels):
        groups.setdefault(root(i), []).append(p)
    return list(groups.values())


def span(group):
    return max(max(x for x, _ in group) - min(x for x, _ in group),
               max(y for _, y in group) - min(y for _, y in group))


def centre(box):
    x0, y0, x1, y1 = box
    return ((x0 + x1) / 2, (y0 + y1) / 2)


def fitted_centre(pixels, radius):
    """The centre of the circle of the given radius that best fits the pixels, by least squares
    over a grid: lines drawn later erase parts of a ring, so its bounding box can mislead."""
    points = [(x + 0.5, y + 0.5) for x, y in pixels]

    def misfit(cx, cy):
        return sum((((x - cx) ** 2 + (y - cy) ** 2) ** 0.5 - radius) ** 2 for x, y in points)

    cx, cy = centre((min(p[0] for p in points), min(p[1] for p in points),
                     max(p[0] for p in points), max(p[1] for p in points)))
    for step in (1.0, 0.25, 0.05):
        candidates = [(cx + i * step, cy + j * step) for i in range(-4, 5) for j in range(-4, 5)]
        cx, cy = min(candidates, key=lambda c: misfit(*c))
    return cx, cy


def merge_fragments(groups):
    """Joins pieces of one ring that lines have cut apart: together they still fit in a
    ring's span, which pieces of two different rings do not."""
    merged = []
    for group in sorted(groups, key=len, reverse=True):
        home = next((m for m in merged if span(m + group) <= RING_SPAN), None)
        if home is None:
            merged.append(list(group))
        else:
            home.extend(group)
    return merged


def ring_centres(picture):
    """The centres of the yellow rings, the start point (inside the white ring) last; None
    when two rings touch and cannot be told apart."""
    rings = merge_fragments(clusters(picture, YELLOW, 3))
    if any(span(ring) > RING_SPAN for ring in rings):
        return None
    whites = clusters(picture, WHITE, 4)
    if len(whites) != 1 or span(whites[0]) > 2 * RING_SPAN:
        return None
    points = [fitted_centre(ring, 3) for ring in rings]
    wx, wy = fitted_centre(whites[0], 6)
    points.sort(key=lambda p: (p[0] - wx) ** 2 + (p[1] - wy) ** 2, reverse=True)
    return points


def expected_pairs(trace_tool, points, width, height):
    """(neighbour pairs, tree pairs) that a scene of these points draws, as index pairs."""
    draws = [0, 0, 0, 0, 0, (len(points) - 4) / 46 + 1e-6]
    for x, y in points:
        # A ring cut by the screen edge can fit a centre just off screen.
        draws += [min(max(x / width, 0), 0.9999999), min(max(y / height, 0), 0.9999999)]
    with tempfile.NamedTemporaryFile("w", suffix=".draws", delete=False) as file:
        file.write("".join(f"{d!r}\n" for d in draws))
    try:
        pairs = len(points) * (len(points) - 1) // 2
        out = subprocess.run(
            [trace_tool, "--width", str(width), "--height", str(height), "--draws", file.name,
             "--quit-at-yield", str(pairs + 1_000_000)],
            capture_output=True, text=True, check=True, timeout=60).stdout.splitlines()
    finally:
        os.unlink(file.name)

    def nearest(x, y):
        return min(range(len(points)),
                   key=lambda k: (points[k][0] - x) ** 2 + (points[k][1] - y) ** 2)

    def pairs(verb):
        lines = [list(map(float, l.split()[1:5])) for l in out if l.startswith(verb + " ")]
        return [frozenset((nearest(x1, y1), nearest(x2, y2))) for x1, y1, x2, y2 in lines]

    return set(pairs("linec")), pairs("line")[1:]  # the first line only places the title


def places_along(points, pair, margin=10, step=2):
    """Pixels along the segment between two points, every step pixels, away from the rings."""
    (x1, y1), (x2, y2) = (points[k] for k in pair)
    length = ((x2 - x1) ** 2 + (y2 - y1) ** 2) ** 0.5
    return [(round(x1 + (x2 - x1) * t / length), round(y1 + (y2 - y1) * t / length))
            for t in range(margin, int(length) - margin + 1, step)]


def near_pairs(points, pairs, reach=2):
    """Every pixel within reach of the segments of the pairs."""
    near = set()
    for pair in pairs:
        for x, y in places_along(points, pair, margin=0, step=1):
            near.update((x + dx, y + dy) for dx in range(-reach, reach + 1)
                        for dy in range(-reach, reach + 1))
    return near


def coverage(picture, points, pair, colour, skip=frozenset()):
    """The share of places along the segment between two points, away from their rings and
    from the pixels in skip, with the colour in their 3 x 3 neighbourhood; None when fewer
    than five places are left to tell."""
    places = [p for p in places_along(points, pair) if p not in skip]
    if len(places) < 5:
        return None
    hits = sum(any(picture.pixel(x + dx, y + dy) == colour
                   for dx in (-1, 0, 1) for dy in (-1, 0, 1)) for x, y in places)
    return hits / len(places)
