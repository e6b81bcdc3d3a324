# Installs Lanternmoor as one of the system's games and describes its Debian
# package. The lanternmoor command in games/ is a launcher that starts the
# game in the player's own data folder; the game itself sits in lib/games/.

set(CMAKE_INSTALL_BINDIR games CACHE PATH "Where the lanternmoor command goes")
include(GNUInstallDirs)
set(LANTERNMOOR_PROGRAM_DIR lib/games/lanternmoor)
set(LANTERNMOOR_SOUND_DIR ${CMAKE_INSTALL_DATADIR}/games/lanternmoor/sound)
set(LANTERNMOOR_FULL_PROGRAM_DIR ${CMAKE_INSTALL_PREFIX}/${LANTERNMOOR_PROGRAM_DIR})

# The launcher finds the game and the sounds from where it lies itself, so
# the installed tree works under any prefix.
file(RELATIVE_PATH PROGRAM_FROM_COMMAND ${CMAKE_INSTALL_FULL_BINDIR} ${LANTERNMOOR_FULL_PROGRAM_DIR})
file(RELATIVE_PATH SOUNDS_FROM_COMMAND ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_PREFIX}/${LANTERNMOOR_SOUND_DIR})
configure_file(packaging/lanternmoor.in packaging/lanternmoor @ONLY)
configure_file(doc/lanternmoor.6.in packaging/lanternmoor.6 @ONLY)

install(TARGETS lanternmoor DESTINATION ${LANTERNMOOR_PROGRAM_DIR})
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/lanternmoor DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY sound/ DESTINATION ${LANTERNMOOR_SOUND_DIR} FILES_MATCHING PATTERN "*.ogg")
install(FILES ${PROJECT_BINARY_DIR}/packaging/lanternmoor.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lanternmoor)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text adventure of trust, trades and the Black Queen")
set(CPACK_PACKAGE_DESCRIPTION "Name your wanderer, then explore 45 places by typing short commands.
Win the trust of 28 characters with gifts, trade with merchants, fight,
die and come back, and finally face the Black Queen.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
  "Lanternmoor maintainers <maintainers@users.noreply.c-seed-31b30427.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The dependencies are the shared libraries the game really links, as
# dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
