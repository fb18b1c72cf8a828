// The page's side of the program, linked into vorlank.js as an Emscripten library: it passes
// each click and key to the program (the core compiled to WebAssembly), hands each view the
// program gives back to the page's start script (vorlankPage, in index.html), which draws it,
// and opens its address. Nothing here is a page global.
"use strict";
// What Emscripten provides around a library, and what it makes of its "$" entries; the page's
// start script.
/* global mergeInto, LibraryManager, page, _vorlank_click, _vorlank_focus, _vorlank_open_failed,
   _vorlank_start, UTF8ToString, vorlankPage */

mergeInto(LibraryManager.library, {
    $page: {
        // Wires the page to the program once it is ready, and runs the clicks made before then.
        start: function() {
            for (const control of document.querySelectorAll("#client [data-element]")) {
                const element = Number(control.dataset.element);
                // An answer is chosen by its circle, its text, the arrow keys or a screen
                // reader's click: its change.
                if (control.type === "radio") {
                    control.addEventListener("change", () => _vorlank_click(element));
                    continue;
                }
                control.addEventListener("click", event => {
                    // A link opened where the reader chooses (a modifier key) is the browser's.
                    const chosen = event.ctrlKey || event.shiftKey || event.metaKey || event.altKey;
                    if (control.href && chosen)
                        return;
                    event.preventDefault();
                    _vorlank_click(element);
                });
            }
            document.addEventListener("keydown", page.key);
            vorlankPage.ready(element => _vorlank_click(element));
            // Served from a web host, the page can be installed and works offline after the first
            // visit; from a file, browsers refuse both.
            if (location.protocol.startsWith("http")) {
                const manifest = document.createElement("link");
                manifest.rel = "manifest";
                manifest.href = "manifest.webmanifest";
                document.head.append(manifest);
                if ("serviceWorker" in navigator)
                    navigator.serviceWorker.register("sw.js");
            }
            performance.mark("vorlank-ready");
        },

        // Tab, Shift+Tab and the arrow keys on the window's controls go where the program says;
        // where it says the key is not the window's, the browser takes it (out of the page, at
        // either end).
        key: function(event) {
            const keys = { Tab: 0, ArrowRight: 2, ArrowDown: 2, ArrowLeft: 3, ArrowUp: 3 };
            const control = event.target.closest && event.target.closest("#client [data-element]");
            if (!(event.key in keys) || !control || event.altKey || event.ctrlKey || event.metaKey)
                return;
            const key = event.key === "Tab" && event.shiftKey ? 1 : keys[event.key];
            const move
                = _vorlank_focus(Number(control.dataset.element), key, vorlankPage.keyboard());
            if (move < 0)
                return;
            event.preventDefault();
            const target = document.querySelector("#client [data-element=\"" + move % 1000 + "\"]");
            target.focus();
            if (move >= 1000) // an arrow key chooses the answer it moves to
                target.click();
        },

        draw: function(view) {
            vorlankPage.draw(view);
            if (view.address)
                page.open(view.address);
        },

        // A new tab at the address, told nothing of the page that opened it; a blocked one is the
        // program's to report.
        open: function(address) {
            const tab = window.open(address, "_blank");
            if (!tab) {
                _vorlank_open_failed();
                return;
            }
            try {
                tab.opener = null;
            } catch (crossOrigin) {
            }
        },
    },

    vorlank_page_draw__deps: ["$page"],
    vorlank_page_draw: function(view) {
        page.draw(JSON.parse(UTF8ToString(view)));
    },

    // Runs the program's next step of its start in a task of its own.
    vorlank_page_later: function(stage) {
        setTimeout(() => _vorlank_start(stage));
    },

    vorlank_page_ready__deps: ["$page"],
    vorlank_page_ready: function() {
        page.start();
    },
});
