# Debian packages made by CPack from the install rules (cmake/Install.cmake):
#   lesmora         the program, its menu entry, icon, metainfo and manual page
#   lesmora-server  the result server as a systemd service with its own system user
# `cpack -G DEB` in the build folder writes both; scripts/packages.sh builds and checks
# them. Dependencies come from dpkg-shlibdeps.

include(${CMAKE_CURRENT_LIST_DIR}/Install.cmake)

# Debian's hardening asks for the full read-only relocations.
target_link_options(lesmora PRIVATE -Wl,-z,relro,-z,now)
if(TARGET lesmora-server)
  target_link_options(lesmora-server PRIVATE -Wl,-z,relro,-z,now)
endif()

set(LESMORA_MAINTAINER "Corvello <lesmora@corvello.de>"
    CACHE STRING "Maintainer named in the Debian packages")
set(DEBIAN_DATA ${PROJECT_SOURCE_DIR}/data/debian)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lesmora)
set(CPACK_PACKAGE_VENDOR Corvello)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_COMPONENTS_ALL lesmora)
if(TARGET lesmora-server)
  list(APPEND CPACK_COMPONENTS_ALL lesmora-server)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LESMORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.corvello.de/lesmora/)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_LESMORA_PACKAGE_NAME lesmora)
set(CPACK_DEBIAN_LESMORA_PACKAGE_SECTION education)
set(CPACK_COMPONENT_LESMORA_DESCRIPTION
    "trainer for reading music at sight
Lesmora shows notes on a treble, bass or grand staff and asks the learner
to name or play them: with note-name buttons, note letters on the computer
keyboard, an on-screen piano or a MIDI keyboard. Lessons come from lesson
books; an examination ends with a rated result page and a code for the
teacher. German and English.")

set(CPACK_DEBIAN_LESMORA-SERVER_PACKAGE_NAME lesmora-server)
set(CPACK_DEBIAN_LESMORA-SERVER_PACKAGE_SECTION net)
set(CPACK_DEBIAN_LESMORA-SERVER_PACKAGE_DEPENDS "adduser")
set(CPACK_DEBIAN_LESMORA-SERVER_PACKAGE_CONTROL_EXTRA
    ${DEBIAN_DATA}/lesmora-server/postinst ${DEBIAN_DATA}/lesmora-server/prerm
    ${DEBIAN_DATA}/lesmora-server/postrm ${DEBIAN_DATA}/lesmora-server/conffiles)
set(CPACK_COMPONENT_LESMORA-SERVER_DESCRIPTION
    "result server for the Lesmora sight-reading trainer
The server collects the result lines that Lesmora sends after an
examination and lists them for the teacher. It runs as the systemd service
lesmora-server under its own system user, keeps its database in
/var/lib/lesmora-server and takes its port from /etc/default/lesmora-server.")

include(CPack)
