#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks it with lintian,
# unpacks it into a scratch root and checks what a user and a desktop get
# from it: the program runs from its installed place, keeps its data in the
# user's data directory when the program directory is not the user's, finds
# the library's formulas by name from any folder, bash completes them, and
# every desktop file passes its validator.
#   package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build_dir=$2

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" \
  || { cat "$work/cpack.log"; fail "cpack -G DEB"; }
debs=("$work"/out/orvik_*_amd64.deb)
[ -f "${debs[0]}" ] || fail "no orvik_<version>_amd64.deb in $work/out"
deb=${debs[0]}

# What Debian's own checker finds: no error and no warning.
lintian --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 \
  || { cat "$work/lintian.log"; fail "lintian"; }
sed -e '/running with root privileges/d' -e 's/^/lintian: /' "$work/lintian.log"

root=$work/root
dpkg-deb -x "$deb" "$root"
program_dir=$root/usr/lib/orvik
share=$root/usr/share

# Layout: one program directory, reached through the link in bin.
[ "$(readlink "$root/usr/bin/orvik")" = ../lib/orvik/orvik ] || fail "usr/bin/orvik is no link into lib/orvik"
for file in orvik orvik-window vekPrint.dll 计算器.txt; do
  [ -f "$program_dir/$file" ] || fail "missing usr/lib/orvik/$file"
done
for file in applications/orvik.desktop metainfo/io.github.orvik.Orvik.metainfo.xml \
    mime/packages/orvik.xml man/man1/orvik.1.gz icons/hicolor/48x48/apps/orvik.png \
    icons/hicolor/128x128/apps/orvik.png icons/hicolor/scalable/apps/orvik.svg \
    doc/orvik/copyright doc/orvik/changelog.gz bash-completion/completions/orvik; do
  [ -s "$share/$file" ] || fail "missing usr/share/$file"
done

# The installed program directory is not the user's: root's files seen by
# nobody, or the user's own files made read-only.
home=$work/home
mkdir -p "$home"
chmod 755 "$work"
as_user=(env -u ORVIK_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$home"
  PATH="$root/usr/bin:$PATH")
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups "${as_user[@]}")
else
  chmod -R a-w "$program_dir"
fi
user_orvik=("${as_user[@]}" "$root/usr/bin/orvik")
orvik() { "${user_orvik[@]}" "$@"; }

version=$(dpkg-deb -f "$deb" Version)
[ "$(orvik --version | head -n 1)" = "orvik $version" ] || fail "--version does not start with 'orvik $version'"

result=$(orvik --eval "r=(3^2+4^2)^0.5" < /dev/null)
[ "$result" = 5.000000000000 ] || fail "--eval printed '$result'"

# Starting the window makes the user's data directory, with the shipped
# library in it, and leaves the program directory as it was.
before=$(ls -R "$program_dir")
QT_QPA_PLATFORM=offscreen "${user_orvik[@]}" < /dev/null > /dev/null 2>&1 &
window=$!
data=$home/.local/share/orvik
for _ in $(seq 100); do
  [ -f "$data/.shipped-library" ] || { [ -d "$data" ] && [ ! -d "$program_dir/vekf" ]; } && break
  sleep 0.1
done
kill "$window" 2> /dev/null || true
wait "$window" 2> /dev/null || true
[ -d "$data" ] || fail "no data directory $data"
if [ -d "$program_dir/vekf" ]; then
  diff -r "$program_dir/vekf" "$data/vekf" > /dev/null || fail "shipped library not copied to $data/vekf"
fi
[ "$(ls -R "$program_dir")" = "$before" ] || fail "the program wrote into its program directory"

# The library from the console: every shipped formula listed by its name in
# the library, and one of them computed by that name from another folder.
listed=$(orvik --list) || fail "--list failed"
[ "$(wc -l <<< "$listed")" -eq "$(find "$program_dir/vekf" -name '*.tfl' | wc -l)" ] \
  || fail "--list does not name every shipped formula"
gear=齿轮/标准直齿圆柱齿轮几何尺寸.tfl
grep -q -x "$gear" <<< "$listed" || fail "--list does not name $gear"
output=$(cd / && orvik --formula "$gear" m=3 z=25 < /dev/null) || fail "--formula $gear failed"
grep -q -x $'d=m\*z\t=75.000000' <<< "$output" || fail "--formula $gear printed: $output"

# bash completion, as bash calls it for the words typed so far.
complete_words() {
  "${as_user[@]}" bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _orvik
    printf "%s\n" "${COMPREPLY[@]}"' _ "$share/bash-completion/completions/orvik" "$@"
}
complete_words orvik --ver | grep -q -x -- --version || fail "bash does not complete --version"
complete_words orvik --formula 齿轮/标准直 | grep -q -x "$gear" || fail "bash does not complete $gear"
[ "$(complete_words orvik --radix "" | paste -sd' ')" = "B O D H" ] || fail "bash does not complete --radix"

# What a desktop reads.
desktop-file-validate "$share/applications/orvik.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/io.github.orvik.Orvik.metainfo.xml" \
  || fail "appstreamcli validate"
cp -r "$share/mime" "$share/applications" "$work/"
update-mime-database "$work/mime" 2>&1 | grep -i -E "error|warning|invalid" && fail "update-mime-database"
grep -q "application/x-orvik-process:\*\.vek" "$work/mime/globs2" || fail "no *.vek in the MIME globs"
grep -q "application/x-orvik-formula:\*\.tfl" "$work/mime/globs2" || fail "no *.tfl in the MIME globs"
update-desktop-database "$work/applications"
grep -q "^application/x-orvik-process=orvik.desktop" "$work/applications/mimeinfo.cache" \
  || fail "process files do not open with orvik.desktop"
grep -q "^Exec=orvik %f$" "$share/applications/orvik.desktop" || fail "the desktop entry passes no file"
echo "package ok: $(basename "$deb"), $(stat -c %s "$deb") bytes"
