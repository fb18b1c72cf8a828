(() => {
    var Module = {
        onAbort: () => document.querySelector("script[src='vorlank.js']")
                           .dispatchEvent(new Event("error"))
    };
