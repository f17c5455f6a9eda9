# Install rules and the Debian package (`cpack -G DEB`). Included at the end of the root
# CMakeLists.txt, so every target it installs already exists.
if(NOT TARGET tessella)
  return()
endif()
include(GNUInstallDirs)

set(TESSELLA_APP_ID "org.tessella.tessella" CACHE STRING "AppStream component id (reverse domain name)")
set(TESSELLA_MAINTAINER "Tessella team <maintainers@tessella.invalid>" CACHE STRING
    "Package maintainer, as: name <address>")
set(TESSELLA_SCREENSHOT_URL "https://tessella.invalid/screenshots/main.png" CACHE STRING
    "Address of the screenshot the software centre shows")
# The launcher finds the content at ../share/tessella from its own folder, so this stays one level deep.
set(TESSELLA_INSTALL_GAMESDIR games CACHE STRING "Where the programs are installed, relative to the prefix")
set(TESSELLA_RELEASE_DATE 2026-12-07)
set(TESSELLA_CHANGELOG_DATE "Mon, 07 Dec 2026 12:00:00 +0000")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(packagingSource ${CMAKE_CURRENT_LIST_DIR})
set(packagingBinary ${CMAKE_BINARY_DIR}/packaging)
set(docDir ${CMAKE_INSTALL_DATADIR}/doc/tessella)

# The tools arrive with their own folder; the rules hold with or without them.
set(programs tessella)
if(TARGET tessella-analyze)
  list(APPEND programs tessella-analyze)
endif()
if(TARGET tessella-match)
  list(APPEND programs tessella-match)
endif()

set(TESSELLA_METAINFO_PROVIDES)
foreach(program IN LISTS programs)
  string(APPEND TESSELLA_METAINFO_PROVIDES "    <binary>${program}</binary>\n")
endforeach()
string(STRIP "${TESSELLA_METAINFO_PROVIDES}" TESSELLA_METAINFO_PROVIDES)
set(TESSELLA_METAINFO_PROVIDES "    ${TESSELLA_METAINFO_PROVIDES}")
set(metainfo ${packagingBinary}/${TESSELLA_APP_ID}.metainfo.xml)
configure_file(${packagingSource}/tessella.metainfo.xml.in ${metainfo} @ONLY)
configure_file(${packagingSource}/copyright.in ${packagingBinary}/copyright @ONLY)
configure_file(${packagingSource}/changelog.in ${packagingBinary}/changelog @ONLY)

# Debian keeps manual pages and changelogs compressed, without a time stamp in the header.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed)
foreach(source IN ITEMS man/tessella-analyze.6 man/tessella-match.6 man/tessella.6 changelog)
  get_filename_component(name ${source} NAME)
  if(EXISTS ${packagingSource}/${source})
    set(input ${packagingSource}/${source})
  else()
    set(input ${packagingBinary}/${source})
  endif()
  add_custom_command(
    OUTPUT ${packagingBinary}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${input} ${packagingBinary}/gz/${name}
    COMMAND ${GZIP_PROGRAM} -9nf ${packagingBinary}/gz/${name}
    COMMAND ${CMAKE_COMMAND} -E rename ${packagingBinary}/gz/${name}.gz ${packagingBinary}/${name}.gz
    DEPENDS ${input}
    VERBATIM)
  list(APPEND compressed ${packagingBinary}/${name}.gz)
endforeach()
add_custom_target(tessella_packaging ALL DEPENDS ${compressed})

# Debian's hardening: the dynamic linker resolves everything at start, then the tables turn read-only.
foreach(program IN LISTS programs)
  target_link_options(${program} PRIVATE LINKER:-z,relro LINKER:-z,now)
endforeach()
install(TARGETS ${programs} RUNTIME DESTINATION ${TESSELLA_INSTALL_GAMESDIR})
install(DIRECTORY ${TESSELLA_CONTENT_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tessella)
install(DIRECTORY ${TESSELLA_ICONS_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${packagingSource}/tessella.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(program IN LISTS programs)
  install(FILES ${packagingBinary}/${program}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
install(FILES ${packagingBinary}/copyright ${packagingBinary}/changelog.gz
              ${PROJECT_SOURCE_DIR}/README.md
              ${PROJECT_SOURCE_DIR}/docs/playing.md
              ${PROJECT_SOURCE_DIR}/docs/editing-sets.md
              ${PROJECT_SOURCE_DIR}/docs/file-formats.md
        DESTINATION ${docDir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessella)
set(CPACK_PACKAGE_VENDOR "Tessella team")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TESSELLA_MAINTAINER})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "board game of bracketing and flipping pieces on an octagon")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tessella is a desktop board game for one person. Two sides take turns placing\n"
    "pieces on an octagonal board, a ten by ten grid with the corners cut away. A\n"
    "piece must bracket a line of the opponent's pieces along a row, a column or a\n"
    "diagonal, and every bracketed piece changes sides.\n"
    "\n"
    "Each side is played by the user with the mouse or by a computer player with\n"
    "its own face and a strategy for each of six phases of the game. Boards come\n"
    "in several picture designs with animated flips. Board designs and computer\n"
    "players are kept in set files that the game's own editors change.\n"
    "\n"
    "The windows are in Japanese or English.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TESSELLA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt draws the Japanese texts with this font; nothing links it, so shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
# Qt's own texts (standard buttons and dialogs) in the chosen language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
