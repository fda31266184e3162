# mingw-w64 build: the win32 backend, Tutor.dll, DemoHost.exe and the Windows-side tests.
include(${CMAKE_CURRENT_LIST_DIR}/TutorTargets.cmake)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TUTOR_WIN64 ON)
else()
  set(TUTOR_WIN64 OFF)
endif()

# Every Windows compile, portable code included (platform/com brings in objbase.h): the wide
# (W) API under the plain names, as the text crosses the Win32 boundary as UTF-16; and no
# winspool/mmsystem/commdlg/shellapi through <windows.h>, whose macros (GetForm, PlaySound...)
# would rename the toolkit's own members. Code that needs those headers includes them itself.
target_compile_definitions(tutor_core PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

# GCC 12 reports a false -Wrestrict inside std::string assignment at -O2 and above (fixed in
# GCC 13); with -Werror it would fail any code that assigns a literal to a string.
list(APPEND TUTOR_WARNINGS -Wno-restrict)
target_compile_options(tutor_core PRIVATE -Wno-restrict)

# Everything that runs sits in one folder, so DemoHost.exe and win_tests.exe find Tutor.dll.
set(TUTOR_BIN_DIR ${CMAKE_BINARY_DIR}/bin)

# --- GoogleTest from Debian's sources, built with this compiler ---
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# GCC 12 with the win32 thread model has no std::mutex; gtest's customisation header in
# cmake/gtest-mingw replaces the one class of gtest that needs it.
foreach(gtest_target gtest gtest_main gmock gmock_main)
  target_include_directories(${gtest_target} BEFORE PUBLIC ${CMAKE_CURRENT_LIST_DIR}/gtest-mingw)
endforeach()

# Static runtime (no libgcc/libstdc++/libwinpthread DLL beside the binaries), ASLR and DEP.
function(tutor_windows_binary target)
  target_compile_options(${target} PRIVATE ${TUTOR_WARNINGS})
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++
    -Wl,--dynamicbase -Wl,--nxcompat $<$<BOOL:${TUTOR_WIN64}>:-Wl,--high-entropy-va>
    # Shipping builds carry no symbol table (a third of the image).
    $<$<CONFIG:Release>:-s>)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${TUTOR_BIN_DIR}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
endfunction()

# Resource scripts name pictures relative to resources/; windres searches its -I folders.
file(GLOB_RECURSE TUTOR_RESOURCE_FILES CONFIGURE_DEPENDS resources/*)
list(FILTER TUTOR_RESOURCE_FILES EXCLUDE REGEX "\\.(rc|md)$")

# Pictures the build stores decoded as well (see tools/bgra_from_jpeg.cpp), made by a tool
# compiled for the build machine (by the native build's compiler) against its libjpeg, the
# same release as the one built for Windows, into a folder windres searches like resources/.
set(TUTOR_GENERATED_RESOURCES ${CMAKE_BINARY_DIR}/generated-resources)
find_program(TUTOR_HOST_CXX NAMES clang++ c++ g++ REQUIRED)
set(TUTOR_BGRA_TOOL ${CMAKE_BINARY_DIR}/host-tools/bgra_from_jpeg)
add_custom_command(OUTPUT ${TUTOR_BGRA_TOOL}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host-tools
  COMMAND ${TUTOR_HOST_CXX} -O2 -o ${TUTOR_BGRA_TOOL}
          ${CMAKE_CURRENT_SOURCE_DIR}/tools/bgra_from_jpeg.cpp -ljpeg
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/bgra_from_jpeg.cpp
  COMMENT "Building the host tool bgra_from_jpeg")
set(TUTOR_DECODED_PICTURES)
foreach(picture main_background)
  set(out ${TUTOR_GENERATED_RESOURCES}/skin/${picture}.bgra)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TUTOR_GENERATED_RESOURCES}/skin
    COMMAND ${TUTOR_BGRA_TOOL} ${CMAKE_CURRENT_SOURCE_DIR}/resources/skin/${picture}.jpg ${out}
    DEPENDS ${TUTOR_BGRA_TOOL} ${CMAKE_CURRENT_SOURCE_DIR}/resources/skin/${picture}.jpg
    COMMENT "Storing ${picture}.jpg decoded")
  list(APPEND TUTOR_DECODED_PICTURES ${out})
endforeach()
add_custom_target(tutor_decoded_pictures DEPENDS ${TUTOR_DECODED_PICTURES})

function(tutor_resource_scripts sources)
  set(scripts ${sources})
  list(FILTER scripts INCLUDE REGEX "\\.rc$")
  foreach(rc ${scripts})
    set_property(SOURCE ${rc} APPEND PROPERTY INCLUDE_DIRECTORIES
      ${CMAKE_CURRENT_SOURCE_DIR}/resources ${TUTOR_GENERATED_RESOURCES} ${CMAKE_CURRENT_SOURCE_DIR})
    # windres does not report the pictures it reads: rebuild when any of them changes.
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${TUTOR_RESOURCE_FILES}
      ${TUTOR_DECODED_PICTURES})
  endforeach()
endfunction()

set(TUTOR_SYSTEM_LIBS user32 gdi32 winmm advapi32 ole32 oleaut32 oleacc comctl32 comdlg32
    msimg32 shell32 shlwapi uuid)

file(GLOB TUTOR_WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
tutor_add_library(tutor_win32 SOURCES ${TUTOR_WIN32_SOURCES} LINK tutor_core ${TUTOR_SYSTEM_LIBS})

# --- Tutor.dll: the one export LaunchTutorial, undecorated ---
file(GLOB TUTOR_DLL_SOURCES CONFIGURE_DEPENDS dll/*.cpp dll/*.rc)
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/resources/Tutor.rc)
  list(APPEND TUTOR_DLL_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/resources/Tutor.rc)
endif()
if(TUTOR_DLL_SOURCES)
  tutor_resource_scripts("${TUTOR_DLL_SOURCES}")
  add_library(Tutor SHARED ${TUTOR_DLL_SOURCES})
  add_dependencies(Tutor tutor_decoded_pictures)
  target_link_libraries(Tutor PRIVATE tutor_win32)
  set_target_properties(Tutor PROPERTIES PREFIX "" OUTPUT_NAME Tutor IMPORT_PREFIX "")
  tutor_windows_binary(Tutor)
  # Sections aligned to pages in the file: the loader can map the image instead of reading
  # all of it (pictures and code the run never touches) into private memory.
  target_link_options(Tutor PRIVATE -Wl,--file-alignment,4096)
  if(NOT TUTOR_WIN64)
    # __stdcall decorates the name as LaunchTutorial@4; the host looks it up undecorated.
    target_link_options(Tutor PRIVATE -Wl,--kill-at)
  endif()
endif()

# --- DemoHost.exe and its tests ---
include(${CMAKE_CURRENT_LIST_DIR}/DemoHost.cmake)

# --- win_tests.exe: the win32 backend and the shared toolkit tests, run under Wine ---
# tests/win/*.rc: resources of the test program itself (the resource loader reads them).
file(GLOB TUTOR_WIN_TEST_SOURCES CONFIGURE_DEPENDS tests/win/*.cpp tests/win/*.rc tests/toolkit/*.cpp)
if(TUTOR_WIN_TEST_SOURCES)
  tutor_resource_scripts("${TUTOR_WIN_TEST_SOURCES}")
  add_executable(win_tests ${TUTOR_WIN_TEST_SOURCES})
  # gtest_main is a static archive: it only supplies main() when tests/win has none.
  target_link_libraries(win_tests PRIVATE tutor_win32 psapi gmock gtest_main)
  target_link_options(win_tests PRIVATE -mconsole)
  tutor_windows_binary(win_tests)
  if(TARGET Tutor)
    add_dependencies(win_tests Tutor)
  endif()
endif()

# --- bench_win.exe: timings under the real backend (reports only) ---
file(GLOB TUTOR_WIN_BENCH_SOURCES CONFIGURE_DEPENDS tests/bench/win/*.cpp)
if(TUTOR_WIN_BENCH_SOURCES)
  set(TUTOR_WIN_BENCH_RC ${CMAKE_CURRENT_SOURCE_DIR}/resources/Tutor.rc)
  tutor_resource_scripts("${TUTOR_WIN_BENCH_RC}")
  add_executable(bench_win ${TUTOR_WIN_BENCH_SOURCES} ${TUTOR_WIN_BENCH_RC})
  add_dependencies(bench_win tutor_decoded_pictures)
  target_link_libraries(bench_win PRIVATE tutor_win32)
  target_link_options(bench_win PRIVATE -mconsole)
  tutor_windows_binary(bench_win)
endif()

# --- bench_field_windows.exe: the window system's own cost of handing fields to a page ---
file(GLOB TUTOR_FIELD_BENCH_SOURCES CONFIGURE_DEPENDS tests/bench/win/fields/*.cpp)
if(TUTOR_FIELD_BENCH_SOURCES)
  add_executable(bench_field_windows ${TUTOR_FIELD_BENCH_SOURCES})
  target_include_directories(bench_field_windows PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(bench_field_windows PRIVATE gdi32)
  target_link_options(bench_field_windows PRIVATE -mconsole)
  tutor_windows_binary(bench_field_windows)
endif()
