# Unity builds: each listed area compiles as one source, so the standard headers and the large
# header-only libraries (nlohmann-json, CLI11, cpp-httplib) are read, and their templates
# instantiated, once per area instead of once per file. The scripts turn it on; with it a
# fresh clone reaches the first prompt in half the time.
#
# The files of an area share one translation unit: helpers in anonymous namespaces must not
# share a name. A file whose helper does goes in the skip list below; an area whose files
# are being reshaped may stay off the list.
option(HURRICANE_UNITY_BUILD "Compile each listed area as one source" OFF)

if(HURRICANE_UNITY_BUILD)
  set(unity_areas plane_geometry error land advisory forecast plan analysis console report picture chart
                  dialogue situation answer hindcast json server cli)
  foreach(area IN LISTS unity_areas)
    if(TARGET hurricane_${area})
      set_target_properties(hurricane_${area} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
    endif()
  endforeach()
  # Each has a helper of the same name as one in another file of its area.
  set(unity_skipped land/land.cpp)
  foreach(file IN LISTS unity_skipped)
    string(REGEX REPLACE "/.*" "" area "${file}")
    if(TARGET hurricane_${area})
      set_source_files_properties(${PROJECT_SOURCE_DIR}/src/${file} TARGET_DIRECTORY hurricane_${area}
                                  PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
    endif()
  endforeach()
endif()

# Most areas run their code once per answer (reading, wording, drawing, serving), and most of
# their compile time is spent instantiating templates, the header-only libraries' above all:
# -Og compiles them in about 60% of -O2's time. The areas where an answer's time goes (the
# plane geometry, the classic analysis, the forecast sweep, land and the hindcast's replays) keep the
# optimisation of the build type. The results are the same: floating point is never contracted
# or reordered at any level. The scripts turn this on.
option(HURRICANE_QUICK_FRONTENDS "Compile the areas off the hot path with -Og" OFF)

if(HURRICANE_QUICK_FRONTENDS AND NOT MSVC)
  foreach(area IN ITEMS advisory console report picture chart dialogue situation answer json
                        server cli)
    if(TARGET hurricane_${area})
      target_compile_options(hurricane_${area} PRIVATE -Og)
    endif()
  endforeach()
endif()
