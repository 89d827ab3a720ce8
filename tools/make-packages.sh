#!/usr/bin/env bash
# Writes the packages a user installs to dist/:
#   tellan_<version>_<arch>.deb   the Linux program for /usr, made with CPack;
#   tellan-<version>-win32.zip    the shipping i686 tellan.exe with its files.
# Builds in build-deb (prefix /usr, so the program reads /etc/tellan) and
# build-win32 (the shipping build with its tests, configured as
# tests/win32/run.sh does, so the zip holds the program those tests ran).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${TELLAN_JOBS:-2}
dist=$root/dist

bash tools/install-deps.sh

# Packages are made from release builds.
package() {
  local dir=$1 generator=$2
  shift 2
  echo "=== $generator package from $dir"
  cmake -S "$root" -B "$root/$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$root/$dir" -j"$jobs"
  rm -f "$root/$dir"/tellan[_-]*.deb "$root/$dir"/tellan[_-]*.zip
  (cd "$root/$dir" && cpack -G "$generator" >/dev/null)
  cp "$root/$dir"/tellan[_-]*."${generator,,}" "$dist/"
}

rm -rf "$dist"
mkdir -p "$dist"
# Debian's own compiler and linker flags, with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
compile_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
link_flags=$(dpkg-buildflags --get LDFLAGS)
package build-deb DEB -DCMAKE_INSTALL_PREFIX=/usr -DTELLAN_BUILD_TESTS=OFF \
  -DCMAKE_C_FLAGS="$compile_flags" -DCMAKE_CXX_FLAGS="$compile_flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$link_flags" -DCMAKE_SHARED_LINKER_FLAGS="$link_flags"
package build-win32 ZIP -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" -DTELLAN_BUILD_TESTS=ON

echo "Packages in dist/:"
ls -l "$dist"
