#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Assembles the web site: the page, its script and style, the WebAssembly module, the web app
manifest, the service worker and the icons (drawn from the window's XPM icon); and
liftcalc.html, the same page with everything inlined, which works when opened from a file."""
import argparse
import base64
import hashlib
import re
import shutil
import struct
import subprocess
import zlib
from pathlib import Path


def read_xpm(path):
    """The pixels of an XPM image as rows of (r, g, b, a)."""
    strings = re.findall(r'"([^"]*)"', path.read_text())
    width, height, colours, per_pixel = map(int, strings[0].split()[:4])
    palette = {}
    for entry in strings[1 : 1 + colours]:
        key, value = entry[:per_pixel], entry[per_pixel:].split()[-1]
        palette[key] = (0, 0, 0, 0) if value.lower() == "none" else (
            int(value[1:3], 16), int(value[3:5], 16), int(value[5:7], 16), 255)
    rows = strings[1 + colours : 1 + colours + height]
    return [[palette[row[x * per_pixel : (x + 1) * per_pixel]] for x in range(width)] for row in rows]


def png(pixels, size):
    """The image scaled to size by whole pixels (the icon is pixel art), as PNG bytes."""
    height, width = len(pixels), len(pixels[0])
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        row = pixels[y * height // size]
        for x in range(size):
            raw.extend(row[x * width // size])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def inline_script(code):
    return "<script>\n" + code.replace("</script", "<\\/script") + "\n</script>"


def single_file(page, styles, module_js, wasm, page_js, icon):
    """index.html with its style, scripts, module and icon inlined; no manifest or worker."""
    html = page.replace('<link rel="manifest" href="manifest.webmanifest">\n', "")
    html = html.replace('<link rel="apple-touch-icon" href="icon-192.png">\n', "")
    html = html.replace('<link rel="preload" href="liftcalc.wasm" as="fetch" type="application/wasm" crossorigin>\n', "")
    fetched = re.search(r'window\.liftcalcCore = .*?;\n', html, re.DOTALL)
    if not fetched:
        raise SystemExit("index.html: no liftcalcCore to inline the module into")
    html = html.replace(fetched.group(0), 'window.liftcalcCore = WebAssembly.compile(Uint8Array.from(atob("'
                        + base64.b64encode(wasm).decode() + '"), (c) => c.charCodeAt(0)));\n')
    html = html.replace('href="icon-32.png"', 'href="data:image/png;base64,' + base64.b64encode(icon).decode() + '"')
    for name, style in styles.items():
        html = html.replace(f'<link rel="stylesheet" href="{name}">', "<style>\n" + style + "</style>")
    html = html.replace('<script src="liftcalc.js"></script>', inline_script(module_js))
    return html.replace(f'<script src="{BUNDLE}"></script>', inline_script(page_js))


def js_minified(terser, code):
    """The script compressed and its local names shortened; its global names and the properties
    the page and its tests reach stay as they are."""
    return subprocess.run([terser, "--compress", "--mangle"], input=code, capture_output=True, text=True,
                          check=True).stdout


def css_minified(style):
    """The style sheet without its comments and the indentation around its lines (its strings
    hold no comment and no line break)."""
    return re.sub(r"\s*\n\s*", "\n", re.sub(r"/\*.*?\*/", "", style, flags=re.DOTALL)).strip() + "\n"


# The page's style sheets; its scripts, in the order they run, served as one file (BUNDLE), since
# each file the page waits for costs a request before its first field takes the focus. Every
# script is strict from its first line, so the bundle is too.
STYLES = ["page.css", "record.css"]
BUNDLE = "page_scripts.js"
SCRIPTS = ["page_window.js", "checks_page.js", "record_store.js", "record_files.js", "record_print.js", "record_browser.js",
           "record_panel.js", "page.js"]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--page", type=Path, required=True)
    parser.add_argument("--icons", type=Path, required=True)
    parser.add_argument("--module", type=Path, required=True, help="the emscripten liftcalc.js")
    parser.add_argument("--out", type=Path, required=True)
    parser.add_argument("--terser", required=True, help="the JavaScript minifier the scripts are served through")
    args = parser.parse_args()

    out = args.out
    out.mkdir(parents=True, exist_ok=True)
    for name in ["index.html", "manifest.webmanifest"]:
        shutil.copyfile(args.page / name, out / name)
    for name in STYLES:
        (out / name).write_text(css_minified((args.page / name).read_text()))
    (out / "liftcalc.js").write_text(js_minified(args.terser, args.module.read_text()))
    (out / BUNDLE).write_text(js_minified(args.terser, "\n".join((args.page / name).read_text() for name in SCRIPTS)))
    shutil.copyfile(args.module.with_suffix(".wasm"), out / "liftcalc.wasm")
    pixels = read_xpm(args.icons / "liftcalc-32.xpm")
    for size in [32, 192, 512]:
        (out / f"icon-{size}.png").write_bytes(png(pixels, size))

    # The worker's cache is named after the site's contents, so a new site replaces the old.
    names = ["index.html", *STYLES, BUNDLE, "liftcalc.js", "liftcalc.wasm", "manifest.webmanifest"]
    version = hashlib.sha256(b"".join((out / n).read_bytes() for n in names)).hexdigest()[:16]
    worker = (args.page / "sw.js").read_text().replace("@SITE_VERSION@", version)
    (out / "sw.js").write_text(worker)

    (out / "liftcalc.html").write_text(single_file(
        (out / "index.html").read_text(), {name: (out / name).read_text() for name in STYLES},
        (out / "liftcalc.js").read_text(),
        (out / "liftcalc.wasm").read_bytes(),
        (out / BUNDLE).read_text(),
        (out / "icon-32.png").read_bytes()))


if __name__ == "__main__":
    main()
