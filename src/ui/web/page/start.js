// The page's start, written into index.html at build time, and what draws every step and performs
// its effects: the window's layout or the column as the reader's text fits, the clicks made before
// the program is ready, the box, and a start that fails, said plainly. The program's script
// (page.js) reaches it as vorlankPage, the page's one global.
"use strict";
// eslint-disable-next-line no-unused-vars
const vorlankPage = (() => {
    const byId = id => document.getElementById(id);
    const box = byId("box");
    const field = byId("box-detail");

    // The window's layout only while the reader's text fits its rectangles, the column
    // otherwise; decided again whenever a text's size changes (the reader's own style sheet or
    // spacing, faces arriving) or the screen does, either way.
    const sheets = [...document.querySelectorAll("[media]")];
    const windowMedia = sheets[0].media;
    const wide = matchMedia(windowMedia);
    const texts = [...document.querySelectorAll("#client .label, #client button, #client .option")];
    const overflows = e => e.scrollWidth > e.clientWidth + 1
        || (!e.matches(".centred") && e.scrollHeight > e.clientHeight + 1);
    let windowLayout = true;
    const use = wanted => {
        windowLayout = wanted;
        for (const sheet of sheets)
            sheet.media = wanted ? windowMedia : "not all";
    };
    const fit = () => {
        use(wide.matches);
        if (windowLayout && texts.some(overflows))
            use(false);
    };
    fit();
    wide.addEventListener("change", fit);
    const resized = new ResizeObserver(fit);
    for (const text of texts)
        resized.observe(text.querySelector("span"));

    // Clicks before the program is ready wait for it, in order. A product's link needs no
    // program: until the program takes the clicks, and where it never does, the page opens it.
    const early = [];
    let click = null;
    addEventListener("click", event => {
        const control = event.target.closest("#client [data-element]");
        if (click || !control)
            return;
        if (!control.href)
            early.push(Number(control.dataset.element));
        else if (!(event.ctrlKey || event.shiftKey || event.metaKey || event.altKey)
            && open(control.href))
            event.preventDefault();
    }, true);

    // The whole address in sight, wrapped where it must be, whatever the screen's width.
    const fitField = () => {
        field.style.height = "auto";
        field.style.height = field.scrollHeight + field.offsetHeight - field.clientHeight + "px";
    };
    addEventListener("resize", () => box.open && !field.hidden && fitField());
    field.addEventListener("keydown", event => {
        if (event.key === "Enter") { // as on the button
            event.preventDefault();
            box.close();
        }
    });
    // A key held down on 提交 answers at its rate; its repeats must not close the end message
    // before it can be read. Escape closes the box, as a modal one's would.
    box.addEventListener("keydown", event => {
        if (event.repeat && ["Enter", " ", "Escape"].includes(event.key))
            event.preventDefault();
        else if (event.key === "Escape")
            box.close();
    });
    // The box is shown over the page, which is inert behind it, and not as a modal: a modal box
    // takes the page out of what screen readers see, focus and all, and Orca then says nothing
    // of the box, or as an alert says it three times. The focus goes back where it was.
    const page = document.querySelector("main");
    let before = null;
    box.addEventListener("close", () => {
        page.inert = false;
        before?.focus();
    });

    // The window's one box: a message, which a screen reader reads with the button it describes,
    // or a warning with a detail (an address the browser would not open, an error's description)
    // selected to copy.
    const showBox = content => {
        const button = byId("box-ok");
        byId("box-title").textContent = content.title;
        byId("box-message").textContent = content.message;
        button.textContent = content.button;
        field.hidden = !content.detail;
        field.value = content.detail;
        box.querySelector(".warning").style.display = content.warning ? "" : "none";
        before = document.activeElement;
        page.inert = true;
        box.show();
        if (content.detail) {
            fitField();
            field.focus();
            field.select();
        } else {
            button.focus();
        }
    };

    const keep = event => {
        event.preventDefault();
        event.returnValue = "";
    };

    const draw = view => {
        document.title = view.title;
        byId("title").textContent = view.title;
        document.querySelector("[data-shows=prompt] span").textContent = view.prompt;
        document.querySelector("[data-shows=character] span").textContent = view.character;
        for (const radio of document.querySelectorAll("#client input[type=radio]"))
            radio.checked = Number(radio.dataset.element) === view.checked;
        // Leaving or reloading the page in the middle of a test asks first.
        if (view.testUnderWay)
            addEventListener("beforeunload", keep);
        else
            removeEventListener("beforeunload", keep);
        // A window that cannot work shows it, and takes no clicks that would do nothing; the
        // products' links still work.
        for (const control of document.querySelectorAll("#client [data-element]"))
            control.inert = view.stopped && !control.href;
        byId("client").classList.toggle("stopped", view.stopped);
    };

    // A new tab at the address, told nothing of the page that opened it; false when the browser
    // blocked it.
    const open = address => {
        const tab = window.open(address, "_blank");
        try {
            tab.opener = null;
        } catch (blockedOrCrossOrigin) {
        }
        return Boolean(tab);
    };

    // Draws a step's view and performs its effects, in order: the focus, what a screen reader
    // says, the address, the box. True when the browser would not open the address.
    const present = step => {
        draw(step.view);
        const effects = step.effects;
        if (effects.focus !== null)
            document.querySelector(`#client [data-element="${effects.focus}"]`).focus();
        byId("status").textContent = effects.announcement;
        const blocked = Boolean(effects.address) && !open(effects.address);
        if (effects.box)
            showBox(effects.box);
        return blocked;
    };

    // What failed, as "running" or "missing vorlank.js" (damaged, refused): its view, as the
    // program would give it. A script that came but did not run (cut short, or a host's page in
    // its place) never said it arrived.
    const failures = JSON.parse(byId("failures").textContent);
    const cannotStart
        = failed => present({ view: failures.view, effects: failures.effects[failed] });
    const arrived = new Set();
    const scriptFile
        = target => target.matches && target.matches("script[src]") && target.getAttribute("src");
    addEventListener("error", event => {
        if ("missing " + scriptFile(event.target) in failures.effects)
            cannotStart("missing " + scriptFile(event.target));
    }, true);
    document.addEventListener("load", event => { // a load event never reaches the window
        const file = scriptFile(event.target);
        if ("damaged " + file in failures.effects && !arrived.has(file))
            cannotStart("damaged " + file);
    }, true);

    // Opened from a file, where browsers fetch nothing, the program's WebAssembly comes as text
    // in a script of its own, loaded alongside the program.
    let carried;
    const carriedWasm = new Promise(resolve => carried = resolve);
    if (!location.protocol.startsWith("http")) {
        const carrier = document.createElement("script");
        carrier.src = "vorlank.wasm.js";
        carrier.async = true;
        document.body.append(carrier);
    }

    return {
        present,
        cannotStart,
        arrived: file => arrived.add(file),
        // The program is ready: it takes the clicks, the early ones first.
        ready: programClick => {
            click = programClick;
            early.splice(0).forEach(click);
        },
        // The keyboard the reader has: the page's (1) or the column's (2), as the program
        // numbers them.
        keyboard: () => windowLayout ? 1 : 2,
        carried: base64 => {
            arrived.add("vorlank.wasm.js");
            carried("data:application/wasm;base64," + base64);
        },
        carriedWasm: () => carriedWasm,
    };
})();
