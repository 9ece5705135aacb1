// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps every file of the page, so that after one visit it opens and answers offline. The cache
// is named by a hash of the build's files: a new build fills a cache of its own, and only when
// the whole of it is there does it take over and drop the old one, so no page mixes two builds.
const CACHE = "@CACHE@";
const FILES = [@FILES@];

self.addEventListener("install", event => {
    event.waitUntil(caches.open(CACHE)
        .then(cache => cache.addAll(FILES.map(file => new Request(file, {cache: "reload"}))))
        .then(() => self.skipWaiting()));
});

self.addEventListener("activate", event => {
    event.waitUntil(caches.keys()
        .then(keys => Promise.all(keys.filter(key => key !== CACHE).map(key => caches.delete(key))))
        .then(() => self.clients.claim()));
});

self.addEventListener("fetch", event => {
    if (event.request.method !== "GET")
        return;
    event.respondWith(caches.open(CACHE).then(cache =>
        cache.match(event.request, {ignoreSearch: true}).then(hit => hit || fetch(event.request))));
});
