// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The installed app's worker: it keeps the files of one release in a cache named by that
// release and answers the app's requests from it, so the app opens with no network. The
// browser fetches this file again at each start of the app; a new release differs from it,
// is installed at once, takes over and deletes the caches of the releases before it: the
// start that finds it still shows the old release, the next one the new.
/* global self, caches, fetch */
"use strict";

// Per folder: a site may hold more than one copy of the app, each with its own cache.
const PREFIX = "voice-types " + self.registration.scope + " ";
const RELEASE = PREFIX + "{{{ RELEASE }}}";
const FILES = {{{ FILES }}};

// From the site itself, past the browser's own cache, which may still hold the release before.
self.addEventListener("install", function (event) {
  const fresh = FILES.map(function (file) { return new Request(file, {cache: "reload"}); });
  event.waitUntil(caches.open(RELEASE)
    .then(function (cache) { return cache.addAll(fresh); })
    .then(function () { return self.skipWaiting(); }));
});

self.addEventListener("activate", function (event) {
  event.waitUntil(caches.keys()
    .then(function (names) {
      return Promise.all(names.filter(function (name) {
        return name.startsWith(PREFIX) && name !== RELEASE;
      }).map(function (name) { return caches.delete(name); }));
    })
    .then(function () { return self.clients.claim(); }));
});

// Only the app's own files; the page asks for nothing else, and nothing from elsewhere.
self.addEventListener("fetch", function (event) {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.match(request, {cacheName: RELEASE, ignoreSearch: true})
    .then(function (kept) { return kept || fetch(request); }));
});
