# Linux build of the portable code on the headless backend: unit tests, fuzzers, benchmarks.
include(${CMAKE_CURRENT_LIST_DIR}/TutorTargets.cmake)

find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
include(GoogleTest)
enable_testing()

file(GLOB TUTOR_HEADLESS_SOURCES CONFIGURE_DEPENDS platform/headless/*.cpp)
tutor_add_library(tutor_headless SOURCES ${TUTOR_HEADLESS_SOURCES} LINK tutor_core)

# --- unit tests (the toolkit behaviour tests run here and under Wine) ---
file(GLOB TUTOR_UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp tests/toolkit/*.cpp)
if(TUTOR_UNIT_TEST_SOURCES)
  add_executable(unit_tests ${TUTOR_UNIT_TEST_SOURCES})
  target_compile_options(unit_tests PRIVATE ${TUTOR_WARNINGS})
  # gtest_main only supplies main() when the tests do not define their own.
  target_link_libraries(unit_tests PRIVATE tutor_headless GTest::gmock GTest::gtest_main)
  gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} DISCOVERY_TIMEOUT 30)
endif()

# --- fuzzers: every parser of outside input, instrumented down to the portable code ---
file(GLOB TUTOR_FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/fuzz_*.cpp)
if(TUTOR_FUZZ_SOURCES)
  set(TUTOR_SANITIZERS address,undefined)
  set(TUTOR_FUZZ_COMPILE_FLAGS -fsanitize=fuzzer-no-link,${TUTOR_SANITIZERS}
      -fno-sanitize-recover=all -fno-omit-frame-pointer)

  add_library(tutor_core_fuzz STATIC ${TUTOR_PORTABLE_SOURCES})
  tutor_copy_usage(tutor_core_fuzz tutor_core)
  target_compile_options(tutor_core_fuzz PRIVATE ${TUTOR_WARNINGS} ${TUTOR_FUZZ_COMPILE_FLAGS})

  set(tutor_fuzz_support tutor_core_fuzz)
  if(TUTOR_HEADLESS_SOURCES)
    add_library(tutor_headless_fuzz STATIC ${TUTOR_HEADLESS_SOURCES})
    target_compile_options(tutor_headless_fuzz PRIVATE ${TUTOR_WARNINGS} ${TUTOR_FUZZ_COMPILE_FLAGS})
    target_link_libraries(tutor_headless_fuzz PUBLIC tutor_core_fuzz)
    set(tutor_fuzz_support tutor_headless_fuzz)
  endif()

  foreach(source ${TUTOR_FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE ${TUTOR_WARNINGS}
      -fsanitize=fuzzer,${TUTOR_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,${TUTOR_SANITIZERS})
    target_link_libraries(${name} PRIVATE ${tutor_fuzz_support})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  endforeach()
endif()

# --- benchmarks: they report, they are not timed tests ---
file(GLOB TUTOR_BENCH_SOURCES CONFIGURE_DEPENDS tests/bench/bench_*.cpp)
foreach(source ${TUTOR_BENCH_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_compile_options(${name} PRIVATE ${TUTOR_WARNINGS})
  # benchmark_main is a static archive: it only supplies main() when the file has none.
  target_link_libraries(${name} PRIVATE tutor_headless benchmark::benchmark benchmark::benchmark_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endforeach()
