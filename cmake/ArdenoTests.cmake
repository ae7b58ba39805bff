# SPDX-License-Identifier: GPL-3.0-or-later
include(GoogleTest)

# ardeno_add_core_test(<name> SOURCES <files...>): one GoogleTest executable over ardeno_core.
# Test names are Suite.Case or Instances/Suite.Case/<generated name>, never a dump of the value.
function(ardeno_add_core_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ardeno_core GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE ARDENO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES LABELS core)
endfunction()

# ardeno_add_ui_test(<source>): one Qt Test executable, run offscreen.
function(ardeno_add_ui_test source)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ardeno_ui Qt6::Test)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE ARDENO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  add_test(NAME ${name} COMMAND ${name})
  # Each window test keeps its choices (language, own drawings only) in a folder of its own,
  # never in the user's settings.
  set_tests_properties(${name} PROPERTIES LABELS ui TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/config/${name}")
endfunction()
