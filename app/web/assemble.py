#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Puts the style and the compiled window (its WebAssembly inside) into one HTML file, and writes
the page's Content-Security-Policy: its own script and style by hash, WebAssembly, and nothing
else at all, so that no text can leave the page even by mistake."""
import base64
import hashlib
import sys


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def main(template_path, style_path, script_path, out_path):
    with open(template_path, encoding="utf-8") as file:
        template = file.read()
    with open(style_path, encoding="utf-8") as file:
        style = file.read()
    with open(script_path, encoding="utf-8") as file:
        script = file.read()
    # Either would end the inline element early.
    if "</script" in script.lower() or "</style" in style.lower():
        sys.exit("assemble.py: the script or the style closes its own element")
    policy = "; ".join([
        "default-src 'none'",
        "script-src " + source_hash(script) + " 'wasm-unsafe-eval'",
        "style-src " + source_hash(style),
        "base-uri 'none'",
        "form-action 'none'",
    ])
    page = (template.replace("@POLICY@", policy)
            .replace("@STYLE@", style)
            .replace("@SCRIPT@", script))
    with open(out_path, "w", encoding="utf-8", newline="\n") as file:
        file.write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
