(() => {
    const script = document.querySelector("script[src='vorlank.js']");
    const failed = () => script.dispatchEvent(new Event("error"));
    // The program's WebAssembly. Served, it is a file of its own, compiled as it arrives, so that
    // no task of the page's waits on it; from a file, which browsers will not fetch, it comes as
    // text in a script of its own (vorlank.wasm.js), which hands it over in an event.
    const carried = () => new Promise((resolve, reject) => {
        const carrier = document.createElement("script");
        carrier.src = "vorlank.wasm.js";
        carrier.addEventListener(
            "wasm", event => resolve(Uint8Array.from(atob(event.detail), c => c.charCodeAt(0))));
        carrier.addEventListener("error", reject);
        document.head.append(carrier);
    });
    const instantiate = async imports => {
        if (!location.protocol.startsWith("http"))
            return WebAssembly.instantiate(await carried(), imports);
        const answer = await fetch("vorlank.wasm");
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
