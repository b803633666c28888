# corvane_plugin_install(TARGET): installs a profile plug-in's library into the library
# folder and links it into the data folder, where the manager loads its plug-ins from (its
# working folder). The link is relative, so it resolves in a staged (DESTDIR) tree as well
# as once installed; the prefix is the one of the install step (--prefix).
function(corvane_plugin_install target)
    install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/corvane)
    install(CODE "set(plugin_libdir \"${CMAKE_INSTALL_LIBDIR}/corvane\")
set(plugin_datadir \"${CMAKE_INSTALL_DATADIR}/corvane\")
set(plugin_name \"$<TARGET_FILE_NAME:${target}>\")")
    install(CODE [[
foreach(dir plugin_libdir plugin_datadir)
    if(NOT IS_ABSOLUTE "${${dir}}")
        set(${dir} "${CMAKE_INSTALL_PREFIX}/${${dir}}")
    endif()
endforeach()
file(RELATIVE_PATH plugin_target "${plugin_datadir}" "${plugin_libdir}/${plugin_name}")
set(plugin_link "$ENV{DESTDIR}${plugin_datadir}/${plugin_name}")
message(STATUS "Installing: ${plugin_link} -> ${plugin_target}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${plugin_datadir}")
file(CREATE_LINK "${plugin_target}" "${plugin_link}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${plugin_link}")
]])
endfunction()
