# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""The page as a screen reader gets it: the browser's accessibility tree, and what axe-core,
the checker that browsers' own audits are built on, finds in it."""
import re

import browser
from browser import PageTest, option_slot

ROLES = {"textbox": "textbox", "radio": "radio", "checkbox": "checkbox", "listbox": "listbox",
         "label": "StaticText"}

AXE_TAGS = ["wcag2a", "wcag2aa", "wcag21aa", "wcag22aa", "best-practice"]


def men_s_boxes():
    """The published colours put black captions on #0000FF on the men's four boxes: 2.44:1.
    They stay the default look; the only exemption, only there."""
    return {"color-contrast": [f"Check2({box})" for box in range(4)]}


# Each way a user asks for more contrast, and the system colours each of the page's pairs
# must then take, as background and text. Under forced colours the browser sets them itself.
FORCED = {"window": ("Canvas", "CanvasText"), "button": ("Canvas", "CanvasText"),
          "field": ("Field", "FieldText")}
CONTRAST_MODES = [
    ("prefers-contrast: more", [("prefers-contrast", "more")],
     {"window": ("Canvas", "CanvasText"), "button": ("ButtonFace", "ButtonText"),
      "field": ("Field", "FieldText")}),
    ("forced-colors: active", [("forced-colors", "active")], FORCED),
    ("forced-colors: active, dark", [("forced-colors", "active"), ("prefers-color-scheme", "dark")],
     FORCED),
]

COLOURS = """
    const colours = e => { const s = getComputedStyle(e); return [s.backgroundColor, s.color]; };
    const probe = document.body.appendChild(document.createElement('div'));
    const system = keywords => { probe.style.background = keywords[0];
                                 probe.style.color = keywords[1]; return colours(probe); };
    const found = Array.from(document.getElementById('window').children)
        .filter(c => !c.hidden).map(c => [c.id, colours(c), system(arguments[0][c.dataset.pair])]);
    found.push(['window', colours(document.getElementById('window')),
                system(arguments[0].window)]);
    probe.remove();
    return found;"""


def ratio(first, second):
    """WCAG's contrast ratio of two CSS rgb() colours."""
    def luminance(colour):
        channels = [int(n) / 255 for n in re.findall(r"\d+", colour)[:3]]
        linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    high, low = sorted((luminance(first), luminance(second)), reverse=True)
    return (high + 0.05) / (low + 0.05)


class AccessibilityTest(PageTest):
    def tree(self):
        nodes = self.page.cdp("Accessibility.getFullAXTree")["nodes"]
        return [(node["role"]["value"], node.get("name", {}).get("value", ""))
                for node in nodes if not node.get("ignored")]

    def live_region(self):
        """How the status region is heard: its politeness, whether it takes the focus, and
        its text as the tree gives it (runs of spaces as one)."""
        nodes = self.page.cdp("Accessibility.getFullAXTree")["nodes"]
        by_id = {node["nodeId"]: node for node in nodes}
        [region] = [node for node in nodes if node["role"]["value"] == "status"]
        properties = {p["name"]: p["value"].get("value") for p in region.get("properties", [])}
        text = "".join(by_id[child].get("name", {}).get("value", "")
                       for child in region.get("childIds", []))
        return properties.get("live"), "focusable" in properties, text

    def expected(self, group_on_view):
        controls = []
        for control in browser.FORM["controls"]:
            on_view = group_on_view is not None and control["array"] == (
                "Check1" if group_on_view == 0 else "Check2")
            shown = not control["never_shown"] and (control["kind"] != "checkbox" or on_view)
            if shown:
                controls.append((ROLES[control["kind"]], control["name"] or control["text"]))
        return controls

    def test_axe_finds_nothing_before_and_after_choosing_each_group(self):
        for group in (None, 0, 1):
            if group is not None:
                self.page.click(option_slot(group))
            with self.subTest(group_on_view=group):
                self.assertEqual(self.page.axe(AXE_TAGS, men_s_boxes()), [])

    def test_asked_for_more_contrast_every_pair_is_the_systems_and_reaches_7_to_1(self):
        self.needs("devtools", "only Chromium's DevTools emulate contrast and colour settings")
        page = self.page
        for name, features, pairs in CONTRAST_MODES:
            page.cdp("Emulation.setEmulatedMedia", {"features": [
                {"name": feature, "value": value} for feature, value in features]})
            lowest = 21
            for group in (0, 1):
                page.click(option_slot(group))
                with self.subTest(name, group_on_view=group):
                    for control, painted, wanted in page.js(COLOURS, pairs):
                        self.assertEqual(painted, wanted, control)
                        lowest = min(lowest, ratio(*painted))
                    self.assertGreaterEqual(lowest, 7)
                    # Every rule, contrast included with no exemption, and its 7:1 one.
                    self.assertEqual(page.axe(AXE_TAGS + ["wcag2aaa"], {}), [])
            page.press("tab")
            self.assertNotEqual(page.js("return getComputedStyle(document.activeElement)"
                                        ".outlineStyle"), "none", "the focus shows")
            print(f"{name}: lowest contrast {lowest:.2f}:1")
        page.cdp("Emulation.setEmulatedMedia", {"features": []})

    def test_every_visible_control_has_its_role_and_name_and_hidden_ones_are_absent(self):
        self.needs("devtools", "its driver gives no accessibility tree")
        for group in (None, 0, 1):
            if group is not None:
                self.page.click(option_slot(group))
            with self.subTest(group_on_view=group):
                tree = self.tree()
                for control in self.expected(group):
                    self.assertIn(control, tree)
                names = [name for _, name in tree]
                hidden = [c for c in browser.FORM["controls"]
                          if c["never_shown"] or (c["kind"] == "checkbox" and not any(
                              c["text"] == name for role, name in self.expected(group)))]
                for control in hidden:
                    self.assertNotIn(control["name"] or control["text"], names)
                if group is not None:
                    self.assertEqual(self.live_region(), ("polite", False, " ".join(
                        browser.FORM["worked_sequence"][0 if group == 0 else 4].split())))
                options = [name for role, name in tree if role == "option"]
                notes = browser.FORM["controls"][browser.slot_of("List1", -1)]["items"]
                self.assertEqual(options, [item.rstrip(" ") for item in notes])


if __name__ == "__main__":
    browser.main()
