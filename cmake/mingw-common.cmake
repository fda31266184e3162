# Shared part of the mingw toolchain files; TUTOR_MINGW_TRIPLET names the target.
set(CMAKE_C_COMPILER ${TUTOR_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TUTOR_MINGW_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${TUTOR_MINGW_TRIPLET}-windres)
set(CMAKE_AR /usr/bin/${TUTOR_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${TUTOR_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")
set(CMAKE_OBJDUMP /usr/bin/${TUTOR_MINGW_TRIPLET}-objdump CACHE FILEPATH "")

# Libraries and headers come from the mingw sysroot only; programs run on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TUTOR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# nlohmann_json is header-only: use the build machine's copy through a config that exposes
# only its own headers (the Debian package's config would put /usr/include on the path,
# and glibc headers would then shadow the mingw ones).
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-packages/nlohmann_json CACHE PATH "")

