(() => {
    const script = document.querySelector("script[src='vorlank.js']");
    const failed = () => script.dispatchEvent(new Event("error"));
    // The program's WebAssembly, which the browser compiles as it reads it, so that no task of the
    // page's waits on it. Served, it is a file of its own; from a file, it comes as base64 text in
    // vorlank.wasm.js, which the page loads alongside, which keeps it on its element and says so
    // in an event, and which the browser reads as a data: address. (That script's failing to load
    // is the page's to report.)
    const carried = () => new Promise(resolve => {
        const carrier = document.querySelector("script[src='vorlank.wasm.js']");
        const take = () => resolve("data:application/wasm;base64," + carrier.dataset.wasm);
        if ("wasm" in carrier.dataset)
            take();
        else
            carrier.addEventListener("wasm", take);
    });
    const instantiate = async imports => {
        const served = location.protocol.startsWith("http");
        const answer = await fetch(served ? "vorlank.wasm" : await carried());
        if (!answer.ok)
            throw new Error(`vorlank.wasm: ${answer.status}`);
        try {
            return await WebAssembly.instantiateStreaming(answer.clone(), imports);
        } catch (notStreamed) {
            // A host that does not call it application/wasm still gets it compiled, only later.
            return WebAssembly.instantiate(await answer.arrayBuffer(), imports);
        }
    };
    var Module = {
        onAbort: failed,
        instantiateWasm: (imports, receive) => {
            instantiate(imports).then(made => receive(made.instance, made.module), failed);
            return {};
        }
    };
