# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""The page against the form table: places, kinds, texts, colours and the font it draws with."""
import base64
import collections
import pathlib
import shutil
import tempfile

import browser
from browser import Page, PageTest, option_slot

ICON = pathlib.Path(__file__).resolve().parents[2] / "assets" / "icons" / "32.png"

TAGS = {"textbox": "TEXTAREA", "label": "DIV", "radio": "LABEL", "checkbox": "LABEL",
        "listbox": "SELECT"}

# Screens the page opens on, CSS px: a phone's and a tablet's lay the page out at the device's
# width where the engine can, and from a tablet up every row is a 24 px target at least.
VIEWPORTS = [(461, 345, "desktop"), (320, 256, "phone"), (360, 640, "phone"),
             (844, 390, "phone"), (768, 1024, "tablet"), (1920, 1080, "desktop")]


def blur(shot, rect):
    """How soft the text in a rect is drawn: pixels part-way between its ink and its
    background for each pixel of full ink. Text drawn at its size gives well under 1; a
    picture of smaller text scaled up, several times that."""
    left, top, width, height = (round(n) for n in rect)
    pixels = list(shot.convert("L").crop((left, top, left + width, top + height)).getdata())
    background = collections.Counter(pixels).most_common(1)[0][0]
    depth = background - min(pixels)
    edge = sum(1 for v in pixels if 0.2 * depth < background - v < 0.8 * depth)
    return edge / sum(1 for v in pixels if background - v >= 0.8 * depth)


def measure():
    return f"""
    const area = document.getElementById('window'), root = document.documentElement;
    const rect = {browser.rect_js()};
    return {{window: rect(area), controls: Array.from(area.children).map(c => c.hidden ? null : rect(c)),
             scroll: [root.scrollWidth, root.scrollHeight], client: [root.clientWidth, root.clientHeight],
             inner: innerWidth, zoom: window.visualViewport ? visualViewport.scale : 1}};"""


class LayoutTest(PageTest):
    def test_every_control_has_its_kind_text_place_and_visibility(self):
        page = self.page
        window = page.js("const r = document.getElementById('window').getBoundingClientRect();"
                         "return [r.left, r.top, r.width, r.height]")
        self.assertEqual(window, [0, 0, browser.FORM["window"]["width"], browser.FORM["window"]["height"]])
        self.assertEqual(browser.FORM["probe"], '"quoted" back\\slash \x01\x1f', "JSON escapes")
        # Hidden controls are measured from their style; the others as drawn.
        found = page.js("""return Array.from(document.getElementById('window').children).map(c => {
            const r = c.getBoundingClientRect(), s = c.style, input = c.querySelector('input');
            return {tag: c.tagName, type: input ? input.type : null, hidden: c.hidden,
                    drawn: [r.left, r.top, r.width, r.height],
                    styled: [s.left, s.top, s.width, s.height].map(parseFloat),
                    text: c.tagName === 'TEXTAREA' ? c.value
                          : c.querySelector('span') ? c.querySelector('span').textContent
                          : c.tagName === 'DIV' ? c.textContent : '',
                    items: Array.from(c.querySelectorAll('option')).map(o => [o.textContent, o.value]),
                    selected: c.tagName === 'SELECT' ? c.selectedIndex : null};})""")
        self.assertEqual(len(found), len(browser.FORM["controls"]))
        for slot, (control, element) in enumerate(zip(browser.FORM["controls"], found)):
            with self.subTest(control=f'{control["array"]}({control["index"]})'):
                self.assertEqual(element["tag"], TAGS[control["kind"]])
                if control["kind"] in ("radio", "checkbox"):
                    self.assertEqual(element["type"], control["kind"])
                hidden = control["never_shown"] or control["kind"] == "checkbox"
                self.assertEqual(element["hidden"], hidden)
                place = element["styled"] if hidden else element["drawn"]
                self.assertEqual(place, control["place"])
                self.assertEqual(element["text"].replace("\n", "\r\n"), control["text"])
                self.assertEqual(element["items"], [[item, "0"] for item in control["items"]])
                if control["kind"] == "listbox":
                    self.assertEqual(element["selected"], -1, "nothing selected")

    def test_on_every_screen_the_window_is_scaled_as_one_and_centred_with_nothing_cut_off(self):
        for width, height, device in VIEWPORTS:
            self.check_fit(self.page, width, height, device, sharp=True)
        # Where there is no CSS zoom (Firefox before 126) the window is scaled by a transform.
        folder = tempfile.mkdtemp(prefix="voice-types-no-zoom-")
        self.addCleanup(shutil.rmtree, folder)
        copy = pathlib.Path(folder, "no-zoom.html")
        page = pathlib.Path(browser.PAGE).read_text(encoding="utf-8")
        copy.write_text(page.replace("@supports (zoom: 2)", "@supports (no-zoom: 2)"), encoding="utf-8")
        transformed = Page(copy.as_uri())
        self.addCleanup(transformed.close)
        for width, height, device in [(360, 640, "phone"), (1920, 1080, "desktop")]:
            self.check_fit(transformed, width, height, device, sharp=False)

    def check_fit(self, page, width, height, device, sharp):
        size = browser.FORM["window"]
        page.click(option_slot(0))  # the female boxes on view
        with self.subTest(viewport=f"{width}x{height}", zoom=sharp):
            page.set_viewport(width, height, mobile=device != "desktop")
            found = page.js(measure())
            self.assertEqual([found["inner"], found["zoom"]], [width, 1], "never zoomed out")
            self.assertEqual(found["scroll"], found["client"], "nothing scrolls")
            scale = min(width / size["width"], height / size["height"])
            left, top = (width - size["width"] * scale) / 2, (height - size["height"] * scale) / 2

            def near(drawn, place):
                want = [left + place[0] * scale, top + place[1] * scale,
                        place[2] * scale, place[3] * scale]
                for w, d, length in zip(want, drawn, want[2:] * 2):
                    self.assertLessEqual(abs(w - d), 1 + length / 100, f"{drawn} for {want}")
            near(found["window"], [0, 0, size["width"], size["height"]])
            rows = []
            for control, drawn in zip(browser.FORM["controls"], found["controls"]):
                if drawn:
                    near(drawn, control["place"])
                    if control["kind"] in ("radio", "checkbox"):
                        rows.append(min(drawn[2:]))
            if device != "phone":
                self.assertGreaterEqual(min(rows), 24, "a target a finger can take")
            if sharp and scale > 1.5:
                title = found["controls"][browser.slot_of("Label1", 0)]
                self.assertLess(blur(page.screenshot(), title), 1.5, "drawn at its scale")
            print(f"{browser.ENGINE} {width}x{height}: scale {scale:.3f}, window at "
                  f"{[round(n, 1) for n in found['window']]}, smallest row {min(rows):.1f} px")

    def test_rendered_backgrounds_have_the_table_colours(self):
        page = self.page
        page.click(option_slot(0))  # the female boxes on view
        shot = page.screenshot()
        for control in browser.FORM["controls"]:
            colour = control["background"]
            shown = not control["never_shown"] and control["array"] != "Check2"
            if colour is None or not shown:
                continue
            left, top, width, height = control["place"]
            with self.subTest(control=f'{control["array"]}({control["index"]})'):
                # Inside the bottom-right corner, clear of the caption.
                self.assertEqual(list(shot.getpixel((left + width - 3, top + height - 3))), colour)
        self.assertEqual(list(shot.getpixel((browser.FORM["window"]["width"] - 20, 100))),
                         browser.FORM["window"]["background"])

    def test_every_text_is_drawn_in_the_windows_serif_with_a_glyph_for_every_letter(self):
        self.needs("devtools", "only Chromium's DevTools name the faces a text is drawn in")
        page = self.page
        page.click(option_slot(0))
        page.cdp("DOM.enable")
        page.cdp("CSS.enable")
        root = page.cdp("DOM.getDocument", {"depth": -1, "pierce": True})["root"]
        texts = []

        def walk(node):
            if node.get("nodeType") == 3 and node.get("nodeValue", "").strip():
                texts.append(node["parentId"])
            for child in node.get("children", []) + node.get("shadowRoots", []):
                walk(child)
        walk(root)
        self.assertGreater(len(texts), 15)
        for node in set(texts):
            fonts = page.cdp("CSS.getPlatformFontsForNode", {"nodeId": node})["fonts"]
            if not fonts:
                continue  # not drawn: a hidden box
            # One face only: a letter missing from it would have drawn in a fallback face.
            self.assertEqual([font["familyName"] for font in fonts], ["Liberation Serif"],
                             "the face fontconfig gives for Times New Roman")

    def test_the_page_title_is_the_windows_caption(self):
        # A document title collapses runs of spaces: the caption's two become one there.
        self.assertEqual(self.page.title(), " ".join(browser.FORM["window"]["caption"].split()))

    def test_the_page_icon_is_the_windows_picture(self):
        icon = self.page.js_async("""
            const done = arguments[0], link = document.querySelector('link[rel=icon]');
            const picture = new Image();
            picture.onload = () => done([link.href, picture.naturalWidth, picture.naturalHeight]);
            picture.onerror = () => done([link.href, 0, 0]);
            picture.src = link.href;""")
        self.assertEqual(icon[1:], [32, 32], "drawn by the browser under the page's policy")
        prefix = "data:image/png;base64,"
        self.assertTrue(icon[0].startswith(prefix), icon[0][:40])
        self.assertEqual(base64.b64decode(icon[0][len(prefix):]), ICON.read_bytes())


if __name__ == "__main__":
    browser.main()
