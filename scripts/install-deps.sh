#!/bin/sh
# Installs the Debian 12 packages Tembrel needs to build, run and test.
# As root it runs apt-get; otherwise it prints the exact apt-get line and stops.
set -eu

PACKAGES="
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libqt6svg6
    portaudio19-dev libsndfile1-dev libsqlite3-dev libebur128-dev libsamplerate0-dev libasound2-dev libicu-dev
    libgtest-dev libgmock-dev clang-format clang-16 libclang-rt-16-dev
    pulseaudio pulseaudio-utils libasound2-plugins alsa-utils sox
    xvfb xauth xdotool imagemagick x11-utils fonts-dejavu-core
    xdg-utils msmtp python3-aiosmtpd pavucontrol desktop-file-utils appstream
    libcanberra0 libcanberra-pulse sound-theme-freedesktop
    at-spi2-core dbus-x11 python3-pyatspi
"

missing=""
for pkg in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $pkg" ;;
    esac
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Tembrel needs these packages. Install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y$missing" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $missing
