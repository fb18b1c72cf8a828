// The page's side of the program, linked into vorlank.js as an Emscripten library: it runs the
// program's start, passes each click and key to the program (the core compiled to WebAssembly)
// and hands each step the program gives back to the page's start script (vorlankPage, in
// index.html), which draws it and performs its effects. Nothing here is a page global.
"use strict";
// What Emscripten provides around a library, and what it makes of its "$" entries; the page's
// start script.
/* global mergeInto, LibraryManager, page, _vorlank_click, _vorlank_open_failed, _vorlank_press,
   _vorlank_start, UTF8ToString, vorlankPage */

mergeInto(LibraryManager.library, {
    $page: {
        // Draws a step the program gave (none: nothing happened) and performs its effects; an
        // address the browser would not open comes back to the program as an event of its own,
        // once this step is done.
        present: function(step) {
            if (step && vorlankPage.present(JSON.parse(UTF8ToString(step))))
                page.present(_vorlank_open_failed());
        },

        // Stage `stage` of the program's start, in a task of its own; then the first step.
        start: function(stage) {
            setTimeout(() => {
                const seed = new URLSearchParams(location.search).get("seed");
                const step = _vorlank_start(stage, /^\d{1,9}$/.test(seed) ? Number(seed) : -1);
                if (step)
                    page.ready(JSON.parse(UTF8ToString(step)));
                else
                    page.start(stage + 1);
            });
        },

        // Draws the first step and wires the page to the program, which takes the clicks made
        // before then first; a program that cannot run stops there.
        ready: function(first) {
            vorlankPage.present(first);
            if (first.view.stopped)
                return;
            for (const control of document.querySelectorAll("#client [data-element]")) {
                const element = Number(control.dataset.element);
                // An answer is chosen by its circle, its text, the arrow keys or a screen
                // reader's click: its change.
                if (control.type === "radio") {
                    control.addEventListener(
                        "change", () => page.present(_vorlank_click(element, 0)));
                    continue;
                }
                control.addEventListener("click", event => {
                    // A link opened where the reader chooses (a modifier key) is the browser's.
                    const chosen = event.ctrlKey || event.shiftKey || event.metaKey || event.altKey;
                    if (control.href && chosen)
                        return;
                    event.preventDefault();
                    page.present(_vorlank_click(element, 0));
                });
            }
            document.addEventListener("keydown", page.key);
            vorlankPage.ready(element => page.present(_vorlank_click(element, 0)));
            // Served from a web host, the page can be installed and works offline after the first
            // visit; from a file, browsers refuse both.
            if (location.protocol.startsWith("http")) {
                const manifest = document.createElement("link");
                manifest.rel = "manifest";
                manifest.href = "manifest.webmanifest";
                document.head.append(manifest);
                if ("serviceWorker" in navigator) {
                    // Once the page has loaded and the worker runs, it keeps what the page used.
                    navigator.serviceWorker.register("sw.js");
                    navigator.serviceWorker.addEventListener(
                        "message", () => performance.mark("vorlank-kept"));
                    const loaded = document.readyState === "complete"
                        ? Promise.resolve()
                        : new Promise(done => addEventListener("load", done));
                    Promise.all([loaded, navigator.serviceWorker.ready])
                        .then(([, worker]) => worker.active.postMessage([
                            location.href,
                            ...performance.getEntriesByType("resource").map(e => e.name)
                        ]));
                }
            }
            performance.mark("vorlank-ready");
        },

        // Tab, Shift+Tab and the arrow keys on the window's controls go where the program says;
        // where it says the key is not the window's, the browser takes it (out of the page, at
        // either end).
        key: function(event) {
            const keys = { Tab: 0, ArrowRight: 2, ArrowDown: 2, ArrowLeft: 3, ArrowUp: 3 };
            const control = event.target.closest && event.target.closest("#client [data-element]");
            if (!control || event.altKey || event.ctrlKey || event.metaKey)
                return;
            // Enter chooses an answer too (a screen reader in browse mode passes it on), and
            // held down on a button or a link repeats as the program says.
            if (event.key === "Enter" && (event.repeat || control.type === "radio")) {
                event.preventDefault();
                page.present(_vorlank_click(Number(control.dataset.element), event.repeat ? 1 : 0));
                return;
            }
            if (!(event.key in keys))
                return;
            const key = event.key === "Tab" && event.shiftKey ? 1 : keys[event.key];
            const step
                = _vorlank_press(Number(control.dataset.element), key, vorlankPage.keyboard());
            if (!step)
                return;
            event.preventDefault();
            page.present(step);
        },
    },

    vorlank_page_begin__deps: ["$page"],
    vorlank_page_begin: function() {
        page.start(0);
    },
});
