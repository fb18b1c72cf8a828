// Served from a web host, the page works offline after the first visit: the first visit keeps
// every file of the page; afterwards each file comes from the network while there is one, and is
// kept again, and without one the kept copy answers.
"use strict";
// The page's files, written in at build time.
/* global PAGE_FILES */
const kept = "vorlank";
const page = PAGE_FILES;
self.addEventListener("install", event => event.waitUntil((async () => {
    const cache = await caches.open(kept);
    await cache.addAll(["./", ...page]);
    await self.skipWaiting();
})()));
self.addEventListener("activate", event => event.waitUntil(self.clients.claim()));
self.addEventListener("fetch", event => {
    if (event.request.method !== "GET" || new URL(event.request.url).origin !== location.origin)
        return;
    event.respondWith((async () => {
        const cache = await caches.open(kept);
        try {
            const answer = await fetch(event.request);
            if (answer.ok)
                await cache.put(event.request, answer.clone());
            return answer;
        } catch (offline) {
            const copy = await cache.match(event.request, { ignoreSearch: true });
            if (copy)
                return copy;
            throw offline;
        }
    })());
});
