# DemoHost.exe: the demo accounting host on SQLite, its objects as a static library that the
# program and demohost_tests.exe share, and the sample company database generated at build time.
# SQLite is built for this target by tools/setup/build-sqlite.sh, beside libjpeg.
get_filename_component(TUTOR_DEPS_DIR "${TUTOR_LIBJPEG_PREFIX}" DIRECTORY)
if(TUTOR_WIN64)
  set(TUTOR_SQLITE_PREFIX "${TUTOR_DEPS_DIR}/sqlite-win64" CACHE PATH "SQLite install prefix")
else()
  set(TUTOR_SQLITE_PREFIX "${TUTOR_DEPS_DIR}/sqlite-win32" CACHE PATH "SQLite install prefix")
endif()
add_library(tutor_sqlite STATIC IMPORTED)
set_target_properties(tutor_sqlite PROPERTIES
  IMPORTED_LOCATION "${TUTOR_SQLITE_PREFIX}/lib/libsqlite3.a"
  INTERFACE_INCLUDE_DIRECTORIES "${TUTOR_SQLITE_PREFIX}/include")

file(GLOB TUTOR_DEMOHOST_SOURCES CONFIGURE_DEPENDS demohost/*.cpp demohost/*.rc)
set(TUTOR_DEMOHOST_MAIN ${CMAKE_CURRENT_SOURCE_DIR}/demohost/main.cpp)
list(REMOVE_ITEM TUTOR_DEMOHOST_SOURCES ${TUTOR_DEMOHOST_MAIN})
tutor_add_library(demohost_core SOURCES ${TUTOR_DEMOHOST_SOURCES}
  LINK tutor_core tutor_sqlite user32 gdi32 comctl32 comdlg32 ole32 oleaut32 advapi32 uuid)

set(TUTOR_SAMPLE_COMPANY ${TUTOR_BIN_DIR}/SampleCompany.gdb)
add_custom_command(OUTPUT ${TUTOR_SAMPLE_COMPANY}
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tools/make_sample_company.sh ${TUTOR_SAMPLE_COMPANY}
  DEPENDS tools/make_sample_company.sh demohost/sql/company_schema.sql demohost/sql/sample_company.sql
  WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
  COMMENT "Generating the sample company database")
add_custom_target(sample_company ALL DEPENDS ${TUTOR_SAMPLE_COMPANY})

add_executable(DemoHost ${TUTOR_DEMOHOST_MAIN})
target_link_libraries(DemoHost PRIVATE demohost_core)
target_link_options(DemoHost PRIVATE -mconsole)
tutor_windows_binary(DemoHost)
add_dependencies(DemoHost sample_company)
if(TARGET Tutor)
  add_dependencies(DemoHost Tutor)
endif()

# --- demohost_tests.exe: the host's objects on a temporary folder, run under Wine ---
file(GLOB TUTOR_DEMOHOST_TEST_SOURCES CONFIGURE_DEPENDS tests/demohost/*.cpp)
if(TUTOR_DEMOHOST_TEST_SOURCES)
  add_executable(demohost_tests ${TUTOR_DEMOHOST_TEST_SOURCES})
  target_link_libraries(demohost_tests PRIVATE demohost_core gmock gtest_main)
  target_link_options(demohost_tests PRIVATE -mconsole)
  tutor_windows_binary(demohost_tests)
  add_dependencies(demohost_tests sample_company)
endif()

# --- bench_host.exe: the demo host's objects with a driver that times the real Tutor.dll ---
file(GLOB TUTOR_BENCH_HOST_SOURCES CONFIGURE_DEPENDS tests/bench/win/host/*.cpp)
if(TUTOR_BENCH_HOST_SOURCES)
  add_executable(bench_host ${TUTOR_BENCH_HOST_SOURCES})
  target_link_libraries(bench_host PRIVATE demohost_core psapi)
  target_link_options(bench_host PRIVATE -mconsole)
  tutor_windows_binary(bench_host)
  if(TARGET Tutor)
    add_dependencies(bench_host Tutor)
  endif()
endif()
