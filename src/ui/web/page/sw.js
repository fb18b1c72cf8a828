// Served from a web host, the page works offline after the first visit: the first visit keeps
// what the page used on the reader's device (its address, and its files, the pictures at the
// screen's density but not the install icons), as the page reports once the worker runs, most
// of it from the browser's own cache; afterwards each file comes from the network while there is
// one, and is kept again, and without one the kept copy answers.
"use strict";
// The page's files, written in at build time.
/* global PAGE_FILES */
const kept = "vorlank";
const page = PAGE_FILES;
self.addEventListener("install", event => event.waitUntil(self.skipWaiting()));
self.addEventListener("activate", event => event.waitUntil(self.clients.claim()));
// Whether the worker keeps what is at `url`: the page itself or one of its files.
const ours = url => url.origin === location.origin
    && (url.pathname.endsWith("/") || page.includes(url.pathname.split("/").pop()));
self.addEventListener("message", event => event.waitUntil((async () => {
    const used = [...new Set(event.data)].map(address => new URL(address)).filter(ours);
    await (await caches.open(kept)).addAll(used);
    event.source.postMessage("kept");
})()));
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
            // The page at the address it was kept under, or under its other ("./" or
            // index.html).
            const copy = await cache.match(event.request, { ignoreSearch: true })
                || (event.request.mode === "navigate"
                    && ((await cache.match("./", { ignoreSearch: true }))
                        || (await cache.match("index.html", { ignoreSearch: true }))));
            if (copy)
                return copy;
            throw offline;
        }
    })());
});
