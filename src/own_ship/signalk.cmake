# Signal K: fixes from its WebSocket stream and the watch's alarms sent back as notifications,
# over Boost.Beast's WebSocket client (header-only, in libboost-dev).
target_sources(hurricane_own_ship
               PRIVATE ${CMAKE_CURRENT_LIST_DIR}/signalk_endpoint.cpp
                       ${CMAKE_CURRENT_LIST_DIR}/signalk_fixes.cpp
                       ${CMAKE_CURRENT_LIST_DIR}/signalk_notifier.cpp
                       ${CMAKE_CURRENT_LIST_DIR}/signalk_socket.cpp
                       ${CMAKE_CURRENT_LIST_DIR}/signalk_source.cpp)
find_package(Boost 1.74 REQUIRED)
find_package(Threads REQUIRED)
find_package(nlohmann_json 3 REQUIRED)
target_link_libraries(hurricane_own_ship PRIVATE Boost::headers Threads::Threads
                                                 nlohmann_json::nlohmann_json)
