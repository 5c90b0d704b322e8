# Installation following the freedesktop conventions, and a Debian package.
include(GNUInstallDirs)

install(TARGETS tarvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(_tarvo_desktop ${CMAKE_CURRENT_SOURCE_DIR}/resources/desktop)
install(FILES ${_tarvo_desktop}/de.tarvo.Tarvo.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_tarvo_desktop}/de.tarvo.Tarvo.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_tarvo_desktop}/de.tarvo.Tarvo.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${_tarvo_desktop}/de.tarvo.Tarvo.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo)
set(CPACK_PACKAGE_VENDOR "Tarvo-Entwicklerteam")
set(CPACK_PACKAGE_CONTACT "Tarvo-Entwicklerteam <tarvo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Übungsprogramm zum Rechnen mit ganzen Zahlen")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tarvo)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them (Qt's German texts too).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6gui6, qt6-translations-l10n, libjpeg62-turbo, fonts-liberation, fonts-dejavu-core")
# Without Qt's Wayland platform a Wayland desktop runs the program through
# XWayland, blurred on a scaled screen.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups, qt6-wayland")
include(CPack)
