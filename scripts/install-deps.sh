#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when some are missing.
set -euo pipefail
# fonts-dejavu-extra has the semi-condensed face the widget asks for; without it Qt squeezes the
# normal face and the demo no longer looks like its picture. llvm-14 brings llvm-symbolizer-14,
# which turns the fuzzer's and sanitizers' addresses into functions, files and lines.
# qt6-l10n-tools has lrelease, which builds the translations; qt6-translations-l10n has Qt's own,
# which the demo loads beside the control's. The accessibility test runs the demo in its own X
# server (xvfb, openbox), D-Bus session (dbus-daemon, libglib2.0-bin's gdbus) and accessibility
# bus (at-spi2-core), and reads it as a screen reader does (python3-pyatspi), typing with xdotool.
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libqt6opengl6-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          qt6-declarative-dev fonts-dejavu-core fonts-dejavu-extra
          clang-14 libclang-rt-14-dev llvm-14 clang-format
          xvfb openbox xdotool dbus-daemon libglib2.0-bin at-spi2-core python3-pyatspi)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
((${#missing[@]})) || exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Installing them needs root, and sudo is not here. Either run this command as root," >&2
    echo "or have them installed (as root: apt-get install ${missing[*]}) and run it again." >&2
    exit 1
  fi
  SUDO=sudo
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
