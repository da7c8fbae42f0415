# What `cmake --install` puts in place, and the Debian package `cpack -G DEB` builds of it.
include(GNUInstallDirs)

install(TARGETS hurricane-escape RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/man/hurricane-escape.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/advice.schema.json
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "hurricane-escape maintainers <hurricane-escape@localhost>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The run-time libraries the program links, as Debian 12 names them; CLI11 and nlohmann-json
# are header-only and leave nothing behind.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 12), libgeographiclib23 (>= 2.1), \
libcpp-httplib0.11 (>= 0.11.4), libpugixml1v5 (>= 1.13)")
include(CPack)
