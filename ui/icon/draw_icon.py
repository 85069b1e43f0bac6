#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the icon, an upward arrow seen in perspective: the window's two 16-colour XPM files
and the smoothed PNG files of the desktop's icon theme.

The arrow is a flat shape (a triangular head on a straight shaft) pushed back along DEPTH, so that its right-hand and lower faces show
in navy. The front of the head is blue, the shaft is striped blue and light grey, and a white
line lights the left-hand edges. Edit the shapes or colours here and run the script again; the
files it writes are what the program and the installed desktop entry use.
"""
import struct
import zlib
from pathlib import Path

PNG_SIZES = (48, 64, 128, 256)  # the sizes of the desktop icon theme

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


def colour_at(point, edge):
    """The palette key of a point of the unit square; `edge` is the width of the lit edge."""
    if in_front(point):
        if not in_front((point[0] - edge, point[1])):
            return "w"
        if inside(point, SHAFT) and not inside(point, HEAD):
            return "b" if int((point[1] - SHAFT[0][1]) / STRIPE) % 2 == 0 else "g"
        return "b"
    if in_body(point):
        return "n"
    return "."


def draw(size):
    """One palette key a pixel, sampled at the pixel's centre: the crisp small icons."""
    return [
        "".join(colour_at(((col + 0.5) / size, (row + 0.5) / size), 1 / size) for col in range(size))
        for row in range(size)
    ]


def draw_smooth(size, samples=4):
    """RGBA rows, each pixel the average of samples x samples points: the large icons."""
    edge = 0.03  # about one pixel of the 32-pixel icon, so every size looks the same
    rgba = {key: (0, 0, 0, 0) if colour == "None" else
            (int(colour[1:3], 16), int(colour[3:5], 16), int(colour[5:7], 16), 255)
            for key, colour in PALETTE.items()}
    rows = []
    for row in range(size):
        line = bytearray()
        for col in range(size):
            total = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    point = ((col + (sx + 0.5) / samples) / size, (row + (sy + 0.5) / samples) / size)
                    r, g, b, a = rgba[colour_at(point, edge)]
                    total = [total[0] + r * a, total[1] + g * a, total[2] + b * a, total[3] + a]
            alpha = total[3]
            line += bytes([t // alpha for t in total[:3]] if alpha else [0, 0, 0])
            line.append(alpha // (samples * samples))
        rows.append(bytes(line))
    return rows


def png(rows):
    size = len(rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


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
    for size in PNG_SIZES:
        (here / f"liftcalc-{size}.png").write_bytes(png(draw_smooth(size)))


if __name__ == "__main__":
    main()
