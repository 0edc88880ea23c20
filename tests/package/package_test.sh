#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks what it holds and
# what it needs, installs it into an empty root with dpkg --root and runs the
# installed program from there: package_test.sh BUILD_DIR VERSION.
# Exits 77 (skipped) when the packaging tools are missing.
set -uo pipefail
build=$1 version=$2
id=io.github.fernoa2.fernoa2
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup installs dpkg-dev)"; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/fernoa2-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/out/fernoa2_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { cat "$work/cpack.log"; echo "FAIL: no package made"; exit 1; }
echo "made $(basename "$deb")"

# What the package holds.
dpkg-deb -c "$deb" >"$work/list"
files=$(awk '$1 !~ /^d/ {print $6}' "$work/list")
for f in ./usr/bin/fernoa2 ./usr/share/fernoa2/データ.TXT ./usr/share/fernoa2/漢字辞書.TXT \
         ./usr/share/fernoa2/熟語辞書.TXT ./usr/share/fernoa2/合体設定.txt ./usr/share/fernoa2/FernoaHelp/index.html \
         ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/icons/hicolor/48x48/apps/$id.png \
         ./usr/share/icons/hicolor/128x128/apps/$id.png ./usr/share/icons/hicolor/256x256/apps/$id.png \
         ./usr/share/man/man1/fernoa2.1.gz ./usr/share/doc/fernoa2/copyright; do
  grep -qxF -- "$f" <<<"$files" || fail "the package lacks $f"
done
# Only the program's own files: no test, benchmark or build tool.
others=$(grep -vE '^\./usr/(bin/fernoa2|share/(fernoa2|applications|metainfo|icons/hicolor|man/man1|doc/fernoa2)/)' <<<"$files")
[ -z "$others" ] || fail "the package holds files it should not: $others"
bad=$(awk '$2 != "root/root" || $1 ~ /^.{8}w/ {print}' "$work/list")
[ -z "$bad" ] || fail "files not owned by root or writable by anyone: $bad"

# Its control fields: the version of the project, the libraries the binary
# links found by dpkg-shlibdeps, and Qt's window system plugin.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version), not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6svg6 qt6-qpa-plugins; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

# Installed into an empty root.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg --root="$root" --force-not-root --force-depends --log=/dev/null -i "$deb" >"$work/dpkg.log" 2>&1 ||
  { cat "$work/dpkg.log"; fail "dpkg --root -i"; }
program=$root/usr/bin/fernoa2
for size in 48 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  wh=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$wh" = "${size}x$size" ] || fail "the ${size}x$size icon is $wh"
done

noDisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
out=$("${noDisplay[@]}" "$program" --version 2>&1) || fail "the installed fernoa2 --version failed: $out"
[ "$out" = "fernoa2 $version" ] || fail "the installed fernoa2 --version says '$out'"

data=$work/data
mkdir -p "$data"
printf '"2026/01/05","09:05:03","\x8d\x87\x91\xcc",12,"n",\r\n' >"$data/データ.TXT"
out=$(cd "$work" && "${noDisplay[@]}" "$program" --data-dir "$data" --export-log - 2>&1)
expected=$(printf 'date,time,game,seconds,note,diary,damaged\r\n2026-01-05,09:05:03,合体,12,,n,false\r')
[ "$out" = "$expected" ] || fail "the installed fernoa2 --export-log - wrote: $out"

# The installed program seeds a new data folder from the data set beside it
# (marked, so that no other copy of the data set can pass for it).
printf 'mark\r\n' >>"$root/usr/share/fernoa2/漢字辞書.TXT"
fresh=$work/fresh
QT_QPA_PLATFORM=offscreen "$program" --data-dir "$fresh" >"$work/run.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
  [ -f "$fresh/fernoa2.lock" ] && break
  sleep 0.2
done
kill $pid 2>/dev/null; wait $pid 2>/dev/null
cmp -s "$fresh/漢字辞書.TXT" "$root/usr/share/fernoa2/漢字辞書.TXT" ||
  { cat "$work/run.log"; fail "the installed program did not seed $fresh from its data set"; }

[ $failed -eq 0 ] && echo "ok: the package installs and runs"
exit $failed
