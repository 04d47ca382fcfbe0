"""The page as a screen reader gets it: the browser's accessibility tree, and what axe-core,
the checker that browsers' own audits are built on, finds in it."""
import browser
from browser import PageTest, option_slot

ROLES = {"textbox": "textbox", "radio": "radio", "checkbox": "checkbox", "listbox": "listbox",
         "label": "StaticText"}

AXE_TAGS = ["wcag2a", "wcag2aa", "wcag21aa", "wcag22aa", "best-practice"]


def men_s_boxes():
    """The published colours put black captions on #0000FF on the men's four boxes: 2.44:1.
    They stay the default look; the only exemption, only there."""
    return {"color-contrast": [f"Check2({box})" for box in range(4)]}


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
