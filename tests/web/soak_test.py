# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""Seeded random clicks and keys on the page, each checked against the model."""
import os
import random

import browser
from browser import PageTest
import model


class SoakTest(PageTest):
    def test_random_clicks_and_keys_keep_the_invariants(self):
        actions = int(os.environ.get("VOICE_TYPES_SOAK_ACTIONS", "1000"))
        rng = random.Random(20261208)
        page, expected = self.page, model.Model()
        last = page.state()
        for step in range(actions):
            before = last["focused"]
            kind, what = model.next_action(rng, expected)
            if kind == "click":
                page.click(what)
            else:
                page.press(what)
            state = page.state()
            if kind == "click":
                expected.press(what)
            elif what == "space" and not browser.rules().space_always_activates and \
                    before >= 0 and state["checked"][before] == last["checked"][before]:
                pass  # the browser let this Space go by: nothing for the program to answer
            else:
                target = model.arrow_target(what, before)
                if target is not None:
                    self.assertEqual(state["focused"], target, f"step {step}, {what} from {before}")
                expected.apply_key(what, before, state["focused"])
            model.expect_matches(self, state, expected, f"step {step}, {kind} {what}")
            last = state


if __name__ == "__main__":
    browser.main()
