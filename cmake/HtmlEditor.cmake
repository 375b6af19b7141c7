# html_editor_library(NAME SOURCES... DEPENDS libs...)
# One static library per subsystem folder. Only the folder itself is its include root, so a
# library sees the headers of exactly the libraries it links (layering is checked by the compiler).
function(html_editor_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    set_target_properties(${name} PROPERTIES LINKER_LANGUAGE CXX)
endfunction()

# html_editor_test(NAME SOURCES... DEPENDS libs...)
# One GoogleTest executable per library; widget tests run on the offscreen platform.
function(html_editor_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE testsupport ${ARG_DEPENDS})
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1")
endfunction()
