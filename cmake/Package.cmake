# `cpack -G DEB`: a Debian package of what `cmake --install` installs (the
# game component; the tools stay out), installed below /usr. Its library
# dependencies are worked out by dpkg-shlibdeps from the executable.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vrels")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vrel's Skarov developers")
# A placeholder on a reserved domain until the project has a public address.
set(CPACK_PACKAGE_CONTACT "The Vrel's Skarov developers <vrels@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-scrolling run-and-gun game with a maid and her gun")
set(CPACK_PACKAGE_DESCRIPTION
    "A maid armed with a compact submachine gun runs, jumps, crouches and shoots
her way through tile-map stages: stomp or shoot the monsters, collect coins,
extra lives and magazines, reach the goal before the time runs out. Boss
stages open with a conversation and end with a boss fight. Keyboard or game
pad, window or full screen.")
# The desktop entry is written while installing and must see /usr, not the
# staging folder, as its prefix: install with DESTDIR into the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX "/usr")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL game)
set(CPACK_DEB_COMPONENT_INSTALL OFF)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};game;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
