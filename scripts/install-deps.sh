#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, only those missing.
# clang with its runtime libraries builds the fuzz targets (libFuzzer and the sanitizers);
# llvm brings llvm-symbolizer, which turns a finding's stack into file names and lines.
# desktop-file-utils, shared-mime-info and libxml2-utils check the installed desktop entry and
# loan file type. libxlsxwriter writes the exported workbooks; python3-openpyxl reads them back
# in the tests, and locales lets a test run the program under a locale with a decimal comma.
# openbox frames the windows of the screenshots, title bars included. dpkg-dev (dpkg-shlibdeps)
# finds what the Debian package depends on; lintian and appstream check the package; dex and
# gio (libglib2.0-bin) start the installed program the way a desktop does, from its menu entry
# and by a loan file's type. groff-base and man-db render the manual pages in the tests.
# qt6-charts-dev draws the comparison's charts; its CMake package needs libqt6opengl6-dev, which it
# does not bring. nlohmann-json3-dev reads and writes comparison files.
# GNU parallel spreads a portfolio over several processes in the test of the command as a filter.
set -euo pipefail
packages=(
    cmake ninja-build g++ make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev libxlsxwriter-dev qt6-charts-dev libqt6opengl6-dev
    nlohmann-json3-dev
    qt6-tools-dev qt6-tools-dev-tools libqt6help6 libqt6sql6-sqlite
    fonts-liberation2 poppler-utils python3-openpyxl locales
    cups-daemon cups-client cups-filters
    xvfb xauth imagemagick xdotool openbox
    desktop-file-utils shared-mime-info libxml2-utils file groff-base man-db
    dpkg-dev lintian appstream dex libglib2.0-bin
    clang libclang-rt-dev llvm
    parallel
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
