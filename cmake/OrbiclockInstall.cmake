# SPDX-License-Identifier: MIT

# What a desktop needs to list Orbiclock in its application menu: the launcher entry, the
# AppStream description that software centres read, and the icon in the hicolor theme at every
# size drawn plus the scalable original. The binary installs itself from app/.
include(GNUInstallDirs)

set(ORBICLOCK_APP_ID io.github.brambleway.orbiclock)
set(desktop_dir ${PROJECT_SOURCE_DIR}/res/desktop)
set(icon_dir ${PROJECT_SOURCE_DIR}/res/icons)

install(FILES ${desktop_dir}/${ORBICLOCK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The launcher entry is DBusActivatable: a desktop starts Orbiclock by calling Activate on the
# session bus, and the bus starts the program that owns the name when none runs. Written at
# install time, so Exec names the binary under the prefix given to cmake --install.
set(dbus_service ${CMAKE_CURRENT_BINARY_DIR}/${ORBICLOCK_APP_ID}.service)
install(CODE "
  file(WRITE \"${dbus_service}\"
       \"[D-BUS Service]\\nName=${ORBICLOCK_APP_ID}\\nExec=\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orbiclock\\n\")
  file(INSTALL \"${dbus_service}\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dbus-1/services\")
")
install(FILES ${desktop_dir}/${ORBICLOCK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${icon_dir}/orbiclock-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${ORBICLOCK_APP_ID}.png)
endforeach()
install(FILES ${icon_dir}/orbiclock.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ORBICLOCK_APP_ID}.svg)

# The manual page, written in scdoc's markup and stamped with the version.
if(ORBICLOCK_MANPAGE)
  find_program(SCDOC scdoc REQUIRED)
  set(man_source ${CMAKE_CURRENT_BINARY_DIR}/orbiclock.1.scd)
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/orbiclock.1)
  configure_file(${PROJECT_SOURCE_DIR}/docs/orbiclock.1.scd ${man_source} @ONLY)
  add_custom_command(OUTPUT ${man_page}
                     COMMAND sh -c "\"$0\" < \"$1\" > \"$2\"" ${SCDOC} ${man_source} ${man_page}
                     DEPENDS ${man_source}
                     COMMENT "Writing the manual page orbiclock.1"
                     VERBATIM)
  add_custom_target(manpage ALL DEPENDS ${man_page})
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
