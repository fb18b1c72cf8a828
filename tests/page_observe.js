// What a reader's tools see of the page now, for the journeys runner (page_driver.py, which runs
// it in the page): the window's texts and state, what the status region said and the tabs opened
// since the page loaded, and the faults of how it is drawn. Arguments: where the table puts each
// element, in twips; the reader's default text size in pixels, or 0.
/* global arguments, vorlankPage, heard, opened */
"use strict";
const [twips, textSize] = arguments;
const byId = id => document.getElementById(id);
const number = e => e && e.closest("#client [data-element]")
    ? Number(e.closest("#client [data-element]").dataset.element) : null;
const box = byId("box");
const field = byId("box-detail");
const leaving = new Event("beforeunload", { cancelable: true });
dispatchEvent(leaving);
const windowLayout = vorlankPage.keyboard() === 1;
const faults = [];
const finger = matchMedia("(pointer: coarse)").matches;
const client = byId("client").getBoundingClientRect();
const shown = [...document.querySelectorAll(".window .caption, #client [id], legend")]
    .filter(e => e.getClientRects().length);
if (windowLayout) {
    // Every element at its rectangle, at 15 twips to the pixel.
    for (const [id, [left, top, width, height]] of Object.entries(twips)) {
        const r = byId(id).getBoundingClientRect();
        if ([r.left - client.left - left / 15, r.top - client.top - top / 15, r.width - width / 15,
            r.height - height / 15].some(d => Math.abs(d) > 0.5))
            faults.push(id + " off its rectangle");
    }
} else {
    // One column in reading order, centred, nothing clipped or overlapping, no sideways
    // scrolling, and for a finger text of 14 px and targets of 44 px at the least.
    if (document.documentElement.scrollWidth > innerWidth)
        faults.push("sideways scrolling");
    for (const e of shown) {
        const r = e.getBoundingClientRect();
        const name = e.id || e.textContent;
        if (r.left < 0 || r.right > innerWidth || e.scrollWidth > e.clientWidth + 1
            || e.scrollHeight > e.clientHeight + 1)
            faults.push(name + " clipped");
        if (finger && e.matches(".caption, button, .option, .label, legend")
            && parseFloat(getComputedStyle(e).fontSize) < 14)
            faults.push(name + " text below 14 px");
        if (finger && e.matches(".caption, button, .option") && r.height < 44)
            faults.push(name + " below 44 px");
        if (e.matches(".pictures .label") && r.width < 8 * parseFloat(getComputedStyle(e).fontSize))
            faults.push(name + " in a strip under 8 characters wide");
    }
    const leaves = shown.filter(e => !e.matches("fieldset"));
    for (const a of leaves)
        for (const b of leaves) {
            const p = a.getBoundingClientRect();
            const q = b.getBoundingClientRect();
            if (a !== b && !a.contains(b) && !b.contains(a) && a.id < b.id
                && Math.min(p.right, q.right) - Math.max(p.left, q.left) > 1
                && Math.min(p.bottom, q.bottom) - Math.max(p.top, q.top) > 1)
                faults.push((a.id || a.textContent) + " over " + (b.id || b.textContent));
        }
    // The caption, then the window's own elements as the page lists them, in reading order.
    const tops = [byId("title"), ...byId("client").children].map(e => e.getBoundingClientRect());
    if (tops.some((r, i) => i > 0 && r.top < tops[i - 1].bottom - 1))
        faults.push("the column out of reading order");
    const w = document.querySelector(".window").getBoundingClientRect();
    if (Math.abs(w.left - (document.documentElement.clientWidth - w.right)) > 1)
        faults.push("the column off centre");
    if (textSize && parseFloat(getComputedStyle(byId("Label1")).fontSize) !== textSize)
        faults.push("the column's text does not follow the reader's size");
}
if ([...document.images].some(image => image.complete && !image.naturalWidth))
    faults.push("a picture not shown");
// The caption's title on the caption's own solid colour, however long it grows, at 4.5:1.
const caption = getComputedStyle(byId("title").parentElement);
const luminance = colour => colour.match(/[\d.]+/g).slice(0, 3).map(c => c / 255)
    .map(c => c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4)
    .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0.05);
const [light, dark] = [caption.color, caption.backgroundColor].map(luminance).sort((a, b) => b - a);
if (caption.backgroundImage !== "none" || light / dark < 4.5)
    faults.push("the caption's title at " + (light / dark).toFixed(1) + ":1, on " + caption.backgroundImage);
if (box.open && !field.hidden) {
    // The whole address in sight, selected to copy.
    if (field.scrollHeight > field.clientHeight + 1 || field.getBoundingClientRect().right > innerWidth)
        faults.push("the address out of sight");
    if (field.selectionStart !== 0 || field.selectionEnd !== field.value.length)
        faults.push("the address not selected");
}
return {
    keyboard: windowLayout ? "page" : "column",
    title: document.title === byId("title").textContent ? document.title
        : document.title + " / " + byId("title").textContent,
    prompt: document.querySelector("[data-shows=prompt]").textContent,
    character: document.querySelector("[data-shows=character]").textContent,
    checked: number(document.querySelector("#client input[type=radio]:checked")),
    focus: number(document.activeElement),
    box: box.open ? { detail: field.hidden ? null : field.value, button: byId("box-ok").textContent }
        : null,
    heard,
    opened,
    leaving: leaving.defaultPrevented,
    faults,
};
