# The Signal K source's and notifier's tests: the NMEA log they play, node and the npm folder.
find_program(NODE node)
if(NOT NODE)
  set(NODE "")
endif()
target_compile_definitions(own_ship_tests PRIVATE OWN_SHIP_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/data"
                                                  SIGNALK_SERVER_DIR="${CMAKE_CURRENT_LIST_DIR}/signalk"
                                                  HURRICANE_NODE="${NODE}")
find_package(nlohmann_json 3 REQUIRED)
target_link_libraries(own_ship_tests PRIVATE nlohmann_json::nlohmann_json)
