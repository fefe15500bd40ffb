#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Puts the page together: the window as it opens (written by write_window from the layout table
and the binding), its style, its script (the page's side of the controls and the program's
start), and the compiled program, its JavaScript and its WebAssembly, compressed, which the start
runs after the first paint, in one HTML file. Writes the page's Content-Security-Policy:
its own script and style by hash, WebAssembly, the site's own manifest, icons and service
worker, and nothing else at all, so that no text can leave the page even by mistake.

Beside the page it writes site/, the same page as an app to put on a web server: index.html,
its web app manifest in Bulgarian, its icons drawn from the program's icon, and its service
worker, named after the site's version."""
import argparse
import base64
import configparser
import hashlib
import json
import pathlib
import subprocess
import sys
import zlib

ICON_SIZES = (192, 512)


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def page(args, window):
    style = pathlib.Path(args.style).read_text(encoding="utf-8") + window["style"]
    script = "\n".join(pathlib.Path(path).read_text(encoding="utf-8") for path in args.scripts)
    glue = pathlib.Path(args.glue).read_text(encoding="utf-8")
    # Any of them would end its inline element early.
    if any("</script" in text.lower() for text in (script, glue)) or "</style" in style.lower():
        sys.exit("assemble.py: the script or the style closes its own element")
    policy = "; ".join([
        "default-src 'none'",
        "script-src " + source_hash(script) + " " + source_hash(glue) + " 'wasm-unsafe-eval'",
        "style-src " + source_hash(style),
        "img-src 'self'",
        "manifest-src 'self'",
        "worker-src 'self'",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    # The program's JavaScript and WebAssembly, the JavaScript's length in front, compressed to a
    # third of their size, for the browser to read before it paints.
    packer = zlib.compressobj(9, zlib.DEFLATED, -15)
    code = glue.encode("utf-8")
    packed = packer.compress(len(code).to_bytes(4, "little") + code +
                             pathlib.Path(args.wasm).read_bytes()) + packer.flush()
    program = base64.b64encode(packed).decode("ascii")
    fields = {
        "@POLICY@": policy,
        "@COLOUR@": window["colour"],
        "@TITLE@": window["title"],
        "@STYLE@": style,
        "@WINDOW@": window["window"],
        "@PROGRAM@": program,
        "@SCRIPT@": script,
    }
    text = pathlib.Path(args.template).read_text(encoding="utf-8")
    for field, value in fields.items():
        text = text.replace(field, value)
    return text


def manifest(args, window):
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(args.desktop_entry, encoding="utf-8")
    names = entry["Desktop Entry"]
    return {
        "id": "./",
        "name": names["Name[bg]"],
        "short_name": names["Name[bg]"],
        "description": names["Comment[bg]"],
        "lang": "bg",
        "dir": "ltr",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": window["colour"],
        "theme_color": window["colour"],
        "icons": [{"src": f"icon-{size}.png", "sizes": f"{size}x{size}", "type": "image/png"}
                  for size in ICON_SIZES],
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("template", "style", "window", "glue", "wasm", "desktop-entry", "icon", "worker",
                   "rsvg-convert", "page", "site"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--scripts", nargs="+", required=True)
    args = parser.parse_args()

    window = json.loads(pathlib.Path(args.window).read_text(encoding="utf-8"))
    text = page(args, window)
    pathlib.Path(args.page).write_text(text, encoding="utf-8", newline="\n")

    site = pathlib.Path(args.site)
    site.mkdir(parents=True, exist_ok=True)
    (site / "index.html").write_text(text, encoding="utf-8", newline="\n")
    (site / "manifest.webmanifest").write_text(
        json.dumps(manifest(args, window), ensure_ascii=False, indent=2) + "\n", encoding="utf-8")
    for size in ICON_SIZES:
        subprocess.run([args.rsvg_convert, "--width", str(size), "--height", str(size),
                        "--output", str(site / f"icon-{size}.png"), args.icon], check=True)
    # The site's version: a change to any of its files makes a new service worker.
    version = hashlib.sha256()
    for name in ("index.html", "manifest.webmanifest") + tuple(f"icon-{s}.png" for s in ICON_SIZES):
        version.update((site / name).read_bytes())
    worker = pathlib.Path(args.worker).read_text(encoding="utf-8")
    (site / "sw.js").write_text(worker.replace("@VERSION@", version.hexdigest()[:16]),
                                encoding="utf-8", newline="\n")


if __name__ == "__main__":
    main()
