# The Debian package, made by CPack from the install rules: `tools/package.sh` builds it from a
# release tree configured with CUBEFALL_GAMES_LAYOUT, so that the game lands in /usr/games.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cubefall)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player falling-block game in 3D on one keyboard")
# The long description, which CPack puts under the summary: paragraphs apart by a line holding a
# full stop, as control files want.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Two players share one keyboard, each with a well of falling wooden cubes on
a metal floor. Clear rows to score; every 500 points scored pushes a row of
garbage into the opponent's well. The first well to overflow loses.
.
Cubefall draws its wells in 3D with OpenGL, under a camera that can sway.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Cubefall developers <dev@cubefall.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the game links, as dpkg-shlibdeps finds them in the binary, and the font its text
# is drawn with, which fontconfig finds.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# cubefall_VERSION_ARCH.deb, the architecture being dpkg's.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Only what the install rules list, nothing of the source tree.
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
