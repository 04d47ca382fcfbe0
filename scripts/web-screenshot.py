#!/usr/bin/python3 -B
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""Takes docs/screenshot-web.png: the web edition in headless Chromium after choosing the
women's voices and checking Сопран and Алт with the keyboard, cropped to the window's area;
or, given a screen's size, the whole of that screen as a tablet shows it.

    scripts/web-screenshot.py PAGE FORM_DUMP OUTPUT [WIDTHxHEIGHT]
"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import browser  # noqa: E402

page_file, dump, output = sys.argv[1:4]
browser.load(page_file, dump)
page = browser.Page()
try:
    if len(sys.argv) > 4:
        width, height = (int(n) for n in sys.argv[4].split("x"))
        page.set_viewport(width, height, mobile=True)
    for key in ["tab", "space", "tab", "space", "tab", "tab", "space"]:
        page.press(key)
    shot = page.screenshot()
    if len(sys.argv) <= 4:
        window = browser.FORM["window"]
        shot = shot.crop((0, 0, window["width"], window["height"]))
    shot.save(output)
    print(output)
finally:
    page.close()
