"""The lesson's worked sequence by mouse and by keyboard, and the failure path."""
import browser
from browser import PageTest, option_slot, voice_slot

class BehaviourTest(PageTest):
    def run_steps(self, steps):
        page = self.page
        state = page.state()
        self.assertEqual(state["focused"], browser.log_slot(), "the first focus")
        self.assertEqual(state["shown"], browser.FORM["controls"][browser.log_slot()]["text"]
                         .replace("\r\n", "\n"))
        logs = browser.FORM["worked_sequence"]
        for number, (step, expected) in enumerate(zip(steps, logs), start=1):
            with self.subTest(step=number):
                step()
                state = page.state()
                self.assertEqual(state["log"], expected)
                self.assertEqual(state["shown"].replace("\n", "\r\n"), expected)
        self.assertFalse(state["checked"][voice_slot(0, 0)], "soprano cleared on the way")

    def test_worked_sequence_with_the_mouse(self):
        click = self.page.click
        self.run_steps([lambda: click(option_slot(0)), lambda: click(voice_slot(0, 2)),
                        lambda: click(voice_slot(0, 2)), lambda: click(voice_slot(0, 0)),
                        lambda: click(option_slot(1)), lambda: click(option_slot(0))])

    def test_worked_sequence_with_the_keyboard(self):
        page = self.page

        def keys(*presses):
            def run():
                for key in presses:
                    page.press(key.lstrip("^"), shift=key.startswith("^"))
            return run
        self.run_steps([keys("tab", "space"),                    # from the log to women, select
                        keys("tab", "tab", "tab", "space"),      # to alto, check
                        keys("space"),                           # uncheck
                        keys("^tab", "^tab", "space"),           # back to soprano, check
                        keys("^tab", "right"),                   # to the radios, arrow to men
                        keys("left")])                           # arrow back to women

    def test_the_newest_line_is_in_view_with_the_caret_after_it(self):
        page = self.page
        page.click(option_slot(0))
        for _ in range(40):
            page.click(voice_slot(0, 1))
        view = page.driver.execute_async_script("""
            const done = arguments[arguments.length - 1], box = arguments[0];
            requestAnimationFrame(() => setTimeout(() => done({
                top: box.scrollTop, bottom: box.scrollHeight - box.clientHeight,
                caret: box.selectionStart, length: box.value.length}), 0));""",
            page.js("return document.getElementById('window').children[arguments[0]]",
                    browser.log_slot()))
        self.assertGreater(view["bottom"], 0)
        self.assertEqual(view["top"], view["bottom"])
        self.assertEqual(view["caret"], view["length"])

    def test_a_failure_is_shown_on_the_page_and_nothing_is_delivered_after_it(self):
        page = self.page
        # A page broken under the program: the men's button has lost its caption.
        page.js("document.getElementById('Option1(1)').querySelector('span').remove()")
        page.click(option_slot(1))
        failure = page.js("const f = document.getElementById('failure');"
                          "return f.hidden ? null : f.textContent")
        self.assertIsNotNone(failure)
        self.assertTrue(failure.startswith("voice-types: "), failure)
        log = page.state()["log"]
        page.click(option_slot(0))
        self.assertEqual(page.state()["log"], log, "nothing delivered after the failure")


if __name__ == "__main__":
    browser.main()
