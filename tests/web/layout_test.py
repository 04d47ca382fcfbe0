"""The page against the form table: places, kinds, texts, colours and the font it draws with."""
import base64
import pathlib

import browser
from browser import PageTest, option_slot

ICON = pathlib.Path(__file__).resolve().parents[2] / "assets" / "icons" / "32.png"

TAGS = {"textbox": "TEXTAREA", "label": "DIV", "radio": "LABEL", "checkbox": "LABEL",
        "listbox": "SELECT"}


class LayoutTest(PageTest):
    def test_every_control_has_its_kind_text_place_and_visibility(self):
        page = self.page
        window = page.js("const r = document.getElementById('window').getBoundingClientRect();"
                         "return [r.left, r.top, r.width, r.height]")
        self.assertEqual(window, [0, 0, browser.FORM["window"]["width"], browser.FORM["window"]["height"]])
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
