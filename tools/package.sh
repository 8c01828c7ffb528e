#!/usr/bin/env bash
# Builds the Debian package cubefall_VERSION_ARCH.deb from a release build laid out as Debian
# lays out games (/usr/games, /usr/share/games/cubefall), with Debian's hardening flags.
#   tools/package.sh [--build-dir DIR] [--output-dir DIR]
# The release tree goes in build-package/ and the package in the source folder by default.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh

build=build-package
output=.
while [ $# -gt 0 ]; do
    case "$1" in
    --build-dir) build=${2:?--build-dir needs a folder}; shift 2 ;;
    --output-dir) output=${2:?--output-dir needs a folder}; shift 2 ;;
    -h | --help) sed -n '2,5p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "package.sh: unknown argument '$1'" >&2; exit 2 ;;
    esac
done

# shellcheck disable=SC2086
cubefall_need_packages $CUBEFALL_BUILD_PACKAGES $CUBEFALL_PACKAGE_PACKAGES

# The flags Debian builds its packages with, all of its hardening included (fortify, stack
# protector, read-only relocations bound at start), and the source folder's path mapped away from
# the binary.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCUBEFALL_TESTS=OFF \
    -DCUBEFALL_GAMES_LAYOUT=ON -DCMAKE_CXX_FLAGS="$CXXFLAGS" \
    -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$build" -j "$(nproc)"
mkdir -p "$output"
output=$(cd "$output" && pwd)
# The new package replaces any earlier one there, whatever its version.
rm -f "$output"/cubefall_*.deb
(cd "$build" && cpack -G DEB -B "$output/_cpack")
mv "$output"/_cpack/cubefall_*.deb "$output"/
rm -rf "$output/_cpack"
ls "$output"/cubefall_*.deb
