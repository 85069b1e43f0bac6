#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the window icon, an upward arrow seen in perspective, as two 16-colour XPM files.

The arrow is a flat shape (a triangular head on a straight shaft) pushed back along DEPTH, so that its right-hand and lower faces show
in navy. The front of the head is blue, the shaft is striped blue and light grey, and a white
line lights the left-hand edges. Edit the shapes or colours here and run the script again; the
XPM files it writes are what the program and the installed desktop entry use.
"""
from pathlib import Path

PALETTE = {
    ".": "None",  # transparent
    "b": "#1F5FD8",  # blue: front faces
    "n": "#000080",  # navy: the faces turned away from the light
    "g": "#C8C8C8",  # light grey: stripes of the shaft
    "w": "#FFFFFF",  # white: lit edges
}

HEAD = [(0.50, 0.03), (0.88, 0.47), (0.12, 0.47)]
SHAFT = [(0.36, 0.46), (0.62, 0.46), (0.62, 0.94), (0.36, 0.94)]
DEPTH = (0.07, 0.035)
STRIPE = 0.125  # height of one stripe of the shaft


def inside(point, polygon):
    x, y = point
    result = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            result = not result
    return result


def in_front(point):
    return inside(point, HEAD) or inside(point, SHAFT)


def in_body(point):
    steps = 24
    return any(
        in_front((point[0] - DEPTH[0] * t / steps, point[1] - DEPTH[1] * t / steps))
        for t in range(steps + 1)
    )


def draw(size):
    def centre(col, row):
        return ((col + 0.5) / size, (row + 0.5) / size)

    rows = []
    for row in range(size):
        line = ""
        for col in range(size):
            p = centre(col, row)
            if in_front(p):
                left = centre(col - 1, row)
                if not in_front(left):
                    line += "w"
                elif inside(p, SHAFT) and not inside(p, HEAD):
                    line += "b" if int((p[1] - SHAFT[0][1]) / STRIPE) % 2 == 0 else "g"
                else:
                    line += "b"
            elif in_body(p):
                line += "n"
            else:
                line += "."
        rows.append(line)
    return rows


def xpm(name, rows):
    size = len(rows)
    lines = [f'"{size} {size} {len(PALETTE)} 1",']
    lines += [f'"{key} c {colour}",' for key, colour in PALETTE.items()]
    lines += [f'"{row}",' for row in rows]
    lines[-1] = lines[-1].rstrip(",")
    body = "\n".join(lines)
    return f"/* XPM */\nstatic const char *{name}[] = {{\n{body}\n}};\n"


def main():
    here = Path(__file__).resolve().parent
    for size in (32, 16):
        name = f"liftcalc_{size}"
        (here / f"liftcalc-{size}.xpm").write_text(xpm(name, draw(size)))


if __name__ == "__main__":
    main()
