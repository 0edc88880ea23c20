#!/usr/bin/env bash
# Checks the files a software centre and a desktop read, with the tools they
# are checked by: validate.sh desktop|metainfo|manual SOURCE_DIR VERSION.
# Exits 77 (skipped) when the tool is not installed.
set -uo pipefail
what=$1 src=$2 version=$3
id=io.github.fernoa2.fernoa2
desktop=$src/dist/$id.desktop
metainfo=$src/dist/$id.metainfo.xml
failed=0
fail() { echo "FAIL: $*"; failed=1; }
need() { command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed (scripts/setup installs it)"; exit 77; }; }

case $what in
desktop)
  need desktop-file-validate
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
  [ -z "$out" ] || fail "desktop-file-validate says: $out"
  grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
  [ -f "$src/dist/$id.svg" ] || fail "no icon dist/$id.svg"
  grep -qx "Exec=fernoa2" "$desktop" || fail "the desktop entry does not start fernoa2"
  ;;
metainfo)
  need appstreamcli
  # --no-net: the addresses are checked below against the source tree.
  out=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1) || fail "appstreamcli validate failed"
  if grep -Eq '^[EWIP]:' <<<"$out"; then fail "appstreamcli validate --pedantic says: $out"; fi
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
  newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
  [ "$newest" = "$version" ] || fail "the newest release in the metadata is '$newest', the project's version is $version"
  # Each screenshot is a file of this source tree, named by its path.
  shots=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed -E 's#<image>https://[^<]*/main/([^<]*)</image>#\1#')
  [ -n "$shots" ] || fail "no screenshots"
  for shot in $shots; do
    [ -f "$src/$shot" ] || fail "the screenshot $shot is not in the source tree"
  done
  ;;
manual)
  need man
  out=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$src/dist/fernoa2.1" 2>&1 >/dev/null) || fail "man failed"
  [ -z "$out" ] || fail "the manual page has warnings: $out"
  for option in --data-dir --export-log --help --version; do
    grep -q -- "${option//-/\\\\-}" "$src/dist/fernoa2.1" || fail "the manual page does not document $option"
  done
  ;;
*)
  echo "unknown check $what"; exit 2 ;;
esac
[ $failed -eq 0 ] && echo "ok: $what"
exit $failed
