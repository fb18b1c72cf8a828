// The page's side of the window, linked into vorlank.js as an Emscripten library: it passes each
// click and key to the program (the core compiled to WebAssembly), draws each view the program
// gives back, opens its address and shows its box. The window itself, its texts and its keyboard
// stops come from the page as page_writer wrote it. Nothing here is a page global.
"use strict";
// What Emscripten provides around a library, and what it makes of its "$" entries.
/* global mergeInto, LibraryManager, page, _vorlank_click, _vorlank_open_failed, _vorlank_start,
   UTF8ToString */

mergeInto(LibraryManager.library, {
    $page: {
        byId: function(id) {
            return document.getElementById(id);
        },

        // Wires the page to the program once it is ready, and runs the clicks made before then.
        start: function() {
            const client = page.byId("client");
            for (const control of client.querySelectorAll("[data-action]")) {
                const action = Number(control.dataset.action);
                const radio = control.querySelector("input[type=radio]");
                // An answer is chosen by its circle, its text or the arrow keys: its change.
                if (radio)
                    radio.addEventListener("change", () => _vorlank_click(action));
                else
                    control.addEventListener("click", () => _vorlank_click(action));
            }
            page.wireTab(client);
            // Enter in the address's field closes the box, as on its button.
            page.byId("box-detail").addEventListener("keydown", event => {
                if (event.key === "Enter") {
                    event.preventDefault();
                    page.byId("box").close();
                }
            });
            const root = document.documentElement.dataset;
            root.ready = "";
            for (const action of (root.early || "").split(" ").filter(Boolean))
                _vorlank_click(Number(action));
            delete root.early;
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

        // Tab and Shift+Tab follow the table's keyboard stops round the window, as in a dialog.
        // The options of one stop are entered at the chosen one or, with none chosen, the first;
        // the arrow keys move within it, as radio buttons do.
        wireTab: function(client) {
            const stops = client.dataset.keyboard.split(" ").map(
                stop => stop.split(",").map(
                    id => page.byId(id).querySelector("input") || page.byId(id)));
            document.addEventListener("keydown", event => {
                if (event.key !== "Tab" || page.byId("box").open || event.altKey || event.ctrlKey
                    || event.metaKey)
                    return;
                const at = stops.findIndex(stop => stop.includes(document.activeElement));
                const step = event.shiftKey ? stops.length - 1 : 1;
                const next
                    = at < 0 ? (event.shiftKey ? stops.length - 1 : 0) : (at + step) % stops.length;
                event.preventDefault();
                (stops[next].find(control => control.checked) || stops[next][0]).focus();
            });
        },

        draw: function(view) {
            document.title = view.title;
            page.byId("title").textContent = view.title;
            // Each an element's id and its text. (Emscripten's library reader loses destructuring.)
            for (const text of view.texts)
                page.byId(text[0]).textContent = text[1];
            for (const radio of document.querySelectorAll("#client input[type=radio]"))
                radio.checked = radio.parentElement.id === view.checked;
            page.byId("status").textContent = view.announcement;
            // Leaving or reloading the page in the middle of a test asks first.
            if (view.underWay)
                addEventListener("beforeunload", page.keep);
            else
                removeEventListener("beforeunload", page.keep);
            if (view.address)
                page.open(view.address);
            if (view.box)
                page.showBox(view.box);
        },

        keep: function(event) {
            event.preventDefault();
            event.returnValue = "";
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

        // The window's one box: a message, or a warning with a detail (an address the browser
        // would not open, an error's description) selected to copy. Enter and Escape close it.
        showBox: function(box) {
            const field = page.byId("box-detail");
            page.byId("box-message").textContent = box.message;
            field.hidden = !box.detail;
            field.value = box.detail;
            field.style.height = "auto";
            page.byId("box").querySelector(".warning").style.display = box.warning ? "" : "none";
            page.byId("box").showModal();
            if (box.detail) {
                // The whole address, wrapped where it must be.
                field.style.height
                    = field.scrollHeight + field.offsetHeight - field.clientHeight + "px";
                field.focus();
                field.select();
            } else {
                page.byId("box-ok").focus();
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
