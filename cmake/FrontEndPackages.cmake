# The Debian packages the front-ends build on, each as an imported target:
#   GeographicLib::GeographicLib (libgeographiclib-dev), CLI11::CLI11 (libcli11-dev),
#   nlohmann_json::nlohmann_json (nlohmann-json3-dev), PkgConfig::CPP_HTTPLIB
#   (libcpp-httplib-dev).
include_guard(GLOBAL)

# Debian ships GeographicLib with a find module only, outside CMake's own module path.
find_package(GeographicLib CONFIG QUIET)
if(NOT GeographicLib_FOUND)
  list(APPEND CMAKE_MODULE_PATH /usr/share/cmake/geographiclib)
  find_package(GeographicLib REQUIRED MODULE)
endif()
if(NOT TARGET GeographicLib::GeographicLib)
  add_library(GeographicLib::GeographicLib INTERFACE IMPORTED)
  # A system include: the library's headers are not held to our warnings.
  set_target_properties(GeographicLib::GeographicLib PROPERTIES
                        INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${GeographicLib_INCLUDE_DIRS}"
                        INTERFACE_INCLUDE_DIRECTORIES "${GeographicLib_INCLUDE_DIRS}"
                        INTERFACE_LINK_LIBRARIES "${GeographicLib_LIBRARIES}")
endif()

find_package(CLI11 REQUIRED)
find_package(nlohmann_json 3 REQUIRED)

# cpp-httplib is a built library in Debian; its pkg-config file carries the definitions its
# header must be read with, so that our view of its classes matches the library's.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CPP_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
