"""Opened from disk, the page fetches nothing and stores nothing, and says so in its policy."""
import json

import browser
from browser import PageTest, option_slot, voice_slot


class PrivacyTest(PageTest):
    def requests(self):
        events = [json.loads(entry["message"])["message"]
                  for entry in self.page.driver.get_log("performance")]
        urls = [event["params"]["request"]["url"] for event in events
                if event["method"] == "Network.requestWillBeSent"]
        # From the page's own load on: before it, the browser's start page.
        return urls[urls.index(self.page.url):]

    def test_no_request_beyond_the_page_itself_and_nothing_stored(self):
        page = self.page
        for slot in (option_slot(0), voice_slot(0, 1), voice_slot(0, 1), option_slot(1)):
            page.click(slot)
        self.assertEqual(self.requests(), [page.url])
        stored = page.driver.execute_async_script("""
            const done = arguments[0];
            indexedDB.databases().then(databases => done({
                cookies: document.cookie, local: localStorage.length,
                session: sessionStorage.length, databases: databases.length}));""")
        self.assertEqual(stored, {"cookies": "", "local": 0, "session": 0, "databases": 0})

    def test_the_pages_own_policy_refuses_every_fetch(self):
        page = self.page
        policy = page.js("return document.querySelector("
                         "'meta[http-equiv=\"Content-Security-Policy\"]').content")
        self.assertIn("default-src 'none'", policy)
        outcome = page.driver.execute_async_script("""
            const done = arguments[0];
            let refused = false;
            document.addEventListener('securitypolicyviolation', () => { refused = true; });
            fetch('https://www.example.org/').then(() => done('fetched'),
                                                   () => setTimeout(() => done(refused), 100));""")
        self.assertIs(outcome, True)


if __name__ == "__main__":
    browser.main()
