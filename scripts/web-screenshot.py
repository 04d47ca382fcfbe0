#!/usr/bin/python3 -B
"""Takes docs/screenshot-web.png: the web edition in headless Chromium after choosing the
women's voices and checking Сопран and Алт with the keyboard, cropped to the window's area.

    scripts/web-screenshot.py PAGE FORM_DUMP OUTPUT
"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import browser  # noqa: E402

page_file, dump, output = sys.argv[1:4]
browser.load(page_file, dump)
page = browser.Page()
try:
    for key in ["tab", "space", "tab", "space", "tab", "tab", "space"]:
        page.press(key)
    shot = page.screenshot()
    window = browser.FORM["window"]
    shot.crop((0, 0, window["width"], window["height"])).save(output)
    print(output)
finally:
    page.close()
