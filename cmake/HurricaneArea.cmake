# hurricane_area(NAME SOURCES file... [DEPENDS area...])
#
# Declares the area src/NAME as the static library hurricane_NAME, linked to the areas it
# depends on. Dependencies run one way: a file of the area that includes a header of an area
# outside NAME and its (transitive) dependencies stops the configuration, so a dependency
# against the intended direction never builds.
function(hurricane_area area)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPENDS")
  set(dir ${PROJECT_SOURCE_DIR}/src/${area})
  list(TRANSFORM arg_SOURCES PREPEND ${dir}/)
  add_library(hurricane_${area} STATIC ${arg_SOURCES})
  target_include_directories(hurricane_${area} PUBLIC ${PROJECT_SOURCE_DIR}/src)

  set(allowed ${area})
  foreach(dependency IN LISTS arg_DEPENDS)
    if(NOT TARGET hurricane_${dependency})
      message(FATAL_ERROR "area ${area}: depends on ${dependency}, which is not declared before it")
    endif()
    target_link_libraries(hurricane_${area} PUBLIC hurricane_${dependency})
    get_property(reach GLOBAL PROPERTY HURRICANE_REACH_${dependency})
    list(APPEND allowed ${reach})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY HURRICANE_REACH_${area} ${allowed})
  set_property(GLOBAL APPEND PROPERTY HURRICANE_AREAS ${area})

  # Every header and source of the folder, listed or not, is held to the direction.
  file(GLOB files CONFIGURE_DEPENDS ${dir}/*.h ${dir}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include \"[a-z_]+/")
    foreach(include IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" target_area "${include}")
      if(NOT target_area IN_LIST allowed)
        message(FATAL_ERROR "${file}: the area ${area} must not include from ${target_area} "
                            "(it may use: ${allowed})")
      endif()
    endforeach()
  endforeach()
endfunction()
