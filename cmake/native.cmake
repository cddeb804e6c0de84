# Linux: unit tests of the pure core, and the benchmarks.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE native_tests CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/native/*.cpp")
add_executable(native_tests ${native_tests})
target_include_directories(native_tests PRIVATE "${CMAKE_SOURCE_DIR}/tests/native")
target_link_libraries(native_tests PRIVATE qb_main_core qb_portable_core qb_shared_core
  GTest::gmock GTest::gtest_main)
gtest_discover_tests(native_tests DISCOVERY_MODE PRE_TEST TEST_PREFIX "native.")

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB bench_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/bench/*.cpp")
  foreach(src IN LISTS bench_sources)
    get_filename_component(name "${src}" NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE qb_main_core qb_portable_core qb_shared_core
      benchmark::benchmark)
  endforeach()
endif()

# The stand-in analysis service's own tests (Python standard library only).
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  add_test(NAME service.unittest
           COMMAND "${Python3_EXECUTABLE}" -m unittest discover -s "${CMAKE_SOURCE_DIR}/service/tests")
endif()
