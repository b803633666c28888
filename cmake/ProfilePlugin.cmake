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

# corvane_profile_plugin(NAME SOURCES file... [LIBRARIES lib...]): the profile plug-in
# libPx<NAME>.so of the current folder. Everything but the entry points (<name>_entry.cpp)
# goes into the static library Px<NAME>Parts, so that tests drive the classes directly;
# forms are in forms/, catalogues in translations/ (PX<NAME>_QM_DIR is set in the parent
# folder). A macro, so that the catalogues' folder reaches the parent.
macro(corvane_profile_plugin name)
    cmake_parse_arguments(plugin "" "" "SOURCES;LIBRARIES" ${ARGN})
    string(TOLOWER ${name} plugin_lower)
    string(TOUPPER ${name} plugin_upper)
    find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets LinguistTools)

    add_library(Px${name}Parts STATIC ${plugin_SOURCES})
    set_target_properties(Px${name}Parts PROPERTIES
        AUTOMOC ON AUTOUIC ON AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_SOURCE_DIR}/forms
        POSITION_INDEPENDENT_CODE ON)
    target_include_directories(Px${name}Parts PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(Px${name}Parts PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS)
    target_link_libraries(Px${name}Parts PUBLIC CorvClient CvCommon ProfileKit Qt5::Widgets ${plugin_LIBRARIES})
    corvane_strict(Px${name}Parts)

    add_library(Px${name} MODULE ${plugin_lower}_entry.cpp)
    target_compile_definitions(Px${name} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS)
    target_link_libraries(Px${name} PRIVATE Px${name}Parts)
    target_link_options(Px${name} PRIVATE -Wl,--no-undefined)
    corvane_strict(Px${name})

    corvane_translations(px${plugin_lower} DIRS . forms)
    set(PX${plugin_upper}_QM_DIR ${PX${plugin_upper}_QM_DIR} PARENT_SCOPE)

    corvane_plugin_install(Px${name})
endmacro()
