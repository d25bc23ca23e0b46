# What `cmake --install` puts under the prefix: the program with its menu entry, icon,
# AppStream metainfo and manual page (component "lesmora"), and the result server with
# its service unit, settings and manual page (component "lesmora-server").
# Everything lands below the prefix; only a prefix of /usr puts the server's settings
# into /etc, as GNUInstallDirs does.

include(GNUInstallDirs)

set(LESMORA_APP_ID de.corvello.Lesmora)
set(PACKAGE_DATA ${PROJECT_SOURCE_DIR}/data)
set(LESMORA_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc)

find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert is missing: run scripts/install-deps.sh")
endif()

# The icon: its own drawing for 16, 32 and 48 px, the large drawing for the larger sizes.
set(ICON_SIZES 16 32 48 64 128 256)
set(ICON_OUTPUTS)
foreach(size IN LISTS ICON_SIZES)
  set(drawing ${PACKAGE_DATA}/icons/${LESMORA_APP_ID}-${size}.svg)
  if(NOT EXISTS ${drawing})
    set(drawing ${PACKAGE_DATA}/icons/${LESMORA_APP_ID}.svg)
  endif()
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${LESMORA_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${drawing}
    DEPENDS ${drawing}
    COMMENT "Rendering the ${size} px icon"
    VERBATIM)
  list(APPEND ICON_OUTPUTS ${png})
endforeach()

# Manual pages and the changelog go in compressed, without a time stamp, as Debian wants.
set(GZIPPED_OUTPUTS)
function(gzip_at_build_time source output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" gzip ${source} ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${output}"
    VERBATIM)
  set(GZIPPED_OUTPUTS ${GZIPPED_OUTPUTS} ${output} PARENT_SCOPE)
endfunction()
gzip_at_build_time(${PACKAGE_DATA}/man/lesmora.1 ${CMAKE_BINARY_DIR}/man/lesmora.1.gz)
gzip_at_build_time(${PACKAGE_DATA}/man/lesmora-server.8 ${CMAKE_BINARY_DIR}/man/lesmora-server.8.gz)
gzip_at_build_time(${PACKAGE_DATA}/debian/changelog ${CMAKE_BINARY_DIR}/man/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)

add_custom_target(lesmora_install_data ALL DEPENDS ${ICON_OUTPUTS} ${GZIPPED_OUTPUTS})
# Draws the installed icon and menu entry (scripts/packages.sh looks at them).
add_subdirectory(${PROJECT_SOURCE_DIR}/tools/desktopentry ${CMAKE_BINARY_DIR}/tools/desktopentry)

# The program.
install(TARGETS lesmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT lesmora)
install(FILES ${PACKAGE_DATA}/${LESMORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications COMPONENT lesmora)
install(FILES ${PACKAGE_DATA}/${LESMORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo COMPONENT lesmora)
install(FILES ${PACKAGE_DATA}/icons/${LESMORA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps COMPONENT lesmora)
foreach(size IN LISTS ICON_SIZES)
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${LESMORA_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
          COMPONENT lesmora)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/man/lesmora.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT lesmora)
install(FILES ${PACKAGE_DATA}/debian/lesmora/copyright ${CMAKE_BINARY_DIR}/man/changelog.gz
        DESTINATION ${LESMORA_DOCDIR}/lesmora COMPONENT lesmora)

# The result server, once the project has it.
set(LESMORA_SERVER_UNIT ${PROJECT_SOURCE_DIR}/src/server/lesmora-server.service)
if(TARGET lesmora-server)
  install(TARGETS lesmora-server RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
          COMPONENT lesmora-server)
  install(FILES ${LESMORA_SERVER_UNIT} DESTINATION lib/systemd/system COMPONENT lesmora-server)
  install(FILES ${CMAKE_BINARY_DIR}/man/lesmora-server.8.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man8 COMPONENT lesmora-server)
  install(FILES ${PACKAGE_DATA}/debian/lesmora-server/copyright ${CMAKE_BINARY_DIR}/man/changelog.gz
          DESTINATION ${LESMORA_DOCDIR}/lesmora-server COMPONENT lesmora-server)
  # The settings file's folder follows the prefix the install runs with: /etc for /usr
  # (the packages), <prefix>/etc for every other prefix. file(INSTALL) adds DESTDIR.
  install(CODE "
    if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
      set(defaults_dir /etc/default)
    else()
      set(defaults_dir \"\${CMAKE_INSTALL_PREFIX}/etc/default\")
    endif()
    file(INSTALL \"${PACKAGE_DATA}/debian/lesmora-server/default\" DESTINATION \"\${defaults_dir}\"
         RENAME lesmora-server PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    " COMPONENT lesmora-server)
endif()

# The menu entry, the metainfo and the manual pages are checked with every test run;
# scripts/packages.sh checks the built packages as a whole.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
find_program(MAN_PROGRAM man)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME packaging.desktop_entry_valid
           COMMAND sh -c "report=$(\"$1\" \"$2\" 2>&1); printf '%s\\n' \"$report\"; [ -z \"$report\" ]"
                   check ${DESKTOP_FILE_VALIDATE} ${PACKAGE_DATA}/${LESMORA_APP_ID}.desktop)
endif()
if(APPSTREAMCLI)
  add_test(NAME packaging.metainfo_valid
           COMMAND ${APPSTREAMCLI} validate --no-net ${PACKAGE_DATA}/${LESMORA_APP_ID}.metainfo.xml)
endif()
if(MAN_PROGRAM)
  foreach(page lesmora.1 lesmora-server.8)
    add_test(NAME packaging.manual_page_${page}
             COMMAND sh -c "warnings=$(\"$1\" --warnings -l \"$2\" 2>&1 >/dev/null); printf '%s\\n' \"$warnings\"; [ -z \"$warnings\" ]"
                     check ${MAN_PROGRAM} ${PACKAGE_DATA}/man/${page})
    set_tests_properties(packaging.manual_page_${page} PROPERTIES ENVIRONMENT "MANWIDTH=80;LC_ALL=C.UTF-8")
  endforeach()
endif()
