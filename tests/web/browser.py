# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""The web edition in a real browser engine, opened from disk (file://) with a fresh profile,
as a teacher would: Debian's Chromium through chromedriver and Debian's WebKitGTK through its
own WebDriver, both by python3-selenium, and Debian's Firefox ESR over WebDriver BiDi, which
it speaks itself, through python3-websocket. The tests see one Page whatever the engine.

    python3 TEST.py ENGINE PAGE FORM_DUMP [unittest arguments]
"""
import base64
import io
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import warnings
from typing import NamedTuple

import websocket
from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.webkitgtk.service import Service as WebKitService
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

# Set by main(): the engine's name, the page, and the form table as the program holds it.
ENGINE = None
PAGE = None
FORM = None


class Rules(NamedTuple):
    """Where an engine differs by its own rules, or its driver reaches less."""
    arrows_wrap: bool      # an arrow key past the last radio button of the pair goes to the first
    devtools: bool         # the driver speaks Chromium's DevTools protocol
    space_always_activates: bool  # Space on a focused box or button always clicks it
    touch: bool            # the driver sends a touch as a finger, not as a mouse
    phone_viewport: bool   # the driver can give a phone's layout viewport (the page's meta tag)
    narrowest: int         # the narrowest viewport its window can give, CSS px


# Debian's Selenium warns of its own deprecated defaults.
warnings.filterwarnings("ignore", category=DeprecationWarning, module="selenium")
warnings.filterwarnings("ignore", category=DeprecationWarning, message=".* w3c capability")

RULES = {
    "chromium": Rules(arrows_wrap=True, devtools=True, space_always_activates=True, touch=True,
                      phone_viewport=True, narrowest=0),
    # Firefox ESR 153 now and then lets a Space on the focused box go by, without a click, a
    # few actions after mouse clicks on other boxes; seen with the soak's seed at step 341.
    # As a desktop browser it lays a page out at the window's width whatever its meta tag says.
    "firefox": Rules(arrows_wrap=True, devtools=False, space_always_activates=False, touch=True,
                     phone_viewport=False, narrowest=0),
    # WebKitGTK's driver turns a touch into a mouse click; MiniBrowser's toolbar, made as
    # small as it goes (WEBKIT_TOOLBAR), keeps its window 334 px wide at least.
    "webkit": Rules(arrows_wrap=False, devtools=False, space_always_activates=True, touch=False,
                    phone_viewport=False, narrowest=334),
}

# GTK's style for MiniBrowser: its toolbar as small as GTK lets it be, so that the window can
# be as narrow as a phone's screen. The page's controls are WebKit's own and not touched.
WEBKIT_TOOLBAR = """
window > box > box:first-child, window > box > box:first-child * {
  min-height: 0; min-width: 0; padding: 0; margin: 0; border: 0; font-size: 0;
}
"""

# Each key a user presses, as the keys held down together.
KEYS = {
    "space": [Keys.SPACE], "tab": [Keys.TAB], "backtab": [Keys.SHIFT, Keys.TAB],
    "right": [Keys.ARROW_RIGHT], "left": [Keys.ARROW_LEFT], "up": [Keys.ARROW_UP],
    "down": [Keys.ARROW_DOWN],
}

CHROMIUM_FLAGS = [
    "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--window-size=800,600", "--force-device-scale-factor=1",
    "--font-render-hinting=none",
]


def rules():
    return RULES[ENGINE]


def rect_js():
    """A JavaScript function that gives an element's rect as drawn in the viewport:
    [left, top, width, height]. WebKitGTK before 2.52 kept CSS zoom as it always had it and
    gives the rects in the zoomed window in the window's own px; which way an engine goes is
    read from the window itself, whose own width is known."""
    return ("(e => { const r = e.getBoundingClientRect(), w = document.getElementById('window');"
            " const own = w && e.closest('#window') &&"
            " Math.abs(w.getBoundingClientRect().width - parseFloat(w.style.width)) < 0.5;"
            " const z = own ? parseFloat(getComputedStyle(w).zoom) || 1 : 1;"
            " return [r.left * z, r.top * z, r.width * z, r.height * z]; })")


class SeleniumDriver:
    """Chromium or WebKitGTK through their WebDriver servers."""

    def __init__(self):
        self.profile = self.server = None
        if ENGINE == "chromium":
            options = webdriver.ChromeOptions()
            options.binary_location = "/usr/bin/chromium"
            self.profile = tempfile.mkdtemp(prefix="voice-types-profile-")
            for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self.profile]:
                options.add_argument(flag)
            # Show scroll bars as a user sees them.
            options.add_experimental_option("excludeSwitches",
                                            ["enable-automation", "hide-scrollbars"])
            options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
            self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                                           options=options)
        else:
            # WebKitWebDriver starts WebKitGTK's MiniBrowser in automation mode, on $DISPLAY.
            self.profile = tempfile.mkdtemp(prefix="voice-types-webkit-")
            style = pathlib.Path(self.profile, "gtk-3.0", "gtk.css")
            style.parent.mkdir()
            style.write_text(WEBKIT_TOOLBAR)
            # Debian's Selenium starts the driver with this process's environment.
            os.environ["XDG_CONFIG_HOME"] = self.profile
            # Started here and reached as a remote: Selenium's WebKitGTK class is called one way
            # in 4.11 and another in 4.24, and 4.24 finds a driver only by its whole path.
            self.server = WebKitService("/usr/bin/WebKitWebDriver")
            self.server.start()
            self.driver = webdriver.Remote(self.server.service_url,
                                           options=webdriver.WebKitGTKOptions())
            self.chrome = None

    def set_viewport(self, width, height, mobile):
        if ENGINE == "chromium":
            turned = {"type": "portraitPrimary" if height >= width else "landscapePrimary",
                      "angle": 0 if height >= width else 90}
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile,
                "screenOrientation": turned})
            return
        # The window is the viewport and MiniBrowser's toolbar above it.
        if self.chrome is None:
            self.driver.set_window_rect(0, 0, width, height)
            inner = self.driver.execute_script("return [innerWidth, innerHeight]")
            self.chrome = (width - inner[0], height - inner[1])
        self.driver.set_window_rect(0, 0, width + self.chrome[0], height + self.chrome[1])

    def goto(self, url):
        self.driver.get(url)

    def back(self):
        self.driver.back()

    def evaluate(self, expression):
        return self.driver.execute_script("return " + expression)

    def click(self, x, y):
        actions = ActionBuilder(self.driver, duration=0)
        actions.pointer_action.move_to_location(x, y).click()
        actions.perform()

    def tap(self, x, y):
        """A finger where the engine can send one (Chromium's DevTools)."""
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})

    def press(self, key):
        *held, last = KEYS[key]
        chain = ActionChains(self.driver)
        for down in held:
            chain = chain.key_down(down)
        chain = chain.send_keys(last)
        for down in reversed(held):
            chain = chain.key_up(down)
        chain.perform()

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def close(self):
        self.driver.quit()
        if self.server:
            # Not Service.stop(): the shutdown request it sends first waits for an answer
            # with no time limit, and WebKitWebDriver does not always give one.
            self.server.process.terminate()
            self.server.process.wait(30)
        if self.profile:
            shutil.rmtree(self.profile, ignore_errors=True)


class FirefoxDriver:
    """Firefox ESR over WebDriver BiDi, which it speaks itself (Debian has no geckodriver)."""

    def __init__(self):
        # Firefox takes the preferences that automation recommends by itself.
        self.profile = tempfile.mkdtemp(prefix="voice-types-firefox-")
        log = pathlib.Path(self.profile, "firefox.log")
        with open(log, "w") as output:
            self.process = subprocess.Popen(
                ["/usr/bin/firefox-esr", "--headless", "--no-remote", "--profile", self.profile,
                 "--remote-debugging-port=0"], stdout=output, stderr=output)
        address = None
        for _ in range(600):
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", log.read_text())
            if found:
                address = found.group(1)
                break
            time.sleep(0.05)
        if address is None:
            raise RuntimeError("Firefox did not start its WebDriver BiDi server")
        # Firefox refuses a connection that names an origin, as a page would.
        self.socket = websocket.create_connection(address + "/session", timeout=120,
                                                  suppress_origin=True)
        self.sent = 0
        self.call("session.new", capabilities={})
        # A tab of our own, which takes the focus as a new tab does: the first one does not.
        self.context = self.call("browsingContext.create", type="tab")["context"]

    def set_viewport(self, width, height, mobile):
        self.call("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height})

    def call(self, method, **params):
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": params}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == self.sent:
                break
        if answer.get("type") == "error":
            raise RuntimeError(f"Firefox, {method}: {answer['error']}: {answer.get('message')}")
        return answer["result"]

    def goto(self, url):
        self.call("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def back(self):
        self.call("browsingContext.traverseHistory", context=self.context, delta=-1)

    def evaluate(self, expression):
        """The value as JSON, so that it crosses as one string."""
        answer = self.call("script.evaluate", target={"context": self.context},
                           awaitPromise=True, expression=f"(async () => JSON.stringify("
                                                         f"await ({expression})))()")
        if answer["type"] == "exception":
            raise RuntimeError(answer["exceptionDetails"]["text"])
        value = answer["result"].get("value")
        return None if value is None else json.loads(value)

    def perform(self, source):
        self.call("input.performActions", context=self.context, actions=[source])

    def click(self, x, y):
        self.perform({"type": "pointer", "id": "mouse", "actions": [
            {"type": "pointerMove", "x": x, "y": y}, {"type": "pointerDown", "button": 0},
            {"type": "pointerUp", "button": 0}]})

    def tap(self, x, y):
        self.perform({"type": "pointer", "id": "finger", "parameters": {"pointerType": "touch"},
                      "actions": [{"type": "pointerMove", "x": x, "y": y},
                                  {"type": "pointerDown", "button": 0},
                                  {"type": "pointerUp", "button": 0}]})

    def press(self, key):
        keys = KEYS[key]
        self.perform({"type": "key", "id": "keyboard", "actions": [
            {"type": "keyDown", "value": k} for k in keys] + [
            {"type": "keyUp", "value": k} for k in reversed(keys)]})

    def screenshot(self):
        return base64.b64decode(self.call("browsingContext.captureScreenshot",
                                          context=self.context)["data"])

    def close(self):
        try:
            self.call("browser.close")
        finally:
            self.socket.close()
            self.process.wait(timeout=30)
            shutil.rmtree(self.profile, ignore_errors=True)


class Page:
    """The page, or a copy of it, in a browser of its own."""

    def __init__(self, url=None, wait_ready=True):
        self.driver = FirefoxDriver() if ENGINE == "firefox" else SeleniumDriver()
        # The window's own size, where it stands at 1x in the top-left corner.
        self.driver.set_viewport(FORM["window"]["width"], FORM["window"]["height"], False)
        self.fit = None
        self.url = url or pathlib.Path(PAGE).resolve().as_uri()
        self.goto(self.url)
        if wait_ready:
            self.wait_ready()

    def goto(self, url):
        self.fit = None
        self.driver.goto(url)

    def set_viewport(self, width, height, mobile=False):
        """A screen of this size in CSS px; a phone's or tablet's where the engine can."""
        if width < rules().narrowest:
            raise unittest.SkipTest(f"{ENGINE}: its window is {rules().narrowest} px wide at least")
        self.driver.set_viewport(width, height, mobile and rules().phone_viewport)
        self.fit = None
        self.wait_for(f"document.documentElement.clientWidth === {width} &&"
                      f" document.documentElement.clientHeight === {height}")
        self.next_frame()

    def window_fit(self):
        """The window's place in the viewport and its scale: (left, top, scale)."""
        if self.fit is None:
            left, top, width, _ = self.js(f"return {rect_js()}(document.getElementById('window'))")
            self.fit = (left, top, width / FORM["window"]["width"])
        return self.fit

    def point(self, slot):
        """Where a user clicks or taps a radio button's or check box's own circle or square:
        at the left of its place, in the viewport."""
        left, top, _, height = FORM["controls"][slot]["place"]
        x, y, scale = self.window_fit()
        return round(x + (left + 8) * scale), round(y + (top + height // 2) * scale)

    def wait_ready(self):
        self.wait_for("!!document.getElementById('window') &&"
                      " document.getElementById('window').dataset.ready === 'true'")

    def wait_for(self, expression, seconds=20, what=None):
        deadline = time.monotonic() + seconds
        while not self.driver.evaluate(expression):
            if time.monotonic() > deadline:
                raise AssertionError(what or f"never true: {expression}")
            time.sleep(0.05)

    def __getattr__(self, name):
        """What the engine's driver does alike for every engine: back, press, close."""
        return getattr(self.driver, name)

    def js(self, script, *args):
        """A function body that may read arguments and return a value, as WebDriver runs it."""
        return self.driver.evaluate(f"(function () {{ {script} }}).apply(null, {json.dumps(args)})")

    def js_async(self, script, *args):
        """The same, answering through its last argument, a callback."""
        return self.driver.evaluate(
            f"new Promise(done => (function () {{ {script} }}).apply(null, "
            f"{json.dumps(args)}.concat([done])))")

    def cdp(self, command, params=None):
        return self.driver.driver.execute_cdp_cmd(command, params or {})

    def click(self, slot):
        self.driver.click(*self.point(slot))

    def tap(self, slot):
        self.driver.tap(*self.point(slot))

    def screenshot(self):
        """What the viewport shows once the next frame is drawn (an engine's element shots
        can come back black)."""
        self.next_frame()
        return Image.open(io.BytesIO(self.driver.screenshot())).convert("RGB")

    def next_frame(self):
        self.js_async("requestAnimationFrame(() => setTimeout(arguments[0], 0))")

    def axe(self, tags, exempt):
        """What axe-core finds on the page now: each rule broken, with the ids of the controls
        (or the tags of other elements) that break it; exempt maps a rule to control ids."""
        if not self.js("return typeof axe === 'object'"):
            self.js(pathlib.Path(os.environ["VOICE_TYPES_AXE"]).read_text(encoding="utf-8"))
        # The stage is fixed and covers the viewport, which axe takes for an open modal: it
        # would then pass the page's checks (one heading, one main landmark) without looking.
        return self.driver.evaluate(f"""(() => {{
          const checks = Object.fromEntries(Object.values(axe._audit.checks)
            .filter(check => check.options?.passForModal)
            .map(check => [check.id, {{options: {{...check.options, passForModal: false}}}}]));
          return axe.run(document, {{runOnly: {{type: 'tag', values: {json.dumps(tags)}}},
                                    resultTypes: ['violations'], checks}});
        }})().then(found => {{
          const exempt = {json.dumps(exempt)};
          const where = node => {{
            const element = document.querySelector(node.target[0]);
            const control = element && element.closest('.control');
            return control ? control.id : node.target[0];
          }};
          return found.violations.map(rule => [rule.id,
              rule.nodes.map(where).filter(id => !(exempt[rule.id] || []).includes(id))])
            .filter(([rule, places]) => places.length > 0);
        }})""")

    def title(self):
        return self.js("return document.title")

    def requests(self):
        """Every address the browser asked for since it started, where its driver tells:
        Chromium's DevTools log."""
        if not rules().devtools:
            return None
        events = [json.loads(entry["message"])["message"]
                  for entry in self.driver.driver.get_log("performance")]
        return [event["params"]["request"]["url"] for event in events
                if event["method"] == "Network.requestWillBeSent"]

    def state(self):
        """The focused control, every control's visibility and check, the log as the program
        keeps it, what the log box shows, and what the live region last announced."""
        return self.js("""
            const controls = Array.from(document.getElementById('window').children);
            const input = c => c.querySelector('input');
            const focused = document.activeElement && document.activeElement.closest('.control');
            return {focused: focused ? controls.indexOf(focused) : -1,
                    visible: controls.map(c => !c.hidden),
                    checked: controls.map(c => input(c) ? input(c).checked : false),
                    log: voiceTypesLog(), shown: controls[arguments[0]].value,
                    announced: document.getElementById('announce').textContent};""", log_slot())


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

    def needs(self, rule, why):
        if not getattr(rules(), rule):
            self.skipTest(f"{ENGINE}: {why}")


def load(page_file, dump, engine="chromium"):
    global ENGINE, PAGE, FORM
    ENGINE, PAGE = engine, page_file
    dumped = subprocess.run(["node", dump], check=True, capture_output=True, text=True).stdout
    try:
        FORM = json.loads(dumped)
    except ValueError as error:
        sys.exit(f"the form table's JSON, as the page reads it, does not parse: {error}")


def main():
    """python3 TEST.py ENGINE PAGE FORM_DUMP [unittest arguments]"""
    engine, page_file, dump = sys.argv[1:4]
    del sys.argv[1:4]
    if engine not in RULES:
        sys.exit(f"unknown engine {engine!r}: one of {', '.join(RULES)}")
    load(page_file, dump, engine)
    unittest.main(module="__main__", verbosity=2)
