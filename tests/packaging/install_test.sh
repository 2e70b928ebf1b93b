#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks it as a teacher's machine would meet it:
# the file list, the desktop entry and the software-centre entry, both programs started from
# another folder, and the screens finding every picture in the installed data folder and keeping
# their layout at twice the density.
# Usage: install_test.sh CMAKE BUILD_DIR TEST_DIR SOURCE_DIR INSTALLED_PROGRAM_TEST
set -euo pipefail
cmake=$1 build=$2 tests=$3 source=$4 probe=$5

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) >"$scratch/files.txt"
diff -u "$tests/installed-files.txt" "$scratch/files.txt" || fail "the installed files differ from the list"

desktop=$prefix/share/applications/chalkface.desktop
metainfo=$prefix/share/metainfo/org.example.chalkface.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
grep -qx 'Categories=Education;Math;' "$desktop" || fail "the desktop entry is not under Education and Math"
grep -qx 'Exec=chalkface' "$desktop" || fail "the desktop entry does not start chalkface"
grep -qx 'Icon=chalkface' "$desktop" || fail "the desktop entry names another icon"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
grep -q '<launchable type="desktop-id">chalkface.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch the desktop entry"
# Each screenshot is published from packaging/screenshots/ under the same name.
urls=$(grep -o '<image[^>]*>[^<]*</image>' "$metainfo" | sed 's/<[^>]*>//g')
[ -n "$urls" ] || fail "the metainfo shows no screenshot"
for url in $urls; do
    [[ $url == https://* ]] || fail "screenshot $url is not an https address"
    [ -f "$source/packaging/screenshots/$(basename "$url")" ] || fail "no packaging/screenshots/ file for $url"
done

elsewhere=$scratch/elsewhere
mkdir "$elsewhere"
cd "$elsewhere"
for option in --version --help; do
    out=$("$prefix/bin/chalkface" "$option") || fail "chalkface $option failed"
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || fail "chalkface $option printed more than one line"
done
"$prefix/bin/chalkface-sheet" mappings --count 2 --format text --seed 1 >"$scratch/sheet.txt" ||
    fail "the installed chalkface-sheet failed"
[ -s "$scratch/sheet.txt" ] || fail "the installed chalkface-sheet printed nothing"

# The program itself stays up on its title screen; an error would end it.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/chalkface" 2>"$scratch/chalkface.err" || status=$?
[ "$status" -eq 124 ] || { cat "$scratch/chalkface.err" >&2; fail "the installed chalkface ended with $status"; }

# The screens, from the installed bin/ folder, at both densities, with the same layout at both.
cp "$probe" "$prefix/bin/"
for scale in 1 2; do
    CHALKFACE_LAYOUT_FILE=$scratch/layout$scale.txt QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
        "$prefix/bin/$(basename "$probe")" --gtest_brief=1 || fail "the screens of the install at scale $scale"
done
diff -u "$scratch/layout1.txt" "$scratch/layout2.txt" || fail "the layout at twice the density differs"
echo "install: $(wc -l <"$scratch/files.txt") files checked under $prefix"
