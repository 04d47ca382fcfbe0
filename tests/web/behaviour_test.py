# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""The lesson's worked sequence by mouse and by keyboard, the way back through the history,
the failure paths (a browser that cannot start the program, a failure while it runs), and the
app from a web site on this machine: installed, opened with the server stopped, updated."""
import contextlib
import json
import os
import pathlib
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import unittest

import browser
from accessibility_test import AXE_TAGS
from browser import Page, PageTest, option_slot, voice_slot

# The log box's view and caret, once the frame after the last change is drawn.
LOG_VIEW = """
    const done = arguments[arguments.length - 1];
    const box = document.getElementById('window').children[arguments[0]];
    requestAnimationFrame(() => setTimeout(() => done({
        top: box.scrollTop, bottom: box.scrollHeight - box.clientHeight,
        caret: [box.selectionStart, box.selectionEnd], length: box.value.length}), 0));"""

FAILURE = "const f = document.getElementById('failure'); return f.hidden ? null : f.textContent"


def before_the_page(script):
    return lambda html: html.replace('<meta charset="utf-8">',
                                     f'<meta charset="utf-8"><script>{script}</script>')


# Copies of the page as older or stricter browsers and sites give it: what the message names
# as missing, or None where the page must start as usual.
COPIES = [
    ("no WebAssembly", before_the_page("delete window.WebAssembly;"), "WebAssembly"),
    ("no exception handling", before_the_page(
        "WebAssembly.validate = () => false; WebAssembly.Module = function () {"
        " throw new WebAssembly.CompileError('unknown opcode 0x6'); };"),
     "WebAssembly exception handling"),
    ("a policy without 'wasm-unsafe-eval'", lambda html: html.replace(" 'wasm-unsafe-eval'", ""),
     "'wasm-unsafe-eval'"),
    ("no Uint8Array.fromBase64 (before 2025)", before_the_page("delete Uint8Array.fromBase64;"),
     None),
]


class BehaviourTest(PageTest):
    def log_view(self):
        return self.page.js_async(LOG_VIEW, browser.log_slot())

    def run_steps(self, steps):
        page = self.page
        state = page.state()
        self.assertEqual(state["focused"], browser.log_slot(), "the first focus")
        self.assertEqual(state["shown"], browser.FORM["controls"][browser.log_slot()]["text"]
                         .replace("\r\n", "\n"))
        view = self.log_view()
        self.assertGreater(view["bottom"], 0, "the exercise is longer than the box")
        self.assertEqual((view["top"], view["caret"]), (0, [0, 0]), "the exercise from its top")
        self.assertEqual(state["announced"], "", "nothing announced at start")
        logs = browser.FORM["worked_sequence"]
        for number, (step, expected) in enumerate(zip(steps, logs), start=1):
            with self.subTest(step=number):
                step()
                state = page.state()
                self.assertEqual(state["log"], expected)
                self.assertEqual(state["shown"].replace("\n", "\r\n"), expected)
                self.assertEqual(state["announced"], expected.split("\r\n")[-2], "the newest line")
        self.assertFalse(state["checked"][voice_slot(0, 0)], "soprano cleared on the way")

    def run_clicks(self, click):
        slots = [option_slot(0), voice_slot(0, 2), voice_slot(0, 2), voice_slot(0, 0),
                 option_slot(1), option_slot(0)]
        self.run_steps([lambda slot=slot: click(slot) for slot in slots])

    def test_worked_sequence_with_the_mouse(self):
        self.run_clicks(self.page.click)

    def test_worked_sequence_by_touch_on_a_phone(self):
        self.needs("touch", "its driver sends a touch as a mouse click")
        self.page.set_viewport(390, 844, mobile=True)
        self.run_clicks(self.page.tap)

    def test_turning_the_device_refits_the_window_and_keeps_what_it_holds(self):
        page = self.page
        page.set_viewport(844, 390, mobile=True)
        page.click(option_slot(0))
        page.click(voice_slot(0, 2))
        page.press("backtab")  # the focus on soprano
        held = page.state()
        page.set_viewport(390, 844, mobile=True)
        self.assertEqual(page.state(), held)
        scale = 390 / browser.FORM["window"]["width"]
        fit = page.window_fit()
        self.assertAlmostEqual(fit[2], scale, delta=0.01)
        self.assertAlmostEqual(fit[1], (844 - browser.FORM["window"]["height"] * scale) / 2, delta=1)
        if browser.rules().devtools:  # a pinch, as the browser's page scale: no re-fit
            fitted = "document.documentElement.style.getPropertyValue('--fit-scale')"
            before = page.js(f"return {fitted}")
            page.cdp("Emulation.setPageScaleFactor", {"pageScaleFactor": 2})
            page.next_frame()
            self.assertEqual(page.js(f"return [visualViewport.scale, {fitted}]"), [2, before])

    def test_worked_sequence_with_the_keyboard(self):
        page = self.page

        def keys(presses):
            def run():
                for key in presses:
                    page.press(key)
            return run
        self.run_steps([keys(step) for step in browser.FORM["keyboard"]])

    def test_the_newest_line_is_in_view_with_the_caret_after_it(self):
        page = self.page
        page.click(option_slot(0))
        for _ in range(40):
            page.click(voice_slot(0, 1))
        view = self.log_view()
        self.assertGreater(view["bottom"], 0)
        self.assertEqual(view["top"], view["bottom"])
        self.assertEqual(view["caret"], [view["length"]] * 2)

    def test_back_from_another_page_finds_the_window_fresh_or_as_it_was_left(self):
        page = self.page
        page.click(option_slot(0))
        page.click(voice_slot(0, 2))
        left = page.state()
        elsewhere = tempfile.mkdtemp(prefix="voice-types-elsewhere-")
        self.addCleanup(shutil.rmtree, elsewhere)
        other = pathlib.Path(elsewhere, "other.html")
        other.write_text("<!doctype html><title>other</title><p>another page")
        page.goto(other.as_uri())
        page.back()
        page.wait_ready()
        back = page.state()
        fresh = {"visible": [c["kind"] != "checkbox" and not c["never_shown"]
                             for c in browser.FORM["controls"]],
                 "checked": [False] * len(browser.FORM["controls"]),
                 "log": browser.FORM["controls"][browser.log_slot()]["text"]}
        seen = {key: back[key] for key in fresh}
        self.assertIn(seen, [fresh, {key: left[key] for key in fresh}], "neither fresh nor as left")
        page.click(option_slot(1))
        self.assertEqual(page.state()["log"], browser.FORM["worked_sequence"][4])

    def test_a_failure_ends_the_program_and_the_window_takes_no_more_input(self):
        page = self.page
        # A page broken under the program: the men's button has lost its caption.
        page.js("document.getElementById('Option1(1)').querySelector('span').remove()")
        page.click(option_slot(1))
        failure = page.js(FAILURE)
        self.assertIsNotNone(failure)
        self.assertTrue(failure.startswith("Програмата спря"), failure)
        # Over the window, on top of it and all of it in view.
        [f, w, on_top] = page.js(f"""const rect = {browser.rect_js()};
            const f = rect(document.getElementById('failure'));
            const w = rect(document.getElementById('window'));
            const centre = document.elementFromPoint(f[0] + f[2] / 2, f[1] + f[3] / 2);
            return [f, w, centre && centre.id]""")
        self.assertEqual([f[0] >= w[0], f[1] >= w[1], f[0] + f[2] <= w[0] + w[2],
                          f[1] + f[3] <= w[1] + w[3], on_top], [True] * 4 + ["failure"],
                         f"the failure message at {f}, not on top of the window at {w}")
        log = page.state()["log"]
        page.click(option_slot(0))
        state = page.state()
        self.assertEqual(state["log"], log, "nothing delivered after the failure")
        self.assertFalse(state["checked"][option_slot(0)], "the window is inert")
        self.assertTrue(page.js("return document.getElementById('window').inert"))

    def test_older_or_stricter_browsers_start_or_say_what_they_need(self):
        original = pathlib.Path(browser.PAGE).read_text(encoding="utf-8")
        folder = tempfile.mkdtemp(prefix="voice-types-copies-")
        self.addCleanup(shutil.rmtree, folder)
        for name, (what, changing, missing) in enumerate(COPIES):
            with self.subTest(what):
                copy = pathlib.Path(folder, f"{name}.html")
                copy.write_text(changing(original), encoding="utf-8")
                self.assertNotEqual(copy.read_text(encoding="utf-8"), original)
                page = self.page
                page.goto(copy.as_uri())
                if missing is None:
                    page.wait_ready()
                    page.click(option_slot(0))
                    self.assertEqual(page.state()["log"], browser.FORM["worked_sequence"][0])
                    continue
                page.wait_for("!document.getElementById('failure').hidden")
                message = page.js(FAILURE)
                self.assertTrue(message.startswith("Този браузър не може"), message)
                self.assertIn("Firefox 102", message)
                self.assertIn(missing, message)
                self.assertEqual(page.js("return document.getElementById('window')"
                                         ".children.length"), 0)


# Debian's nginx as a school's web server, all it writes in the test's own folder. Started as
# root, its workers would read the site as nobody, who may not reach it.
NGINX = """daemon off; pid {work}/nginx.pid; error_log {work}/error.log; {user}
events {{}}
http {{ include /etc/nginx/mime.types; access_log {work}/access.log;
  client_body_temp_path {work}/body; proxy_temp_path {work}/proxy;
  fastcgi_temp_path {work}/fastcgi; uwsgi_temp_path {work}/uwsgi; scgi_temp_path {work}/scgi;
  server {{ listen 127.0.0.1:{port}; root {root}; }} }}"""


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


@contextlib.contextmanager
def nginx(root, work, port):
    """nginx serving ROOT on 127.0.0.1:PORT for the time of a with block."""
    root, work = root.resolve(), work.resolve()  # nginx reads others from its own folder
    config = work / "nginx.conf"
    config.write_text(NGINX.format(work=work, port=port, root=root,
                                   user="user root;" if os.getuid() == 0 else ""))
    server = subprocess.Popen(["/usr/sbin/nginx", "-p", work, "-e", work / "error.log",
                               "-c", config])
    try:
        while not (work / "nginx.pid").exists():  # written once it listens
            if server.poll() is not None:
                raise AssertionError("nginx: " + (work / "error.log").read_text())
            time.sleep(0.02)
        yield
    finally:
        server.terminate()
        server.wait(30)


def release_two(work, site):
    """The next release's zip, made by the build's page and site makers from a site head that
    marks the page, a day after this release's time."""
    makers = json.loads(pathlib.Path(browser.PAGE).with_name("site-makers.json").read_text())
    page, head = work / "index.html", work / "site_head.html"
    at = [arg.endswith("site_head.html") for arg in makers["page"]].index(True)
    head.write_text(pathlib.Path(makers["page"][at]).read_text(encoding="utf-8").replace(
        "<link", '<meta name="release" content="2">\n<link', 1), encoding="utf-8")
    makers["page"][at] = head
    epoch = int((site / "index.html").stat().st_mtime) + 86400
    for command in (makers["page"] + [page],
                    makers["site"] + [epoch, page, work / "voice-types", work / "release-2.zip"]):
        subprocess.run([sys.executable, "-B", *map(str, command)], check=True)
    return work / "release-2.zip"


# The caches of this app's releases, and the files the newest of them holds.
RELEASE_CACHES = ("caches.keys().then(names => names.filter(n =>"
                  " n.startsWith(`voice-types ${location.origin}/voice-types/ `)))")
HELD = """return caches.open(arguments[0]).then(cache => cache.keys().then(kept => Promise.all(
    kept.map(r => cache.match(r).then(answer => answer.text()).then(text =>
        [new URL(r.url).pathname, text.includes('name="release"')])))))"""
# Another school app on the same host, and a copy of this one in another folder.
OTHERS = ["another school app", "voice-types http://127.0.0.1/other-folder/ 1.0.0.0-x"]


class SiteTest(unittest.TestCase):
    def test_installs_opens_with_its_server_stopped_and_takes_a_new_release_by_two_starts(self):
        # As a school's IT puts it up: the zip unpacked with unzip, served by nginx.
        work = pathlib.Path(browser.PAGE).parent / f"site-test-{browser.ENGINE}"
        shutil.rmtree(work, ignore_errors=True)
        work.mkdir()
        self.addCleanup(shutil.rmtree, work, True)
        root, port, unzip = work / "www", free_port(), ["unzip", "-q", "-o", "-d", work / "www"]
        subprocess.run(unzip + [pathlib.Path(browser.PAGE).with_name("voice-types-site.zip")],
                       check=True)
        url = f"http://127.0.0.1:{port}/voice-types/"
        with nginx(root, work, port):
            page = Page(url)
            self.addCleanup(page.close)
            page.wait_for("navigator.serviceWorker.ready.then(() =>"
                          " !!navigator.serviceWorker.controller)")
            if browser.rules().devtools:
                self.assertEqual(page.cdp("Page.getAppManifest")["errors"], [], "manifest")
                self.assertEqual(page.cdp("Page.getInstallabilityErrors")
                                 ["installabilityErrors"], [])
                urls = page.requests()
                self.assertEqual([asked for asked in urls[urls.index(url):]
                                  if not asked.startswith((url, "data:"))], [], "elsewhere")
                self.assertEqual(page.axe(AXE_TAGS, {}), [])
        # What is there once the server stops is what the worker kept, not the browser.
        if browser.rules().devtools:
            page.cdp("Network.setCacheDisabled", {"cacheDisabled": True})
        page.goto(url)
        page.wait_ready()
        page.click(option_slot(0))
        self.assertEqual(page.state()["log"], browser.FORM["worked_sequence"][0])
        if browser.rules().devtools:
            page.cdp("Network.setCacheDisabled", {"cacheDisabled": False})
        page.js("return Promise.all(arguments[0].map(n => caches.open(n))).then(() => 0)", OTHERS)
        [first] = page.evaluate(RELEASE_CACHES)
        # The next release unpacked over it.
        subprocess.run(unzip + [release_two(work, root / "voice-types")], check=True)
        with nginx(root, work, port):
            page.goto(url)
            page.wait_ready()
            page.wait_for(f"{RELEASE_CACHES}.then(names => names.length === 1 &&"
                          f" names[0] !== {json.dumps(first)})", what="release 2 in a cache of"
                          " its own, in place of release 1's")
            [second] = page.evaluate(RELEASE_CACHES)
            held = dict(page.js(HELD, second))
            page.goto(url)
            page.wait_ready()
        # Every file the site serves but the worker, which the browser keeps itself.
        served = {f"/voice-types/{path.relative_to(root / 'voice-types')}"
                  for path in (root / "voice-types").rglob("*") if path.is_file()}
        self.assertEqual(set(held), served - {"/voice-types/service-worker.js"} |
                         {"/voice-types/"}, "every file the site serves")
        self.assertEqual([where for where in ("/voice-types/", "/voice-types/index.html")
                          if not held[where]], [], "release 2's page, not the browser's copy")
        self.assertEqual(sorted(page.evaluate("caches.keys()")), sorted([second] + OTHERS),
                         "the caches of other apps and folders")
        self.assertIsNotNone(page.js("return document.querySelector('meta[name=release]')"),
                             "the second start shows release 2")


if __name__ == "__main__":
    browser.main()
