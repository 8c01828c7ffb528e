# Sourced by the play and test scripts: makes sure the Debian packages they need are present.
# As root it installs what is missing; otherwise it prints the apt-get line to run and fails.

# Packages to build the game and run it: gettext compiles the catalogues of its languages, and
# its text is drawn with FreeType from the desktop's font, found through fontconfig.
CUBEFALL_BUILD_PACKAGES="cmake make g++ pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev
  libgl1-mesa-dri libx11-dev libxtst-dev libstb-dev libsdl2-dev libsdl2-mixer-dev libinih-dev libenet-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core gettext"
# Packages that the Debian package's build adds: dpkg-shlibdeps (dpkg-dev), which CPack runs to
# find the libraries the game needs, and file, which CPack uses to find the binaries to ask about.
CUBEFALL_PACKAGE_PACKAGES="dpkg-dev file"
# Packages the test suite adds: GoogleTest, a virtual X server for the real-window tests,
# valgrind and an XML reader for the memcheck run, the menu entry's validator, and what the
# package's checks run: lintian, AppStream's validator, and man with groff for the manual pages;
# locales makes the French locale the French real-window test plays in, and Tesseract reads the
# window's text back in English and French.
CUBEFALL_TEST_PACKAGES="libgtest-dev xvfb xauth valgrind libtinyxml2-dev desktop-file-utils
  $CUBEFALL_PACKAGE_PACKAGES lintian appstream man-db groff-base locales tesseract-ocr
  tesseract-ocr-eng tesseract-ocr-fra"

cubefall_need_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing missing packages: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get install -y --no-install-recommends "${missing[@]}" ||
            { apt-get update && apt-get install -y --no-install-recommends "${missing[@]}"; }
    else
        echo "Some packages are missing. Install them with:" >&2
        echo "  sudo apt-get install ${missing[*]}" >&2
        return 1
    fi
}
