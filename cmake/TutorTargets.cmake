# Helpers shared by Native.cmake and Windows.cmake. Sources are globbed, so a folder may still
# be empty while its developer is writing it: every helper copes with that.

# A static library of project code, or an INTERFACE stand-in (same links) while it has no source.
function(tutor_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  if(ARG_SOURCES)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE ${TUTOR_WARNINGS})
    target_link_libraries(${name} PUBLIC ${ARG_LINK})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LINK})
  endif()
endfunction()

# Gives `target` the usage requirements of `model` (include dirs, definitions, links),
# for a second build of the same sources with other flags.
function(tutor_copy_usage target model)
  foreach(prop INCLUDE_DIRECTORIES COMPILE_DEFINITIONS COMPILE_OPTIONS LINK_LIBRARIES)
    get_target_property(value ${model} INTERFACE_${prop})
    if(value)
      set_property(TARGET ${target} APPEND PROPERTY INTERFACE_${prop} "${value}")
      set_property(TARGET ${target} APPEND PROPERTY ${prop} "${value}")
    endif()
  endforeach()
endfunction()
