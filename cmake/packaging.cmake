# The files a Linux desktop reads beside the game (manual page, AppStream metadata) and the Debian package.

# Screenshots in AppStream need http(s) addresses (those of docs/screenshots/), and a Debian maintainer needs
# a mail address. Until the studio has a site, both sit under a reserved placeholder domain, and so does the
# AppStream ID (the domain reversed): replace the three together.
set(DH_SCREENSHOTS https://duskhollow.example.org/screenshots/)
set(DH_APPSTREAM_ID org.example.duskhollow)
set(DH_MAINTAINER "The Duskhollow developers <developers@duskhollow.example.org>")

# The texts that carry the version and its date are filled in here, the compressed ones gzipped as Debian
# wants them (-n: no name or time inside, so the same sources give the same bytes).
set(DH_DIST ${PROJECT_BINARY_DIR}/dist)
execute_process(COMMAND date -u -R -d "${DH_RELEASE_DATE}" OUTPUT_VARIABLE DH_RELEASE_DATE_RFC2822
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(tools/desktop/duskhollow.metainfo.xml.in ${DH_DIST}/duskhollow.metainfo.xml @ONLY)
configure_file(tools/desktop/duskhollow.6.in ${DH_DIST}/duskhollow.6 @ONLY)
configure_file(tools/debian/changelog.in ${DH_DIST}/changelog @ONLY)
foreach(text duskhollow.6 changelog)
  add_custom_command(OUTPUT ${DH_DIST}/${text}.gz COMMAND gzip -9nkf ${DH_DIST}/${text}
                     DEPENDS ${DH_DIST}/${text} VERBATIM)
  list(APPEND DH_DIST_GZ ${DH_DIST}/${text}.gz)
endforeach()
add_custom_target(dh_dist ALL DEPENDS ${DH_DIST_GZ})

install(FILES ${DH_DIST}/duskhollow.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${DH_DIST}/duskhollow.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES tools/debian/copyright ${DH_DIST}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/duskhollow)

# The Debian package (cpack, or tools/package.sh): everything above under /usr, its dependencies read from the
# binary by dpkg-shlibdeps, the binary stripped. Debian keeps games in /usr/games (lintian holds a package of
# section games to it) while a plain install keeps bin/, which every PATH has: the package takes the program
# from a component of its own instead of the plain install's.
install(TARGETS duskhollow RUNTIME DESTINATION games COMPONENT package_program EXCLUDE_FROM_ALL)
set(CPACK_COMPONENTS_ALL Unspecified package_program)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME duskhollow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT ${DH_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based tactical zombie survival game")
set(CPACK_PACKAGE_DESCRIPTION "Build a team of two to four ordinary people from random candidates,
then lead them across a town overrun by zombies: walk on action points, search
for items, strike and shoot, heal, reload and hand items over. Find the car
keys and start the car on the escape cell to win; if the whole team dies, the
game is lost.

The game is played with the mouse and a few keys; its texts are in Russian.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DH_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
