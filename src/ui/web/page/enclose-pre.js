// vorlank.js is one function, run at once: nothing it declares reaches the page.
(() => {
