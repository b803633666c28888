# corvane_translations(NAME DIRS dir...): the English and German catalogues
# translations/NAME_en.ts and translations/NAME_de.ts of the current folder, compiled by
# the target NAME_translations and installed with the others; NAME_lupdate refreshes them
# from the sources in DIRS (relative to the current folder). Sets NAME_QM_DIR in the
# parent scope to the folder of the compiled catalogues.
function(corvane_translations name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "DIRS")
    set(ts translations/${name}_en.ts translations/${name}_de.ts)
    qt5_add_translation(qm ${ts})
    add_custom_target(${name}_translations ALL DEPENDS ${qm})
    set(dirs)
    foreach(dir IN LISTS arg_DIRS)
        list(APPEND dirs ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
    endforeach()
    add_custom_target(${name}_lupdate
        COMMAND Qt5::lupdate ${dirs} -ts ${ts}
        WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
        COMMENT "Extracting the ${name} texts")
    install(FILES ${qm} DESTINATION ${CMAKE_INSTALL_DATADIR}/corvane/translations)
    string(TOUPPER ${name} upper)
    set(${upper}_QM_DIR ${CMAKE_CURRENT_BINARY_DIR} PARENT_SCOPE)
endfunction()
