# Installed like any desktop program, and two Debian packages from one build,
# made with CPack: dudode-tarif (the command-line tool, no Qt) and
# dudode-editor. The editor finds the sample files relative to its own bin/
# directory (../share/dudode), so the layout below must stay as it is.
set(_generated ${CMAKE_BINARY_DIR}/package)
set(_dist ${PROJECT_SOURCE_DIR}/dist)
set(_package_files)

# Debian compresses manual pages and changelogs with gzip -9n (no name, no
# time stamp), so that the same sources give the same package.
function(dudode_gzip source target)
  add_custom_command(OUTPUT ${target}
    COMMAND gzip -9nc ${source} > ${target}
    DEPENDS ${source}
    COMMENT "Compressing ${target}")
  set(_package_files ${_package_files} ${target} PARENT_SCOPE)
endfunction()

# Manual pages: English in man1, German in de/man1. The dudode-tarif pages
# come from the same command table as its --help.
foreach(_lang en de)
  set(_dir ${_generated}/man/${_lang})
  file(MAKE_DIRECTORY ${_dir})
  add_custom_command(OUTPUT ${_dir}/dudode-tarif.1
    COMMAND dudode-tarif --man-page ${_lang} > ${_dir}/dudode-tarif.1
    DEPENDS dudode-tarif
    COMMENT "Manual page dudode-tarif.1 (${_lang})")
  dudode_gzip(${_dir}/dudode-tarif.1 ${_dir}/dudode-tarif.1.gz)
  set(_man_source ${_dist}/man/dudode-editor.1.in)
  if(_lang STREQUAL "de")
    set(_man_source ${_dist}/man/de/dudode-editor.1.in)
  endif()
  configure_file(${_man_source} ${_dir}/dudode-editor.1 @ONLY)
  dudode_gzip(${_dir}/dudode-editor.1 ${_dir}/dudode-editor.1.gz)
endforeach()
dudode_gzip(${_dist}/changelog ${_generated}/changelog.gz)
configure_file(${_dist}/org.example.dudode.editor.metainfo.xml.in
               ${_generated}/org.example.dudode.editor.metainfo.xml @ONLY)
add_custom_target(dudode-package-files ALL DEPENDS ${_package_files})

# What each package holds besides its program: manual pages, the changelog,
# the copyright file and the lintian overrides.
function(dudode_install_common component package)
  install(FILES ${_generated}/man/en/${package}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          COMPONENT ${component})
  install(FILES ${_generated}/man/de/${package}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1
          COMPONENT ${component})
  install(FILES ${_generated}/changelog.gz ${_dist}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package}
          COMPONENT ${component})
  install(FILES ${_dist}/lintian/${package} DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          COMPONENT ${component})
endfunction()

# Stripped as Debian strips: CPack's strip leaves the compiler's .comment.
function(dudode_install_program target component)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component})
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${target}\" COMMAND_ERROR_IS_FATAL ANY)
endif()" COMPONENT ${component})
endfunction()

dudode_install_program(dudode-tarif tarif)
install(FILES ${_dist}/dudode-tarif.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME dudode-tarif COMPONENT tarif)
dudode_install_common(tarif dudode-tarif)
set(CPACK_COMPONENTS_ALL tarif)

if(DUDODE_WITH_GUI)
  dudode_install_program(dudode-editor editor)
  install(FILES ${_dist}/dudode-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          COMPONENT editor)
  install(FILES ${_dist}/dudode-editor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          COMPONENT editor)
  install(FILES ${_generated}/org.example.dudode.editor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
          COMPONENT editor)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/dudode COMPONENT editor)
  dudode_install_common(editor dudode-editor)
  list(APPEND CPACK_COMPONENTS_ALL editor)
endif()

set(CPACK_PACKAGE_NAME "dudode")
set(CPACK_PACKAGE_VENDOR "Dudode developers")
set(CPACK_PACKAGE_CONTACT "Dudode developers <dudode@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE "dudode")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
# Dependencies come from the binaries' shared libraries (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Both replace the single package "dudode" that earlier builds made.
set(CPACK_DEBIAN_PACKAGE_BREAKS "dudode")
set(CPACK_DEBIAN_PACKAGE_REPLACES "dudode")

# Descriptions: a summary, then lines of at most 80 characters.
set(CPACK_DEBIAN_TARIF_PACKAGE_NAME "dudode-tarif")
string(CONCAT CPACK_DEBIAN_TARIF_DESCRIPTION
       "check and convert Dudode tariff files on the command line\n"
       "The Dudode call-charge counter reads its tariffs, providers and connection\n"
       "templates from files that the Dudode editor writes. dudode-tarif loads these\n"
       "files without a window and by the same rules as the editor: it prints them as\n"
       "JSON, saves them again, checks a tariff for gaps over a whole year, compares\n"
       "two tariff files and converts prices to a new VAT rate.\n"
       "\n"
       "Its messages are in German. It does not need Qt.")
set(CPACK_DEBIAN_EDITOR_PACKAGE_NAME "dudode-editor")
string(CONCAT CPACK_DEBIAN_EDITOR_DESCRIPTION
       "editor for the tariff files of the Dudode call-charge counter\n"
       "The Dudode editor writes and maintains the files of the Dudode call-charge\n"
       "counter: tariff files with their zones and prices, provider files and the\n"
       "connection and telephony templates. It checks a tariff for gaps over a whole\n"
       "year, converts prices to a new VAT rate and imports zones from other tariff\n"
       "files.\n"
       "\n"
       "Its windows and its help are in German. The package dudode-tarif does the\n"
       "same work on the command line.")
# Qt loads its platform plugins at run time, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_EDITOR_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own German texts for its standard dialogs and context menus.
set(CPACK_DEBIAN_EDITOR_PACKAGE_RECOMMENDS "dudode-tarif, qt6-translations-l10n")
include(CPack)
