#!/usr/bin/env bash
# Installs, on Debian 12, whatever is missing for one purpose, and does nothing when everything is
# already there. Runs as root (or through sudo).
#
#   install-deps.sh          building and running the program (the default)
#   install-deps.sh test     that, and everything the test suite, the benchmarks, the pictures
#                            and the .deb need
set -euo pipefail
purpose="${1:-run}"

packages=(
    # build (fontconfig's headers: the program loads the font configuration on a thread of its own)
    cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
    # libxcb's headers: a start without a reachable X server ends with a plain message
    libxcb1-dev
    # the icon's pictures at each size are rendered from its drawing
    librsvg2-bin
    # the translation template (lupdate), the translations (lrelease) and the pseudo-translation
    qt6-tools-dev qt6-l10n-tools python3
    # running: the platform plugins and the font the window is drawn in
    qt6-qpa-plugins fonts-dejavu-core
)
case "$purpose" in
run) ;;
test)
    packages+=(
        # the format check
        clang-format
        # tests that need a real X server, another clipboard client, or a print server
        xvfb xauth x11-utils xclip xdotool imagemagick
        # a dark palette handed to the program through the Qt 6 configuration tool's theme
        qt6ct
        cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils tesseract-ocr tesseract-ocr-eng
        # fuzzing the readers of stored data with libFuzzer
        clang libclang-rt-14-dev
        # the screen-reader walk: an accessibility bus and its Python client
        at-spi2-core dbus python3-pyatspi gir1.2-atspi-2.0
        # benchmarks (bench/run.sh): peak memory, and watching for the first painted window
        time libxcb-damage0-dev
        # packaging: the .deb (CPack reads binaries with file and dpkg-shlibdeps), and the
        # validators of the installed desktop entry and AppStream metainfo, and Debian's
        # package checker
        dpkg-dev file desktop-file-utils appstream lintian
    )
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
