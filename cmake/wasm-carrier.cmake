# Writes OUTPUT, a script that carries the WebAssembly file INPUT as base64 text and hands it to
# whoever loaded it, as the detail of a "wasm" event on its own script element.
execute_process(COMMAND base64 -w0 ${INPUT} OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${OUTPUT}
     "document.currentScript.dispatchEvent(new CustomEvent(\"wasm\", { detail: \"${text}\" }));\n")
