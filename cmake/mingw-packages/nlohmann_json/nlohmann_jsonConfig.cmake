# nlohmann_json for the mingw builds: the build machine's headers, exposed through a folder
# that holds nothing but them (a link to /usr/include/nlohmann), so no Linux header is
# ever reachable from a Windows compile.
set(_tutor_json_include "${CMAKE_BINARY_DIR}/host-headers")
if(NOT EXISTS "${_tutor_json_include}/nlohmann/json.hpp")
  file(MAKE_DIRECTORY "${_tutor_json_include}")
  file(CREATE_LINK /usr/include/nlohmann "${_tutor_json_include}/nlohmann" SYMBOLIC)
endif()
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${_tutor_json_include}"
    INTERFACE_COMPILE_FEATURES cxx_std_11)
endif()
set(nlohmann_json_FOUND TRUE)
