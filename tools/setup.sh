#!/usr/bin/env bash
# Installs what Velloquin needs on Debian 12, builds it, then either starts the
# program ("run"), runs every test ("test") or makes the Debian package ("package").
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-run}

packages=(
    cmake ninja-build g++                # build tools
    qt6-base-dev                         # Qt 6 Core, Gui, Widgets, PrintSupport, Test
    qt6-tools-dev qt6-l10n-tools         # Qt Linguist's CMake functions, lupdate and lrelease
    qt6-translations-l10n                # Qt's own translations of standard buttons and dialogs
    libzip-dev                           # zip container of the .docx export
    libbenchmark-dev                     # benchmarks under bench/
    fonts-dejavu-core                    # a font for drawing when no other is installed
)
if [ "$mode" = test ]; then
    packages+=(
        python3                          # test helpers that read written files
        poppler-utils                    # pdftotext, pdfinfo, pdfimages for document tests
        python3-docx                     # an independent reader of the .docx export
        libreoffice-writer-nogui         # converts the .docx export to PDF in a test
        nodejs npm                       # independent readers of the .ipuz and .puz exports
        imagemagick                      # identify, for the bitmap output test
        chromium chromium-driver         # a real browser, run headless, for the web page test
        python3-selenium                 # drives Chromium through chromedriver in that test
        python3-html5lib                 # checks that the exported web page parses as HTML5
        desktop-file-utils               # desktop-file-validate, for the .desktop file
        appstream                        # appstreamcli, validates the AppStream metainfo
        libxml2-utils                    # xmllint, checks the MIME type package
        shared-mime-info                 # update-mime-database, reads the MIME type package
        man-db groff-base                # man --warnings, checks the manual pages
        bash-completion                  # runs the velloquin-cli completion in a test
        dpkg-dev lintian                 # builds (dpkg-shlibdeps) and checks the .deb
        ccache                           # the package test's second release build from cache
        strace                           # where the unpacked program looks for its settings
        clang-format-14                  # tools/check-format.sh: the formatter the tree follows
        clang libclang-rt-14-dev         # libFuzzer, for the fuzz targets (preset fuzz)
    )
fi
if [ "$mode" = package ]; then
    packages+=(dpkg-dev)                 # dpkg-shlibdeps: the package's dependencies
fi
missing=()
for p in "${packages[@]}"; do
    # A Node.js from another source brings its own npm, which Debian's npm package
    # conflicts with: the commands are what the tests need.
    case "$p" in
        nodejs) command -v node >/dev/null && continue ;;
        npm) command -v npm >/dev/null && continue ;;
    esac
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Extra configure options, for example -DCMAKE_COMPILE_WARNING_AS_ERROR=ON in CI.
read -r -a cmake_options <<<"${VELLOQUIN_CMAKE_OPTIONS:-}"

if [ "$mode" = test ]; then
    cmake --preset dev "${cmake_options[@]}"
    cmake --build --preset dev -j2
    ctest --preset dev -j2
elif [ "$mode" = package ]; then
    # cpack builds everything before it packages; tests and benchmarks are not packaged.
    # The package installs into /usr, which the programs and the manual page must know.
    cmake --preset release -DBUILD_TESTING=OFF -DVELLOQUIN_BUILD_BENCHMARKS=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr "${cmake_options[@]}"
    cmake --build --preset release -j2
    (cd build/release && cpack -G DEB)
    ls build/release/velloquin_*.deb
else
    # Only the two programs (and the icons and pages they install): the tests and the
    # benchmarks would more than triple the first start's build.
    cmake --preset release -DBUILD_TESTING=OFF -DVELLOQUIN_BUILD_BENCHMARKS=OFF "${cmake_options[@]}"
    cmake --build --preset release -j2
    if [ -x build/release/src/app/velloquin ]; then
        exec build/release/src/app/velloquin
    fi
    exec build/release/src/cli/velloquin-cli --help
fi
