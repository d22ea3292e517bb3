# Installed like any desktop program, and a Debian package built with CPack.
# The editor finds the sample files relative to its own bin/ directory
# (../share/dudode), so the layout below must stay as it is.
if(DUDODE_WITH_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/dist/dudode-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/dist/dudode-editor.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/dudode)

set(CPACK_PACKAGE_NAME "dudode")
set(CPACK_PACKAGE_VENDOR "Vizorazod Software")
set(CPACK_PACKAGE_CONTACT "Dudode <dudode@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dudode - Editor: Tarifdateien für den Gebührenzähler bearbeiten")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Der Dudode - Editor schreibt und pflegt die Tarifdateien, Providerdateien und Verbindungsvorlagen des "
       "Gebührenzählers Dudode. dudode-tarif prüft und speichert dieselben Dateien ohne Fenster.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
# Dependencies come from the binaries' shared libraries (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own German texts for its standard dialogs and context menus.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
