(() => {
    vorlankPage.arrived("vorlank.js");
    // The program's WebAssembly, which the browser compiles as it reads it, so that no task of the
    // page's waits on it. Served, it is a file of its own; from a file, it comes as base64 text in
    // vorlank.wasm.js, which the page's start script loads alongside and hands over, and which the
    // browser reads as a data: address. (That script's failing to load is the start script's to
    // report.) What fails is named: the file missing, damaged, or refused by the browser.
    const served = location.protocol.startsWith("http");
    const instantiate = async imports => {
        const answer = await fetch(served ? "vorlank.wasm" : await vorlankPage.carriedWasm())
                           .catch(() => null);
        if (!answer || !answer.ok)
            throw "missing";
        try {
            return await WebAssembly.instantiateStreaming(answer.clone(), imports);
        } catch (notStreamed) {
            // A host that does not call it application/wasm still gets it compiled, only later.
            return WebAssembly.instantiate(await answer.arrayBuffer(), imports);
        }
    };
    // "missing" as thrown above; else refused by the browser (no WebAssembly, or a policy
    // against compiling it), or damaged.
    const failure = why => {
        if (typeof why === "string")
            return why;
        const refused = typeof WebAssembly !== "object" || /refused|unsafe-eval/i.test(why.message);
        return refused ? "refused" : "damaged";
    };
    var Module = {
        onAbort: () => vorlankPage.cannotStart("running"),
        instantiateWasm: (imports, receive) => {
            instantiate(imports).then(made => receive(made.instance, made.module),
                why => vorlankPage.cannotStart(failure(why) + " vorlank.wasm"));
            return {};
        }
    };
