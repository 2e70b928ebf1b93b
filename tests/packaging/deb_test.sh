#!/usr/bin/env bash
# Builds the Debian package from the build, checks its control fields, unpacks it into a
# scratch root (no root rights needed) and checks its file list and that its program runs.
# Usage: deb_test.sh CPACK BUILD_DIR TEST_DIR
set -euo pipefail
cpack=$1 build=$2 tests=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" ||
    { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$scratch"/out/chalkface_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no chalkface_*.deb"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = chalkface ] || fail "the package is not called chalkface"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "the package is not in section education"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 fonts-wine fonts-liberation2; do
    [[ ", $depends," =~ ,\ $package[\ ,] ]] || fail "the package does not depend on $package: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root"
(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) >"$scratch/files.txt"
sed 's|^|usr/|' "$tests/installed-files.txt" | diff -u - "$scratch/files.txt" ||
    fail "the package's files differ from the list"
programs=$(cd "$root" && find . -type f -perm -u+x | LC_ALL=C sort | tr '\n' ' ')
[ "$programs" = "./usr/bin/chalkface ./usr/bin/chalkface-sheet " ] || fail "executable files: $programs"

mkdir "$scratch/elsewhere"
cd "$scratch/elsewhere"
"$root/usr/bin/chalkface" --version >/dev/null || fail "the unpacked chalkface does not start"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/chalkface" 2>"$scratch/chalkface.err" || status=$?
[ "$status" -eq 124 ] || { cat "$scratch/chalkface.err" >&2; fail "the unpacked chalkface ended with $status"; }
echo "deb: $(basename "$deb") holds $(wc -l <"$scratch/files.txt") files"
