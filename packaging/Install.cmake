# Installing the editor as a desktop program (GNUInstallDirs); debian/ packs these files.
# Included at the end of the top-level CMakeLists.txt, so every target installed here exists.

set(KESTREL_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(KESTREL_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

include(GNUInstallDirs)

find_program(KESTREL_GZIP gzip REQUIRED)

# Man pages are installed compressed, without name or time stamp inside
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
set(VERSION ${PROJECT_VERSION})
set(CLI_BINARY "")
if(TARGET kestrel-cli)
  set(CLI_BINARY "\n    <binary>kestrel-cli</binary>")
endif()
configure_file(${KESTREL_PACKAGING_DIR}/${KESTREL_APP_ID}.metainfo.xml ${KESTREL_PACKAGING_OUT}/${KESTREL_APP_ID}.metainfo.xml @ONLY)
set(KESTREL_SCHEMA ${KESTREL_PACKAGING_OUT}/x-com-kestrel-changes-1.schema.json)
# The change-set schema is made from the tables themselves, so it never lags behind them.
add_custom_command(OUTPUT ${KESTREL_SCHEMA}
  COMMAND sh -c "\"$1\" schema > \"$2\"" sh $<TARGET_FILE:kestrel-cli> ${KESTREL_SCHEMA}
  DEPENDS kestrel-cli
  VERBATIM)
add_custom_target(kestrel_install_files ALL
  DEPENDS ${KESTREL_PACKAGING_OUT}/kestrel.1.gz ${KESTREL_PACKAGING_OUT}/kestrel-cli.1.gz ${KESTREL_SCHEMA})

install(TARGETS kestrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the editor looks for its translations, relative to its own folder.
install(FILES ${KESTREL_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrel/translations)
install(FILES ${KESTREL_PACKAGING_OUT}/kestrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The command-line tool is installed once it is built; until then the editor installs alone.
if(TARGET kestrel-cli)
  install(TARGETS kestrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${KESTREL_PACKAGING_OUT}/kestrel-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${KESTREL_SCHEMA} DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrel)
endif()
install(FILES ${KESTREL_PACKAGING_DIR}/${KESTREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KESTREL_PACKAGING_OUT}/${KESTREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KESTREL_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${KESTREL_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
        RENAME ${KESTREL_APP_ID}.png)
# A Debian package keeps its documents under the package's name, not the project's. The
# changelog is the packager's (debian/changelog); debhelper installs it.
set(KESTREL_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/kestrel)
install(FILES ${KESTREL_PACKAGING_DIR}/copyright ${CMAKE_SOURCE_DIR}/docs/user-guide.md
              ${CMAKE_SOURCE_DIR}/docs/change-sets.md
        DESTINATION ${KESTREL_DOC_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/images DESTINATION ${KESTREL_DOC_DIR})
