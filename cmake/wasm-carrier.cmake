# Writes OUTPUT, a script that carries the WebAssembly file INPUT as base64 text: it keeps the text
# on its own script element (data-wasm) and says so with a "wasm" event there.
execute_process(COMMAND base64 -w0 ${INPUT} OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${OUTPUT}
     "document.currentScript.dataset.wasm = \"${text}\";\n"
     "document.currentScript.dispatchEvent(new Event(\"wasm\"));\n")
