# embed_texts(<output.cpp> <namespace> <files...>)
# Generates a C++ source holding each file's text as a raw string literal in an
# array of {name, text} pairs, so programs carry their data without install paths.
function(embed_texts output ns)
    set(files ${ARGN})
    # A list would be split into several command arguments: pass it joined by "|".
    string(REPLACE ";" "|" joined "${files}")
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DNS=${ns} "-DFILES=${joined}"
                -P ${CMAKE_SOURCE_DIR}/cmake/EmbedTextRun.cmake
        DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/EmbedTextRun.cmake
        COMMENT "Embedding ${ns} texts"
        VERBATIM)
endfunction()
