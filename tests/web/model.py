# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""What the page must show after a sequence of user actions, worked out from the actions
alone, and the random actions of the soak. The same rules as the desktop windows' model,
with the browser's own: an arrow onto a radio button always selects it, and selecting the
radio button that is already selected reports nothing."""
import browser


class Model:
    def __init__(self):
        self.on_view = None
        self.checked = [[False] * 4, [False] * 4]
        self.log = browser.FORM["controls"][browser.log_slot()]["text"]

    def choose(self, group):
        if self.on_view == group:
            return
        if self.on_view is not None:
            self.checked[self.on_view] = [False] * 4
        self.on_view = group
        caption = browser.FORM["controls"][browser.option_slot(group)]["text"]
        self.log = browser.FORM["chosen_prefix"] + caption + "\r\n"

    def toggle(self, group, box):
        if self.on_view != group:
            return
        self.checked[group][box] = not self.checked[group][box]
        caption = browser.FORM["controls"][browser.voice_slot(group, box)]["text"]
        prefix = browser.FORM["toggled_prefixes"][group][self.checked[group][box]]
        self.log += prefix + caption + "\r\n"

    def press(self, slot):
        """A click, or Space, on the control at a slot."""
        control = browser.FORM["controls"][slot] if slot >= 0 else {"kind": None}
        if control["kind"] == "radio":
            self.choose(control["index"])
        elif control["kind"] == "checkbox":
            self.toggle(0 if control["array"] == "Check1" else 1, control["index"])

    def apply_key(self, key, before, after):
        if key == "space":
            self.press(before)
        elif key in ("right", "left", "up", "down") and after != before and after >= 0:
            if browser.FORM["controls"][after]["kind"] == "radio":
                self.press(after)


def arrow_target(key, before):
    """Where an arrow key takes the focus from a radio button of the pair: to the other one,
    past the end too where the engine wraps round."""
    if key not in ("right", "left", "up", "down") or before < 0 or \
            browser.FORM["controls"][before]["kind"] != "radio":
        return None
    index = browser.FORM["controls"][before]["index"]
    forward = key in ("right", "down")
    if not browser.rules().arrows_wrap and index == (1 if forward else 0):
        return before
    return browser.option_slot(1 - index)


def next_action(rng, model):
    """Half the time a click on a visible radio button or voice box, else a key."""
    if rng.random() < 0.5:
        pick = rng.randrange(6)
        if pick < 2 or model.on_view is None:
            return ("click", browser.option_slot(pick % 2))
        return ("click", browser.voice_slot(model.on_view, pick - 2))
    return ("key", rng.choice(["space", "tab", "backtab", "left", "right", "up", "down"]))


def expect_matches(test, state, model, where=""):
    """Compares a page's state() with the model."""
    for group in (0, 1):
        for box in range(4):
            slot = browser.voice_slot(group, box)
            test.assertEqual(state["visible"][slot], model.on_view == group, f"{where}: visible {slot}")
            test.assertEqual(state["checked"][slot], model.checked[group][box], f"{where}: checked {slot}")
    test.assertEqual(state["log"], model.log, where)
    test.assertEqual(state["shown"].replace("\n", "\r\n"), model.log, where)
