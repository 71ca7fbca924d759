#!/usr/bin/env bash
# Builds Norvane's Debian package and checks it. Installs what is missing
# first (as setup.sh does), builds the programs in build-package/ with
# Debian's compiler and linker flags (hardening included), the demo packs
# with them, packs the .deb with CPack, then checks the desktop entry, the
# AppStream metadata, the manual pages (groff, no warnings) and the package
# (lintian, no errors). Prints the .deb's path as its last line.
#
#   bash scripts/package.sh
#   apt install ./build-package/norvane_1.1_amd64.deb
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build-package"

# shellcheck source=scripts/packages.sh
source "$ROOT/scripts/packages.sh"
install_missing

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads no CPPFLAGS: the preprocessor's flags (_FORTIFY_SOURCE) go with the compiler's.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

echo "package: building in $BUILD"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target norvane norvane-pack norvane-make joinwav norvane-data \
  norvane-demo-packs

rm -f "$BUILD"/norvane_*.deb
(cd "$BUILD" && cpack -G DEB -B "$BUILD" >cpack.log) || { cat "$BUILD/cpack.log" >&2; exit 1; }
debs=("$BUILD"/norvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "package: cpack made no single norvane_*.deb" >&2; exit 1; }
deb=${debs[0]}

echo "package: checking the desktop entry and the AppStream metadata"
desktop-file-validate "$ROOT/packaging/org.norvane.Norvane.desktop"
appstreamcli validate --no-net "$ROOT/packaging/org.norvane.Norvane.metainfo.xml"

echo "package: checking the manual pages"
for page in "$BUILD"/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
  [ -z "$warnings" ] || { echo "package: groff on $page:" >&2; echo "$warnings" >&2; exit 1; }
done

echo "package: lintian"
lintian --fail-on error "$deb"

echo "package: $(du -h "$deb" | cut -f1) $(dpkg-deb -f "$deb" Package Version Architecture | tr '\n' ' ')"
echo "$deb"
