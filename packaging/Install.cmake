# Installation as a desktop program, and a Debian package through CPack.
include(GNUInstallDirs)

install(TARGETS rotavionix-control RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A component of its own, so that its tests can install the tool alone.
install(TARGETS rotavionix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/rotavionix-control.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/rotavionix-control.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/Default.rvc
        DESTINATION ${CMAKE_INSTALL_DATADIR}/rotavionix-control)
# The same place in the build tree, where a program run from there finds it.
configure_file(${PROJECT_SOURCE_DIR}/data/Default.rvc
               ${PROJECT_BINARY_DIR}/share/rotavionix-control/Default.rvc COPYONLY)

set(CPACK_PACKAGE_NAME "rotavionix-control")
set(CPACK_PACKAGE_VENDOR "VORANE")
set(CPACK_PACKAGE_CONTACT "Rotavionix Control developers <rotavionix-control@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Set up the Rotavionix helicopter control unit")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6printsupport6, libqt6serialport6, qt6-qpa-plugins")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
include(CPack)
