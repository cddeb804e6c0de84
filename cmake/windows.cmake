# Windows (mingw-w64): the two programs, and the tests that run under Wine.
enable_language(RC)
add_link_options(-static)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

set(qb_system_libs setupapi cfgmgr32 ole32 oleaut32 uuid comctl32 comdlg32 shell32
    shlwapi netapi32 version advapi32 gdi32 user32 uxtheme msimg32)

# Each program's entry point lives in app/program_win.cpp; everything else goes into
# libraries that the tests link too.
foreach(edition main portable)
  list(FILTER ${edition}_win EXCLUDE REGEX "/app/program_win\\.cpp$")
endforeach()

qb_library(qb_shared_win SOURCES ${shared_win} LINK qb_shared_core ${qb_system_libs})
qb_library(qb_main_win SOURCES ${main_win} LINK qb_main_core qb_shared_win)
qb_library(qb_portable_win SOURCES ${portable_win} LINK qb_portable_core qb_shared_win)

add_executable(Quillborne WIN32 main/app/program_win.cpp main/app/Quillborne.rc)
target_link_libraries(Quillborne PRIVATE qb_main_win)
add_executable(quillborne_portable WIN32 portable/app/program_win.cpp
  portable/app/quillborne_portable.rc)
target_link_libraries(quillborne_portable PRIVATE qb_portable_win)
target_include_directories(Quillborne PRIVATE "${CMAKE_SOURCE_DIR}")
target_include_directories(quillborne_portable PRIVATE "${CMAKE_SOURCE_DIR}")
set_property(SOURCE main/app/Quillborne.rc portable/app/quillborne_portable.rc APPEND PROPERTY
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/common-controls.manifest")

# GoogleTest, cross-built from Debian's sources.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
include(GoogleTest)

# Adapter tests under Wine: one program per edition (and one for the shared adapters).
# "editions" holds what the two editions share at run time (the settings file) and links both.
foreach(suite shared main portable editions)
  file(GLOB_RECURSE suite_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/wine/${suite}/*.cpp")
  if(suite_sources)
    add_executable(wine_${suite}_tests ${suite_sources})
    target_include_directories(wine_${suite}_tests PRIVATE "${CMAKE_SOURCE_DIR}/tests/wine")
    if(suite STREQUAL "portable")
      target_link_libraries(wine_${suite}_tests PRIVATE qb_portable_win)
    elseif(suite STREQUAL "editions")
      target_link_libraries(wine_${suite}_tests PRIVATE qb_main_win qb_portable_win)
    else()
      target_link_libraries(wine_${suite}_tests PRIVATE qb_main_win)
    endif()
    target_link_libraries(wine_${suite}_tests PRIVATE gmock gtest_main)
    gtest_discover_tests(wine_${suite}_tests DISCOVERY_MODE PRE_TEST
      TEST_PREFIX "${CMAKE_SYSTEM_PROCESSOR}.${suite}.")
  endif()
endforeach()

# Small Windows programs the GUI and end-to-end tests use to arrange fixtures.
file(GLOB tool_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/tools/*.cpp")
foreach(src IN LISTS tool_sources)
  get_filename_component(name "${src}" NAME_WE)
  add_executable(${name} ${src})
  if(name MATCHES "^main_")  # tools named main_* use the main edition's adapters
    target_link_libraries(${name} PRIVATE qb_main_win)
  else()
    target_link_libraries(${name} PRIVATE qb_shared_win)
  endif()
endforeach()

# GUI and end-to-end tests: shell scripts that start the real programs under Xvfb.
file(GLOB gui_tests CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/gui/*_test.sh")
foreach(script IN LISTS gui_tests)
  get_filename_component(name "${script}" NAME_WE)
  add_test(NAME "${CMAKE_SYSTEM_PROCESSOR}.gui.${name}" COMMAND bash "${script}")
  set_tests_properties("${CMAKE_SYSTEM_PROCESSOR}.gui.${name}" PROPERTIES
    RUN_SERIAL TRUE TIMEOUT 300
    ENVIRONMENT "QB_BIN=${CMAKE_BINARY_DIR};QB_SRC=${CMAKE_SOURCE_DIR};QB_SERVICE_BASE_ADDRESS=${QB_SERVICE_BASE_ADDRESS}")
endforeach()
