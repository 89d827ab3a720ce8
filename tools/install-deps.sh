#!/usr/bin/env bash
# Installs the Debian packages that building and testing TELLAN need; quick
# when they are all there already.
set -euo pipefail

packages=(
  cmake g++ make pkg-config python3
  libgtest-dev libgmock-dev googletest
  libxml2-dev libicu-dev libstb-dev
  clang libclang-rt-14-dev
  locales
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 mingw-w64-tools
  wine64 wine xvfb xauth
  libgtk-3-0 adwaita-icon-theme
  dbus-daemon at-spi2-core python3-pyatspi python3-pil x11-utils xdotool
  dpkg-dev file lintian man-db
  # The shipping program is 32-bit: Wine runs it as a WOW64 process of the
  # 64-bit prefix, which needs Wine's 32-bit half.
  wine32:i386
)

# Packages of another architecture are only offered once dpkg knows it.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The localized runs need these locales to exist.
wanted_locales=(en_US.UTF-8 ja_JP.UTF-8 de_DE.UTF-8 fr_FR.UTF-8)
available=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf8/utf-8/')
generate=0
for name in "${wanted_locales[@]}"; do
  lower=$(echo "$name" | tr '[:upper:]' '[:lower:]')
  if ! grep -qx "$lower" <<<"$available"; then
    sed -i "s/^# *\(${name} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${name} UTF-8" /etc/locale.gen || echo "${name} UTF-8" >>/etc/locale.gen
    generate=1
  fi
done
if ((generate)); then
  locale-gen >/dev/null
fi
