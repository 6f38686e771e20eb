# SPDX-License-Identifier: GPL-3.0-or-later
# How every test executable is made, so the folders list their sources and libraries only.
#
# rodwick_add_test(<name> SOURCES <files...> [LIBS <targets...>] [DEFINITIONS <defs...>])
#   A test without windows: Google Test's own main(), no Qt.
# rodwick_add_gui_test(<name> SOURCES <files...> [LIBS <targets...>] [DEFINITIONS <defs...>])
#   A test with windows: a QApplication made by rodwick_test_main_gui, the scripted platform
#   and QTest at hand, and every test run on the offscreen platform.

function(_rodwick_test_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "${name}: no SOURCES")
  endif()
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "${name}: unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(ARG_DEFINITIONS)
    target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  endif()
endfunction()

function(rodwick_add_test name)
  _rodwick_test_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE rodwick_test_util GTest::gtest_main)
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

function(rodwick_add_gui_test name)
  _rodwick_test_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE rodwick_test_main_gui rodwick_test_support Qt6::Test)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
    DISCOVERY_TIMEOUT 60)
endfunction()
