# Installing the editor as a desktop program (GNUInstallDirs), and its Debian package (CPack).
# Included at the end of the top-level CMakeLists.txt, so every target installed here exists.

set(KESTREL_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(KESTREL_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

include(GNUInstallDirs)

find_program(KESTREL_GZIP gzip REQUIRED)

# Man pages and the changelog are installed compressed, without name or time stamp inside
# (-n), so a rebuild gives the same bytes.
function(kestrel_gzipped source output)
  set(expanded ${KESTREL_PACKAGING_OUT}/${output})
  string(REGEX REPLACE "\\.gz$" "" expanded ${expanded})
  set(VERSION ${PROJECT_VERSION})
  configure_file(${source} ${expanded} @ONLY)
  add_custom_command(OUTPUT ${KESTREL_PACKAGING_OUT}/${output}
    COMMAND ${KESTREL_GZIP} -9nf -k ${expanded}
    DEPENDS ${expanded}
    VERBATIM)
endfunction()

kestrel_gzipped(${KESTREL_PACKAGING_DIR}/man/kestrel.1 kestrel.1.gz)
kestrel_gzipped(${KESTREL_PACKAGING_DIR}/man/kestrel-cli.1 kestrel-cli.1.gz)
kestrel_gzipped(${KESTREL_PACKAGING_DIR}/changelog changelog.gz)
set(VERSION ${PROJECT_VERSION})
set(CLI_BINARY "")
if(TARGET kestrel-cli)
  set(CLI_BINARY "\n    <binary>kestrel-cli</binary>")
endif()
configure_file(${KESTREL_PACKAGING_DIR}/${KESTREL_APP_ID}.metainfo.xml ${KESTREL_PACKAGING_OUT}/${KESTREL_APP_ID}.metainfo.xml @ONLY)
add_custom_target(kestrel_install_files ALL
  DEPENDS ${KESTREL_PACKAGING_OUT}/kestrel.1.gz ${KESTREL_PACKAGING_OUT}/kestrel-cli.1.gz
          ${KESTREL_PACKAGING_OUT}/changelog.gz)

install(TARGETS kestrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KESTREL_PACKAGING_OUT}/kestrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The command-line tool is installed once it is built; until then the editor installs alone.
if(TARGET kestrel-cli)
  install(TARGETS kestrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${KESTREL_PACKAGING_OUT}/kestrel-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${KESTREL_PACKAGING_DIR}/${KESTREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KESTREL_PACKAGING_OUT}/${KESTREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KESTREL_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${KESTREL_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
        RENAME ${KESTREL_APP_ID}.png)
# A Debian package keeps its documents under the package's name, not the project's.
install(FILES ${KESTREL_PACKAGING_DIR}/copyright ${KESTREL_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kestrel)

# The Debian package: scripts/package builds it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The X-Com Kestrel developers <kestrel@xcomkestrel.github.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the data of the game X-Com: UFO Defense")
# The summary above is the synopsis; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "X-Com Kestrel edits the data of the DOS game X-Com: UFO Defense: the base\n"
  "every new game starts with and its starting stores, the statistics of the\n"
  "facility types, the default soldier names, the combat statistics of the unit\n"
  "types, the item records and every string of the game's text files.\n"
  "\n"
  "It recognises the Collector's Edition and the DOS versions 1.2 and 1.4.\n"
  "Saving replaces each file whole, all files or none, and first keeps the files\n"
  "as they were loaded in backups beside them.\n"
  "\n"
  "The package contains no data of the game itself.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
# "games" would require the programs in /usr/games; an editor of game files is a utility.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://xcomkestrel.github.io/")
# Depends comes from the libraries the programs link (dpkg-shlibdeps); the platform
# plugins are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
