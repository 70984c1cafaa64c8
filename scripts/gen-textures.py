#!/usr/bin/env python3
"""Writes the background textures of the two large pictures into their SVG sources.

A texture is hundreds of faint shapes, too many to draw by hand, and Qt SVG (the
static Tiny profile) has no filters or patterns to make one. This script fills the
part of res/bitmap179.svg and res/bitmap173.svg between the markers
    <!-- generated texture: begin -->  and  <!-- generated texture: end -->
and leaves the rest of each file, which is drawn by hand, untouched. The random
generator is seeded, so running it again gives the same files.

    python3 scripts/gen-textures.py
"""
import math
import pathlib
import random
import re

RES = pathlib.Path(__file__).resolve().parent.parent / "res"
BEGIN = "<!-- generated texture: begin -->"
END = "<!-- generated texture: end -->"


def n(v):
    """A coordinate with one decimal, without a trailing .0."""
    s = f"{v:.1f}"
    return s[:-2] if s.endswith(".0") else s


def smooth_path(points):
    """Catmull-Rom spline through the points, as cubic Bezier segments."""
    d = [f"M{n(points[0][0])},{n(points[0][1])}"]
    for i in range(len(points) - 1):
        p0 = points[i - 1] if i > 0 else points[i]
        p1, p2 = points[i], points[i + 1]
        p3 = points[i + 2] if i + 2 < len(points) else p2
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d.append(f"C{n(c1[0])},{n(c1[1])} {n(c2[0])},{n(c2[1])} {n(p2[0])},{n(p2[1])}")
    return "".join(d)


def walk(rng, x, y, angle, steps, step_len, wobble):
    """A wandering line: each step turns a little from the last."""
    pts = [(x, y)]
    turn = 0.0
    for _ in range(steps):
        turn = 0.6 * turn + rng.uniform(-wobble, wobble)
        angle += turn
        x += math.cos(angle) * step_len * rng.uniform(0.7, 1.3)
        y += math.sin(angle) * step_len * rng.uniform(0.7, 1.3)
        pts.append((x, y))
    return pts


def blob(rng, w, h, grad, rx_range, ry_range):
    cx, cy = rng.uniform(-40, w + 40), rng.uniform(-40, h + 40)
    rx, ry = rng.uniform(*rx_range), rng.uniform(*ry_range)
    rot = rng.uniform(0, 180)
    return (f'<ellipse cx="0" cy="0" rx="{n(rx)}" ry="{n(ry)}" fill="url(#{grad})" '
            f'transform="translate({n(cx)},{n(cy)}) rotate({n(rot)})"/>')


def calm_texture():
    """Main menu: soft light and teal clouds under fine paper fibres."""
    rng = random.Random(179)
    out = []
    for _ in range(26):
        out.append(blob(rng, 640, 480, "blobLight", (60, 170), (40, 110)))
    for _ in range(16):
        out.append(blob(rng, 640, 480, "blobTeal", (60, 160), (40, 100)))
    for colour, count, op_range in (("#ffffff", 330, (0.18, 0.4)), ("#1f6270", 280, (0.035, 0.08))):
        out.append(f'<g fill="none" stroke="{colour}" stroke-linecap="round">')
        for _ in range(count):
            x, y = rng.uniform(0, 640), rng.uniform(0, 480)
            a = rng.uniform(0, math.pi)
            pts = walk(rng, x, y, a, rng.randint(2, 3), rng.uniform(4, 9), 0.35)
            out.append(f'<path d="{smooth_path(pts)}" stroke-width="{n(rng.uniform(0.5, 1.1))}" '
                       f'stroke-opacity="{rng.uniform(*op_range):.2f}"/>')
        out.append("</g>")
    return out


def marble_texture():
    """Diagnosis dialog: grey marble, clouded, with branching dark and white veins."""
    rng = random.Random(173)
    out = []
    for _ in range(34):
        out.append(blob(rng, 640, 480, "cloudLight", (50, 180), (30, 110)))
    for _ in range(44):
        out.append(blob(rng, 640, 480, "cloudDark", (40, 160), (25, 90)))

    veins = []
    for _ in range(26):
        x, y = rng.uniform(-80, 640), rng.uniform(-80, 480)
        a = math.radians(rng.gauss(32, 14))
        veins.append(walk(rng, x, y, a, rng.randint(14, 40), rng.uniform(9, 15), 0.16))

    # faint wide halo along each vein, as the colour bleeds into the stone
    out.append('<g fill="none" stroke="#6a7177" stroke-linecap="round" stroke-linejoin="round">')
    for pts in veins:
        out.append(f'<path d="{smooth_path(pts)}" stroke-width="{n(rng.uniform(5, 9))}" '
                   f'stroke-opacity="{rng.uniform(0.03, 0.06):.2f}"/>')
    out.append("</g>")

    out.append('<g fill="none" stroke="#575e65" stroke-linecap="round" stroke-linejoin="round">')
    for pts in veins:
        out.append(f'<path d="{smooth_path(pts)}" stroke-width="{n(rng.uniform(0.7, 1.9))}" '
                   f'stroke-opacity="{rng.uniform(0.16, 0.36):.2f}"/>')
        # marble veins run in bundles: hairlines beside the main one
        for _ in range(rng.randint(0, 2)):
            off = rng.uniform(2, 6) * rng.choice((-1, 1))
            side = []
            for i, (px, py) in enumerate(pts):
                j = min(i + 1, len(pts) - 1)
                k = max(j - 1, 0)
                dx, dy = pts[j][0] - pts[k][0], pts[j][1] - pts[k][1]
                length = math.hypot(dx, dy) or 1
                wob = rng.uniform(-0.8, 0.8)
                side.append((px - dy / length * (off + wob), py + dx / length * (off + wob)))
            start = rng.randrange(0, len(side) // 2)
            end = rng.randrange(start + 2, len(side) + 1)
            if end - start >= 2:
                out.append(f'<path d="{smooth_path(side[start:end])}" stroke-width="{n(rng.uniform(0.4, 0.7))}" '
                           f'stroke-opacity="{rng.uniform(0.1, 0.22):.2f}"/>')
        for _ in range(rng.randint(1, 4)):
            i = rng.randrange(len(pts) - 1)
            bx, by = pts[i]
            a = math.atan2(pts[i + 1][1] - by, pts[i + 1][0] - bx) + rng.choice((-1, 1)) * rng.uniform(0.4, 1.1)
            branch = walk(rng, bx, by, a, rng.randint(4, 12), rng.uniform(6, 10), 0.3)
            out.append(f'<path d="{smooth_path(branch)}" stroke-width="{n(rng.uniform(0.4, 0.9))}" '
                       f'stroke-opacity="{rng.uniform(0.12, 0.3):.2f}"/>')
    out.append("</g>")

    out.append('<g fill="none" stroke="#ffffff" stroke-linecap="round" stroke-linejoin="round">')
    for _ in range(14):
        x, y = rng.uniform(-60, 640), rng.uniform(-60, 480)
        a = math.radians(rng.gauss(-25, 15))
        pts = walk(rng, x, y, a, rng.randint(10, 26), rng.uniform(8, 13), 0.2)
        out.append(f'<path d="{smooth_path(pts)}" stroke-width="{n(rng.uniform(0.8, 2.2))}" '
                   f'stroke-opacity="{rng.uniform(0.25, 0.5):.2f}"/>')
    out.append("</g>")

    out.append('<g fill="#5f666d">')
    for _ in range(260):
        out.append(f'<circle cx="{n(rng.uniform(0, 640))}" cy="{n(rng.uniform(0, 480))}" '
                   f'r="{n(rng.uniform(0.4, 1))}" fill-opacity="{rng.uniform(0.06, 0.14):.2f}"/>')
    out.append("</g>")
    return out


def fill(name, lines):
    path = RES / name
    text = path.read_text(encoding="utf-8")
    m = re.search(r"^([ \t]*)" + re.escape(BEGIN) + r".*?" + re.escape(END), text, re.S | re.M)
    if not m:
        raise SystemExit(f"{name}: texture markers not found")
    indent = m.group(1)
    body = "\n".join(indent + "  " + line for line in lines)
    new = f"{indent}{BEGIN}\n{indent}<g>\n{body}\n{indent}</g>\n{indent}{END}"
    path.write_text(text[:m.start()] + new + text[m.end():], encoding="utf-8")
    print(f"{name}: {len(lines)} lines, {path.stat().st_size} bytes")


if __name__ == "__main__":
    fill("bitmap179.svg", calm_texture())
    if (RES / "bitmap173.svg").exists():
        fill("bitmap173.svg", marble_texture())
