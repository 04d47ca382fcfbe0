#!/usr/bin/python3 -B
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""The web edition's figures: file size, load time against a plain HTML page with the same
controls, the cost of one toggle as the log grows, with where that time goes, and of fitting
the window to a screen turned, with a long log; and the app from a web site on this machine,
its page from nginx against the single file and against Python's web server, and from its
worker's cache with nginx stopped against from nginx.

    bench/web_bench.py PAGE FORM_DUMP [--runs 20] [--lines 10,1000,10000] [--refit-lines 1000]
"""
import argparse
import contextlib
import gzip
import pathlib
import statistics
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import browser  # noqa: E402
from behaviour_test import free_port, nginx  # noqa: E402

# Records, on every page, when the form is ready and its next frame is drawn.
READY_PROBE = """
new MutationObserver((changes, observer) => {
  const area = document.getElementById('window');
  if (area && area.dataset.ready) {
    observer.disconnect();
    requestAnimationFrame(() => { window.voiceTypesReadyAt = performance.now(); });
  }
}).observe(document, {subtree: true, childList: true, attributes: true});
"""

FRAME = "const frame = () => new Promise(r => requestAnimationFrame(() => setTimeout(r, 0)));"


def load_ms(page, url):
    page.goto(url)
    for _ in range(200):
        ready = page.js("return window.voiceTypesReadyAt")
        if ready:
            return ready
        page.js("return new Promise(r => setTimeout(r, 10))")
    raise RuntimeError(f"{url} never became ready")


def measure_load(page, runs):
    page.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": READY_PROBE})
    baseline = (pathlib.Path(__file__).resolve().parent / "web_baseline.html").as_uri()
    ours, theirs = [], []
    for _ in range(runs):  # alternated, so that drift hits both alike
        theirs.append(load_ms(page, baseline))
        ours.append(load_ms(page, page.url))
    return statistics.median(ours), statistics.median(theirs)


@contextlib.contextmanager
def python_server(folder, port):
    """Python's web server on 127.0.0.1:PORT for the time of a with block."""
    server = subprocess.Popen([sys.executable, "-u", "-m", "http.server", "--bind", "127.0.0.1",
                               "--directory", folder, str(port)],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        server.stdout.readline()  # "Serving HTTP on ...": it listens
        yield
    finally:
        server.terminate()
        server.wait()


def measure_site(page, root, runs):
    """Alternated: the single file; the site's page from Python's server and from nginx, its
    worker passed by; and from the worker's cache with nginx stopped."""
    times = {"file": [], "python": [], "nginx": [], "cache": []}
    work, port = root.parent / "bench-nginx", free_port()
    work.mkdir(exist_ok=True)
    url = f"http://127.0.0.1:{port}/voice-types/"
    with nginx(root, work, port):
        page.goto(url)
        page.wait_for("navigator.serviceWorker.ready.then(() =>"
                      " !!navigator.serviceWorker.controller)")
    page.cdp("Network.enable")
    page.cdp("Network.setCacheDisabled", {"cacheDisabled": True})
    servers = {"python": lambda: python_server(root, port),
               "nginx": lambda: nginx(root, work, port)}
    for _ in range(runs):
        times["file"].append(load_ms(page, page.url))
        page.cdp("Network.setBypassServiceWorker", {"bypass": True})
        for name, server in servers.items():
            with server():
                times[name].append(load_ms(page, url))
        page.cdp("Network.setBypassServiceWorker", {"bypass": False})
        times["cache"].append(load_ms(page, url))
    file, python, served, kept = (statistics.median(times[key])
                                  for key in ("file", "python", "nginx", "cache"))
    print(f"site, median of {runs} alternated runs: from nginx {served:.1f} ms = "
          f"{served / file:.2f}x the single file's {file:.1f} ms and {served / python:.2f}x "
          f"Python's server's {python:.1f} ms; from the worker's cache, nginx stopped, "
          f"{kept:.1f} ms = {kept / served:.2f}x nginx's")


def fill_log(page, slot, lines):
    page.js("""const input = document.getElementById('window').children[arguments[0]]
                   .querySelector('input');
               const missing = arguments[1] - (voiceTypesLog().split('\\r\\n').length - 1);
               for (let i = 0; i < missing; ++i) {
                 input.checked = !input.checked;
                 _voice_types_event(arguments[0]);
               }""", slot, lines)


def metrics(page):
    return {m["name"]: m["value"] for m in page.cdp("Performance.getMetrics")["metrics"]}


def spent(before, after, times):
    return {name: round((after[name] - before[name]) * 1000 / times, 2)
            for name in ("ScriptDuration", "RecalcStyleDuration", "LayoutDuration", "TaskDuration")}


def measure_refit(page, lines, turns=21):
    """From the resize that turning a tablet makes to the frame drawn with the window fitted
    again: the page fits it in the resize event, before that frame's layout."""
    page.click(browser.option_slot(0))
    fill_log(page, browser.voice_slot(0, 1), lines)
    page.cdp("Performance.enable")
    before, times = metrics(page), []
    for turn in range(turns):
        page.js("""window.voiceTypesRefit = new Promise(done => addEventListener('resize', () => {
                     const start = performance.now();
                     requestAnimationFrame(() => setTimeout(() => done(performance.now() - start)));
                   }, {once: true}));""")
        page.driver.set_viewport(*((1024, 768) if turn % 2 else (768, 1024)), True)
        times.append(page.driver.evaluate("window.voiceTypesRefit"))
    median = statistics.median(times)
    print(f"log of {lines} lines: a turn until its frame is drawn {median:.1f} ms (slowest "
          f"{max(times):.1f}); per turn, ms: {spent(before, metrics(page), turns)}", flush=True)


def measure_toggles(page, lines):
    page.driver.driver.set_script_timeout(3600)
    page.click(browser.option_slot(0))
    slot = browser.voice_slot(0, 1)
    page.cdp("Performance.enable")
    results = []
    for count in lines:
        fill_log(page, slot, count)
        before = metrics(page)
        median = page.driver.driver.execute_async_script(FRAME + """
            const done = arguments[arguments.length - 1];
            const input = document.getElementById('window').children[arguments[0]]
                              .querySelector('input');
            (async () => {
              await frame();
              const times = [];
              for (let i = 0; i < 21; ++i) {
                const start = performance.now();
                input.click();
                await frame();
                times.push(performance.now() - start);
              }
              times.sort((a, b) => a - b);
              done(times[10]);
            })();""", slot)
        cost = spent(before, metrics(page), 21)
        results.append((count, median, cost))
        print(f"log of {count} lines: one toggle until its frame is drawn {median:.1f} ms; "
              f"per toggle, ms: {cost}", flush=True)
    return results


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page")
    parser.add_argument("dump")
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--lines", default="10,1000,10000")
    parser.add_argument("--refit-lines", type=int, default=1000)
    args = parser.parse_args()
    browser.load(args.page, args.dump)
    data = pathlib.Path(args.page).read_bytes()
    print(f"{args.page}: {len(data):,} bytes, {len(gzip.compress(data, 9)):,} gzipped")
    page = browser.Page()
    try:
        ours, theirs = measure_load(page, args.runs)
        print(f"load to the form drawn, median of {args.runs} alternated runs: "
              f"{ours:.1f} ms against the plain page's {theirs:.1f} ms = {ours / theirs:.2f}x")
        measure_site(page, pathlib.Path(args.page).parent / "site", args.runs)
        page.goto(page.url)
        results = measure_toggles(page, [int(n) for n in args.lines.split(",")])
        first, last = results[0], results[-1]
        print(f"toggle cost at {last[0]} lines against {first[0]}: {last[1] / first[1]:.2f}x")
        page.goto(page.url)
        page.wait_ready()
        measure_refit(page, args.refit_lines)
    finally:
        page.close()


if __name__ == "__main__":
    main()
