#!/usr/bin/python3 -B
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""Makes the web edition's one file: the page's shell with the program's script, the
program itself and the window's icon put in, so that it opens from disk with nothing to fetch.
With --site, the page of the app on a web site instead: the same, with the site's head (its
manifest, its home-screen icon, its worker) and a policy that lets it read them.

    make_page.py [--site SITE_HEAD TOUCH_ICON] SHELL SCRIPT PROGRAM ICON PAGE
"""
import base64
import pathlib
import sys


def put(html, marker, text):
    if html.count(marker) != 1:
        sys.exit(f"the shell must hold {marker} once, not {html.count(marker)} times")
    return html.replace(marker, text)


def site_changes(head, touch_icon):
    """What the site's page changes in the shell: its head, and its policy, which lets it read
    its manifest, its worker and the manifest's icons from the site."""
    lines = head.read_text(encoding="utf-8").splitlines(keepends=True)
    html = "".join(line for line in lines if "SPDX-" not in line)
    icon = base64.b64encode(touch_icon.read_bytes()).decode("ascii")
    return [("{{{ SITE_HEAD }}}\n", put(html, "{{{ TOUCH_ICON }}}", icon)),
            ("default-src 'none';", "default-src 'none'; manifest-src 'self'; worker-src 'self';"),
            ("img-src data:", "img-src data: 'self'")]


def main():
    args = [pathlib.Path(arg) for arg in sys.argv[1:]]
    changes = [("{{{ SITE_HEAD }}}\n", "")]
    if sys.argv[1:2] == ["--site"]:
        changes, args = site_changes(*args[1:3]), args[3:]
    shell, script, program, icon, page = args[:5]
    code = script.read_text(encoding="utf-8")
    if "</script" in code.lower():
        sys.exit(f"{script} holds '</script', which would end it early inside the page")
    html = shell.read_text(encoding="utf-8")
    for marker, text in changes:
        html = put(html, marker, text)
    for marker, data in (("{{{ PROGRAM }}}", program), ("{{{ ICON }}}", icon)):
        html = put(html, marker, base64.b64encode(data.read_bytes()).decode("ascii"))
    html = put(html, "{{{ SCRIPT }}}", "<script>\n" + code + "</script>")
    page.write_text(html, encoding="utf-8")


if __name__ == "__main__":
    main()
