"""The lesson's worked sequence by mouse and by keyboard, and the failure path."""
import browser
from browser import PageTest, option_slot, voice_slot

WOMEN = "Избрано: Глас - жени\r\n"
ALTO_ON = "Новопосочен женски глас:  Алт\r\n"
ALTO_OFF = "Демаркиран женски глас:  Алт\r\n"
SOPRANO_ON = "Новопосочен женски глас:  Сопран\r\n"
LOGS = [WOMEN, WOMEN + ALTO_ON, WOMEN + ALTO_ON + ALTO_OFF,
        WOMEN + ALTO_ON + ALTO_OFF + SOPRANO_ON, "Избрано: Глас - мъже\r\n", WOMEN]


class BehaviourTest(PageTest):
    def run_steps(self, steps):
        page = self.page
        self.assertEqual(page.shown_log(), browser.FORM["controls"][browser.log_slot()]["text"])
        for number, (step, expected) in enumerate(zip(steps, LOGS), start=1):
            with self.subTest(step=number):
                step()
                self.assertEqual(page.log(), expected)
                self.assertEqual(page.shown_log(), expected)
        self.assertFalse(page.checked(voice_slot(0, 0)), "soprano cleared on the way")

    def test_worked_sequence_with_the_mouse(self):
        click = self.page.click
        self.run_steps([lambda: click(option_slot(0)), lambda: click(voice_slot(0, 2)),
                        lambda: click(voice_slot(0, 2)), lambda: click(voice_slot(0, 0)),
                        lambda: click(option_slot(1)), lambda: click(option_slot(0))])

    def test_worked_sequence_with_the_keyboard(self):
        page = self.page
        self.assertEqual(page.focused_slot(), browser.log_slot(), "the first focus")

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
            page.control(browser.log_slot()))
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
        log = page.log()
        page.click(option_slot(0))
        self.assertEqual(page.log(), log, "nothing delivered after the failure")


if __name__ == "__main__":
    browser.main()
