#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Puts the page together: the window as it opens (written by write_window from the layout table
and the binding), its style, its script (a watch over the program's start, the page's side of the
controls and the program's start), and the compiled program, compressed, which the start runs
after the first paint, in one HTML file. The program comes twice: its JavaScript and its
WebAssembly, and the same program compiled to JavaScript alone for the engines that refuse to
compile WebAssembly under the page's policy; beside them an inflate library for the engines that
cannot decompress by themselves. Writes the page's Content-Security-Policy: its own scripts and
style by hash, WebAssembly, the site's own manifest, icons and service worker, and nothing else at
all, so that no text can leave the page even by mistake.

Beside the page it writes site/, the same page as an app to put on a web server: index.html,
its web app manifest in Bulgarian, its icons drawn from the program's icon, and its service
worker, named after the site's version."""
import argparse
import base64
import configparser
import hashlib
import json
import pathlib
import re
import subprocess
import sys
import zlib

ICON_SIZES = (192, 512)
MANIFEST = "manifest.webmanifest"
WORKER = "sw.js"
# The site's files that its service worker keeps, the page first.
SITE_FILES = ("index.html", MANIFEST) + tuple(f"icon-{size}.png" for size in ICON_SIZES)

# How the page names the browsers of the floor, and what it says while its program has not
# started: after a few seconds, that it has not started yet; once its start failed with an error,
# that it cannot in this browser. Both name the browsers that run it.
BROWSER_NAMES = {"chrome": "Chrome", "edge": "Edge", "firefox": "Firefox", "safari": "Safari",
                 "ios_saf": "Safari"}
NOTICES = {"slow": "Програмата все още не е започнала работа.",
           "failed": "Програмата не можа да започне работа в този браузър."}
WORKS_IN = "Тя работи в {browsers} и в по-новите им версии."


def read(path):
    return pathlib.Path(path).read_text(encoding="utf-8")


def filled(template, fields):
    """The template with each @NAME@ replaced, in one pass: a value is never read again."""
    return re.sub(r"@[A-Z]+@", lambda match: fields[match.group(0)], template)


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def packed(data):
    """Deflated in the zlib format, which browsers decompress themselves, and in base64."""
    return base64.b64encode(zlib.compress(data, 9)).decode("ascii")


def floor_browsers(path):
    """"Chrome и Edge 87, Firefox 78, Safari 14" from the browserslist entries "name >= version"."""
    versions = {}
    for line in read(path).splitlines():
        entry = line.split("#")[0].split()
        if not entry:
            continue
        if len(entry) != 3 or entry[1] != ">=" or entry[0] not in BROWSER_NAMES:
            sys.exit(f"assemble.py: {path}: an entry other than 'browser >= version': {line}")
        names = versions.setdefault(entry[2], [])
        if BROWSER_NAMES[entry[0]] not in names:
            names.append(BROWSER_NAMES[entry[0]])
    return ", ".join(" и ".join(names) + " " + version for version, names in versions.items())


def page(args, window):
    style = read(args.style) + window["style"]
    works_in = WORKS_IN.format(browsers=floor_browsers(args.browsers))
    notices = {name: f"{notice} {works_in}" for name, notice in NOTICES.items()}
    watch = filled(read(args.watch), {"@NOTICES@": json.dumps(notices, ensure_ascii=False)})
    site = {"manifest": MANIFEST, "icon": f"icon-{ICON_SIZES[0]}.png", "worker": WORKER}
    script = "\n".join(read(path) for path in args.scripts)
    script = filled(script, {"@SITE@": json.dumps(site)})
    glue = read(args.glue)
    program_js = read(args.program_js)
    inflate = read(args.inflate)
    scripts = (watch, script, glue, program_js, inflate)
    # Any of them would end its inline element early.
    if any(re.search("</script|<!--", text, re.IGNORECASE) for text in scripts) or \
            "</style" in style.lower():
        sys.exit("assemble.py: a script or the style closes its own element")
    policy = "; ".join([
        "default-src 'none'",
        "script-src " + " ".join(source_hash(text) for text in scripts) + " 'wasm-unsafe-eval'",
        "style-src " + source_hash(style),
        "img-src 'self'",
        "manifest-src 'self'",
        "worker-src 'self'",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    code = glue.encode("utf-8")
    program = len(code).to_bytes(4, "little") + code + pathlib.Path(args.wasm).read_bytes()
    return filled(read(args.template), {
        "@POLICY@": policy,
        "@COLOUR@": window["colour"],
        "@TITLE@": window["title"],
        "@STYLE@": style,
        "@WINDOW@": window["window"],
        "@WATCH@": watch,
        "@PROGRAM@": packed(program),
        "@PROGRAMJS@": packed(program_js.encode("utf-8")),
        "@INFLATE@": inflate,
        "@SCRIPT@": script,
    })


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
    for option in ("template", "style", "window", "watch", "glue", "wasm", "program-js",
                   "inflate", "browsers", "desktop-entry", "icon", "worker", "rsvg-convert",
                   "page", "site"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--scripts", nargs="+", required=True)
    args = parser.parse_args()

    window = json.loads(read(args.window))
    text = page(args, window)
    pathlib.Path(args.page).write_text(text, encoding="utf-8", newline="\n")

    site = pathlib.Path(args.site)
    site.mkdir(parents=True, exist_ok=True)
    (site / "index.html").write_text(text, encoding="utf-8", newline="\n")
    (site / MANIFEST).write_text(
        json.dumps(manifest(args, window), ensure_ascii=False, indent=2) + "\n", encoding="utf-8")
    for size in ICON_SIZES:
        subprocess.run([args.rsvg_convert, "--width", str(size), "--height", str(size),
                        "--output", str(site / f"icon-{size}.png"), args.icon], check=True)
    # The site's version: a change to any of its files makes a new service worker.
    version = hashlib.sha256()
    for name in SITE_FILES:
        version.update((site / name).read_bytes())
    worker = filled(read(args.worker), {
        "@VERSION@": version.hexdigest()[:16],
        "@FILES@": json.dumps(["./", *SITE_FILES]),
    })
    (site / WORKER).write_text(worker, encoding="utf-8", newline="\n")


if __name__ == "__main__":
    main()
