// SPDX-License-Identifier: MIT
// Keeps the site for working offline: every file on the first visit, served from the cache
// first, the cache replaced when a new version of the site is published.
"use strict";
const CACHE = "liftcalc-@SITE_VERSION@";
const FILES = ["./", "index.html", "page.css", "record.css", "liftcalc.js", "page_scripts.js", "liftcalc.wasm",
  "manifest.webmanifest", "icon-32.png", "icon-192.png", "icon-512.png"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request)),
  );
});
