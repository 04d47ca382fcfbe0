#!/usr/bin/python3 -B
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""Makes the web edition's one file: the page's shell with the program's script, the
program itself and the window's icon put in, so that it opens from disk with nothing to fetch.

    make_page.py SHELL SCRIPT PROGRAM ICON PAGE
"""
import base64
import pathlib
import sys


def put(html, marker, text):
    if html.count(marker) != 1:
        sys.exit(f"the shell must hold {marker} once, not {html.count(marker)} times")
    return html.replace(marker, text)


def main():
    shell, script, program, icon, page = (pathlib.Path(arg) for arg in sys.argv[1:6])
    code = script.read_text(encoding="utf-8")
    if "</script" in code.lower():
        sys.exit(f"{script} holds '</script', which would end it early inside the page")
    html = shell.read_text(encoding="utf-8")
    for marker, data in (("{{{ PROGRAM }}}", program), ("{{{ ICON }}}", icon)):
        html = put(html, marker, base64.b64encode(data.read_bytes()).decode("ascii"))
    html = put(html, "{{{ SCRIPT }}}", "<script>\n" + code + "</script>")
    page.write_text(html, encoding="utf-8")


if __name__ == "__main__":
    main()
