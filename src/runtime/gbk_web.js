// GBK through the browser's own converter, linked into the program as an Emscripten library:
// TextDecoder("gbk") decodes; encoding takes its reverse, read off the decoder once, on first use.
"use strict";
// What Emscripten provides around a library, and what it makes of its "$" entries.
/* global mergeInto, LibraryManager, HEAPU8, HEAPU16, gbkCodes: writable */

mergeInto(LibraryManager.library, {
    // Each character's two GBK bytes as one number, once read off the decoder.
    $gbkCodes: null,

    // Decodes `size` bytes and writes the text as UTF-8 into `capacity` bytes at `out`: the count
    // written, or -1. The browser writes UTF-8 itself, many times faster than a loop over every
    // unit runs on a page's first visit.
    vorlank_gbk_decode: function(bytes, size, out, capacity) {
        let text;
        try {
            text = new TextDecoder("gbk", {
                fatal: true
            }).decode(HEAPU8.subarray(bytes, bytes + size));
        } catch (notGbk) {
            return -1;
        }
        return new TextEncoder().encodeInto(text, HEAPU8.subarray(out, out + capacity)).written;
    },

    // Encodes `size` UTF-16 units into at most twice as many bytes at `out`; the count, or -1.
    vorlank_gbk_encode__deps: ["$gbkCodes"],
    vorlank_gbk_encode: function(text, size, out) {
        if (!gbkCodes) {
            // Every two-byte code the decoder knows, lead 81..FE and trail 40..FE but 7F, decoded
            // in one go: each gives exactly one character. The first code of a character wins.
            const codes = [];
            for (let lead = 0x81; lead <= 0xFE; ++lead)
                for (let trail = 0x40; trail <= 0xFE; ++trail)
                    if (trail !== 0x7F)
                        codes.push(lead, trail);
            const decoded = new TextDecoder("gbk").decode(new Uint8Array(codes));
            gbkCodes = new Map();
            for (let i = 0; i < decoded.length && 2 * i < codes.length; ++i)
                if (!gbkCodes.has(decoded.charCodeAt(i)))
                    gbkCodes.set(decoded.charCodeAt(i), codes[2 * i] << 8 | codes[2 * i + 1]);
        }
        let n = 0;
        for (let i = 0; i < size; ++i) {
            const unit = HEAPU16[(text >> 1) + i];
            if (unit < 0x80) {
                HEAPU8[out + n++] = unit;
                continue;
            }
            const code = gbkCodes.get(unit);
            if (code === undefined)
                return -1;
            HEAPU8[out + n++] = code >> 8;
            HEAPU8[out + n++] = code & 0xFF;
        }
        return n;
    },
});
