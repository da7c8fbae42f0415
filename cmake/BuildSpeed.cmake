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
  set(unity_areas geometry land advisory forecast forecast_report analysis console report picture
                  chart files dialogue situation advisory_situation land_advice advisory_forecast
                  advisory_chart answer hindcast json server cli)
  foreach(area IN LISTS unity_areas)
    if(TARGET hurricane_${area})
      set_target_properties(hurricane_${area} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
    endif()
  endforeach()
  # Each has a helper of the same name as one in another file of its area.
  set(unity_skipped picture/storm_layer.cpp cli/messages.cpp cli/hindcast_command.cpp
                     cli/hindcast_output.cpp cli/fleet_command.cpp land/track.cpp
                     land/land.cpp)
  foreach(file IN LISTS unity_skipped)
    string(REGEX REPLACE "/.*" "" area "${file}")
    if(TARGET hurricane_${area})
      set_source_files_properties(${PROJECT_SOURCE_DIR}/src/${file} TARGET_DIRECTORY hurricane_${area}
                                  PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
    endif()
  endforeach()
endif()

# The front-ends and formatters run their code once per answer, and most of their compile time
# is spent instantiating the header-only libraries' templates: -Og compiles them in about 60% of
# -O2's time. The analysis, forecast, land and hindcast areas, where the time of an answer goes,
# keep the optimisation of the build type. The results are the same: floating point is never
# contracted or reordered at any level. The scripts turn this on.
option(HURRICANE_QUICK_FRONTENDS "Compile the front-end areas with -Og" OFF)

if(HURRICANE_QUICK_FRONTENDS AND NOT MSVC)
  foreach(area IN ITEMS cli server json picture chart advisory_chart report forecast_report)
    if(TARGET hurricane_${area})
      target_compile_options(hurricane_${area} PRIVATE -Og)
    endif()
  endforeach()
endif()
