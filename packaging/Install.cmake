# SPDX-License-Identifier: GPL-3.0-or-later
# Installation as a desktop program, and a Debian package through CPack.
include(GNUInstallDirs)

set(RV_DOC_FOLDER ${CMAKE_INSTALL_DATADIR}/doc/rotavionix-control)
# Folders as Debian wants them, whatever the umask of whoever installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS rotavionix-control RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A component of its own, so that its tests can install the tool alone.
install(TARGETS rotavionix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${RV_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${RV_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/rotavionix-control.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/data/Default.rvc
        DESTINATION ${CMAKE_INSTALL_DATADIR}/rotavionix-control)
# The same place in the build tree, where a program run from there finds it.
configure_file(${PROJECT_SOURCE_DIR}/data/Default.rvc
               ${PROJECT_BINARY_DIR}/share/rotavionix-control/Default.rvc COPYONLY)

# The icon: the drawing itself, and the sizes menus and file managers ask for,
# rendered from it by scripts/render-icon.sh (the window shows the same PNGs).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/rotavionix-control.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${RV_ICON_SIZES})
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/rotavionix-control-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME rotavionix-control.png)
endforeach()

# The manual pages and the changelog, compressed as Debian keeps them: without
# a time stamp (-n), so that the same sources give the same package.
find_program(RV_GZIP gzip REQUIRED)
set(RV_COMPRESSED_DOCS)
function(rv_install_compressed source destination name)
    set(compressed ${PROJECT_BINARY_DIR}/compressed/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
                       COMMAND ${CMAKE_COMMAND} -E make_directory compressed
                       COMMAND ${RV_GZIP} -9 -n -c ${source} > ${compressed}
                       DEPENDS ${source} WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
    install(FILES ${compressed} DESTINATION ${destination})
    set(RV_COMPRESSED_DOCS ${RV_COMPRESSED_DOCS} ${compressed} PARENT_SCOPE)
endfunction()
rv_install_compressed(${CMAKE_CURRENT_LIST_DIR}/man/rotavionix-control.1
                      ${CMAKE_INSTALL_MANDIR}/man1 rotavionix-control.1)
rv_install_compressed(${CMAKE_CURRENT_LIST_DIR}/man/rotavionix-cli.1 ${CMAKE_INSTALL_MANDIR}/man1
                      rotavionix-cli.1)
# The package's changelog in Debian's form, written from the project's CHANGELOG.md.
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog
                   COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/CHANGELOG.md
                           -DOUTPUT=${PROJECT_BINARY_DIR}/changelog -DVERSION=${PROJECT_VERSION}
                           -P ${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake
                   DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md
                           ${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake VERBATIM)
rv_install_compressed(${PROJECT_BINARY_DIR}/changelog ${RV_DOC_FOLDER} changelog)
add_custom_target(rv-compressed-docs ALL DEPENDS ${RV_COMPRESSED_DOCS})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${RV_DOC_FOLDER})

set(CPACK_PACKAGE_NAME "rotavionix-control")
set(CPACK_PACKAGE_VENDOR "VORANE")
set(CPACK_PACKAGE_CONTACT "Rotavionix Control developers <rotavionix-control@users.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Set up the Rotavionix helicopter control unit")
# Debian shows each line as it is: under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Rotavionix Control is the program with which a model-helicopter pilot
sets up the Rotavionix, an on-board control unit that combines a tail
gyro with heading lock, a speed governor, swashplate and tail mixers,
lighting outputs and the assignment of receiver channels to its
functions.
.
The pilot edits the unit's parameter set (gains, governor and gyro
behaviour, light timings, servo options, the heli type), its eleven
stick curves for hover and acro and the channel assignment, keeps
setups in .rvc parameter files, compares and prints them, and sends a
setup to the unit over a serial port. The window speaks German, English
and French; rotavionix-cli does the same work without a display.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries come from the binaries (dpkg-shlibdeps); the platform plugins
# are loaded at run time, which no binary shows.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
include(CPack)
