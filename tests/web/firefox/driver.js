// Drives Debian's Firefox ESR for the browser tests over WebDriver BiDi, through npm's
// puppeteer-core (Debian has no geckodriver). Reads one JSON command a line on stdin and
// answers each with one JSON line: {"value": ...} or {"error": "..."}.
"use strict";
const readline = require("readline");
const puppeteer = require("puppeteer-core");

let browser = null;
let page = null;
let requests = [];
const visited = [];
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

const commands = {
  async open({url, width, height}) {
    browser = await puppeteer.launch({
      browser: "firefox",
      executablePath: "/usr/bin/firefox-esr",
      headless: true,
      extraPrefsFirefox: {"layout.css.devPixelsPerPx": "1.0"},
    });
    page = await browser.newPage();
    await page.setViewport({width, height});
    page.on("request", (request) => requests.push(request.url()));
    await commands.goto({url});
  },
  async goto({url}) {
    await page.goto(url);
    visited.push(url);
  },
  // A page that Firefox keeps while away comes back with no load, which goBack() would
  // wait for: wait for the earlier address instead.
  async back() {
    visited.pop();
    const target = visited[visited.length - 1];
    await page.evaluate("history.back()");
    for (let tries = 0; tries < 400; ++tries) {
      await sleep(25);
      const where = await page.evaluate("[location.href, document.readyState]").catch(() => []);
      if (where[0] === target && where[1] === "complete") return;
    }
    throw new Error("never came back to " + target);
  },
  // The expression is evaluated by the browser's automation, beside the page's own policy.
  async evaluate({expression}) {
    return page.evaluate(expression);
  },
  async click({x, y}) {
    await page.mouse.click(x, y);
  },
  async key({key, shift}) {
    if (shift) await page.keyboard.down("Shift");
    await page.keyboard.press(key);
    if (shift) await page.keyboard.up("Shift");
  },
  async screenshot() {
    return page.screenshot({encoding: "base64"});
  },
  async title() {
    return page.title();
  },
  async requests() {
    return requests;
  },
  async close() {
    if (browser) await browser.close();
    browser = null;
  },
};

const lines = readline.createInterface({input: process.stdin});
let queue = Promise.resolve();
lines.on("line", (line) => {
  queue = queue.then(async () => {
    const {op, ...args} = JSON.parse(line);
    let answer;
    try {
      const value = await commands[op](args);
      answer = {value: value === undefined ? null : value};
    } catch (error) {
      answer = {error: String(error && error.stack ? error.stack : error)};
    }
    process.stdout.write(JSON.stringify(answer) + "\n");
  });
});
lines.on("close", () => {
  queue = queue.then(() => commands.close());
});
