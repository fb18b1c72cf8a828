// The page's side of the window: it passes clicks and keys to the program (vorlank.js, the core
// compiled to WebAssembly) and shows what the program asks. The window itself, its texts and its
// keyboard order come from the page as page_writer wrote it.
"use strict";
const vorlankPage = (() => {
    const client = document.getElementById("Form1");
    const box = document.getElementById("box");
    const byId = id => document.getElementById(id);

    // Clicks wait for the program while it loads, and reach it in order.
    let program = null;
    const waiting = [];
    for (const control of client.querySelectorAll("[data-action]")) {
        const action = Number(control.dataset.action);
        control.addEventListener("click", () =>
            program ? program._vorlank_click(action) : waiting.push(action));
    }

    // Tab and Shift+Tab follow the table's keyboard order round the window, as in a dialog. The
    // options of one group are one stop, entered at the chosen one or, with none chosen, the
    // first; the arrow keys move within it, as radio buttons do.
    const stops = [];
    for (const id of client.dataset.keyboard.split(" ")) {
        const control = byId(id).querySelector("input") || byId(id);
        const last = stops[stops.length - 1];
        if (control.type === "radio" && last && last.group === control.name)
            last.controls.push(control);
        else
            stops.push({ group: control.type === "radio" ? control.name : null, controls: [control] });
    }
    document.addEventListener("keydown", event => {
        if (event.key !== "Tab" || box.open || event.altKey || event.ctrlKey || event.metaKey)
            return;
        const at = stops.findIndex(stop => stop.controls.includes(document.activeElement));
        const step = event.shiftKey ? stops.length - 1 : 1;
        const next = stops[at < 0 ? (event.shiftKey ? stops.length - 1 : 0) : (at + step) % stops.length];
        event.preventDefault();
        (next.controls.find(control => control.checked) || next.controls[0]).focus();
    });

    // Served from a web host, the page works offline after the first visit.
    if ("serviceWorker" in navigator && location.protocol.startsWith("http"))
        navigator.serviceWorker.register("sw.js");

    return {
        ready(module) {
            program = module;
            for (const action of waiting.splice(0))
                program._vorlank_click(action);
            document.documentElement.dataset.ready = "";
            performance.mark("vorlank-ready");
        },
        setTitle(text) {
            document.title = text;
            byId("title").textContent = text;
        },
        setText(id, text) {
            byId(id).textContent = text;
        },
        isChecked(id) {
            return byId(id).querySelector("input").checked;
        },
        // The window's one box: a message, or a warning with a detail (an address the browser
        // would not open, an error's description) selected to copy. Enter and Escape close it.
        showBox(message, detail) {
            byId("box-message").textContent = message;
            const field = byId("box-detail");
            field.hidden = !detail;
            field.value = detail;
            box.querySelector(".warning").style.display = detail ? "" : "none";
            box.showModal();
            if (detail) {
                field.focus();
                field.select();
            } else {
                byId("box-ok").focus();
            }
        },
    };
})();
