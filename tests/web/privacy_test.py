# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""Opened from disk, the page fetches nothing and stores nothing, and says so in its policy."""
import browser
from browser import PageTest, option_slot, voice_slot


class PrivacyTest(PageTest):
    def test_no_request_beyond_the_page_itself_and_nothing_stored(self):
        page = self.page
        for slot in (option_slot(0), voice_slot(0, 1), voice_slot(0, 1), option_slot(1)):
            page.click(slot)
        # What the page itself loaded, as every engine counts it; and what the browser asked
        # for, where its driver tells: the page, and its inlined icon at most (a start page
        # may come before the page).
        self.assertEqual(page.js("return performance.getEntriesByType('resource').length"), 0)
        urls = page.requests()
        if urls is not None:
            urls = urls[urls.index(page.url):] if page.url in urls else urls
            self.assertEqual([url for url in urls
                              if url != page.url and not url.startswith("data:")], [])
        stored = page.js_async("""
            const done = arguments[0];
            indexedDB.databases().then(databases => done({
                cookies: document.cookie, local: localStorage.length,
                session: sessionStorage.length, databases: databases.length}));""")
        self.assertEqual(stored, {"cookies": "", "local": 0, "session": 0, "databases": 0})

    def test_the_pages_own_policy_refuses_every_fetch(self):
        page = self.page
        policy = page.js("return document.querySelector("
                         "'meta[http-equiv=\"Content-Security-Policy\"]').content")
        # Exactly this: anything added (a connect-src, an 'unsafe-eval') is a hole.
        self.assertEqual(policy, "default-src 'none'; script-src 'unsafe-inline' 'wasm-unsafe-eval';"
                                 " style-src 'unsafe-inline'; img-src data:; base-uri 'none';"
                                 " form-action 'none'")
        outcome = page.js_async("""
            const done = arguments[0];
            let refused = false;
            document.addEventListener('securitypolicyviolation', () => { refused = true; });
            fetch('https://www.example.org/').then(() => done('fetched'),
                                                   () => setTimeout(() => done(refused), 100));""")
        self.assertIs(outcome, True)


if __name__ == "__main__":
    browser.main()
