"""The web edition in Debian's headless Chromium, driven through Debian's chromedriver.

Every test opens the built page from disk (file://), as a teacher would, with a fresh profile.
"""
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

# Set by main(): the page, and the form table as the program holds it.
PAGE = None
FORM = None

KEYS = {
    "space": Keys.SPACE, "tab": Keys.TAB, "right": Keys.ARROW_RIGHT, "left": Keys.ARROW_LEFT,
    "up": Keys.ARROW_UP, "down": Keys.ARROW_DOWN,
}

FLAGS = [
    "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--window-size=800,600", "--force-device-scale-factor=1",
    "--font-render-hinting=none",
]


class Page:
    """The page in a browser of its own."""

    def __init__(self):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        self.profile = tempfile.mkdtemp(prefix="voice-types-profile-")
        for flag in FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        # Show scroll bars as a user sees them.
        options.add_experimental_option("excludeSwitches", ["enable-automation", "hide-scrollbars"])
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.url = pathlib.Path(PAGE).resolve().as_uri()
        self.driver.get(self.url)
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.getElementById('window').dataset.ready"))

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def click(self, slot):
        """A mouse click on a radio button's or check box's own circle or square, at the left
        of its place, where a user clicks."""
        left, top, _, height = FORM["controls"][slot]["place"]
        actions = ActionBuilder(self.driver, duration=0)
        actions.pointer_action.move_to_location(left + 8, top + height // 2).click()
        actions.perform()

    def press(self, key, shift=False):
        chain = ActionChains(self.driver)
        if shift:
            chain = chain.key_down(Keys.SHIFT)
        chain = chain.send_keys(KEYS[key])
        if shift:
            chain = chain.key_up(Keys.SHIFT)
        chain.perform()

    def state(self):
        """The focused control, every control's visibility and check, the log as the program
        keeps it, and what the log box shows."""
        return self.js("""
            const controls = Array.from(document.getElementById('window').children);
            const input = c => c.querySelector('input');
            const focused = document.activeElement.closest('.control');
            return {focused: focused ? controls.indexOf(focused) : -1,
                    visible: controls.map(c => !c.hidden),
                    checked: controls.map(c => input(c) ? input(c).checked : false),
                    log: voiceTypesLog(), shown: controls[arguments[0]].value};""", log_slot())


def slot_of(array, index):
    for slot, control in enumerate(FORM["controls"]):
        if control["array"] == array and control["index"] == index:
            return slot
    raise KeyError(f"{array}({index})")


def log_slot():
    return slot_of("Text1", 0)


def option_slot(group):
    return slot_of("Option1", group)


def voice_slot(group, box):
    return slot_of("Check1" if group == 0 else "Check2", box)


class PageTest(unittest.TestCase):
    """A test with a fresh page."""

    def setUp(self):
        self.page = Page()
        self.addCleanup(self.page.close)


def main():
    """python3 TEST.py PAGE FORM_DUMP [unittest arguments]"""
    global PAGE, FORM
    PAGE = sys.argv.pop(1)
    dump = sys.argv.pop(1)
    FORM = json.loads(subprocess.run(["node", dump], check=True, capture_output=True,
                                     text=True).stdout)
    unittest.main(module="__main__", verbosity=2)
