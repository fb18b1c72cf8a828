# Writes OUTPUT, a script that carries the WebAssembly file INPUT as base64 text and hands it to
# the page's start script.
execute_process(COMMAND base64 -w0 ${INPUT} OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${OUTPUT} "vorlankPage.carried(\"${text}\");\n")
