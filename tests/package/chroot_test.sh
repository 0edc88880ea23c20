#!/usr/bin/env bash
# Installs the Debian package into a freshly made Debian root, with apt
# resolving its dependencies from the archive as a user's machine would, and
# runs the program there: chroot_test.sh BUILD_DIR VERSION. Needs root,
# debootstrap and the Debian archive; exits 77 (skipped) without them. Takes
# a few minutes, so ./test leaves it out: ctest --test-dir build -L chroot.
set -uo pipefail
build=$1 version=$2
[ "$(id -u)" -eq 0 ] || { echo "SKIP: making a root and entering it needs root"; exit 77; }
for tool in debootstrap chroot cpack; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed (apt-get install debootstrap)"; exit 77; }
done
mirror=$(grep -hoE '^URIs: *http[^ ]*/debian$' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1 | awk '{print $2}')
mirror=${mirror:-http://deb.debian.org/debian}
work=$(mktemp -d /var/tmp/fernoa2-root.XXXXXX)
trap 'rm -rf --one-file-system "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/out/fernoa2_*.deb | head -1)

root=$work/root
mkdir -p "$build/debootstrap-cache"
if ! debootstrap --variant=minbase --cache-dir="$build/debootstrap-cache" bookworm "$root" "$mirror" \
     >"$work/debootstrap.log" 2>&1; then
  tail -5 "$work/debootstrap.log"
  echo "SKIP: debootstrap could not make a root from $mirror"
  exit 77
fi
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null
cp "$deb" "$root/tmp/fernoa2.deb"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_root apt-get update -qq >"$work/apt.log" 2>&1 &&
  DEBIAN_FRONTEND=noninteractive in_root apt-get install -y -qq --no-install-recommends /tmp/fernoa2.deb \
    >>"$work/apt.log" 2>&1 || { tail -20 "$work/apt.log"; fail "apt-get install of the package"; }

out=$(in_root fernoa2 --version 2>&1)
[ "$out" = "fernoa2 $version" ] || fail "fernoa2 --version in the new root says '$out'"
missing=$(in_root ldd /usr/bin/fernoa2 | grep 'not found')
[ -z "$missing" ] || fail "libraries not found: $missing"
mkdir -p "$root/tmp/data"
printf '"2026/01/05","09:05:03","\x8d\x87\x91\xcc",12,"n",\r\n' >"$root/tmp/data/データ.TXT"
out=$(in_root fernoa2 --data-dir /tmp/data --export-log - 2>&1)
expected=$(printf 'date,time,game,seconds,note,diary,damaged\r\n2026-01-05,09:05:03,合体,12,,n,false\r')
[ "$out" = "$expected" ] || fail "fernoa2 --export-log - in the new root wrote: $out"
# The window starts on Qt's offscreen platform and seeds a new data folder.
in_root env QT_QPA_PLATFORM=offscreen HOME=/tmp/home fernoa2 >"$work/run.log" 2>&1 &
pid=$!
for _ in $(seq 150); do
  [ -f "$root/tmp/home/.local/share/fernoa2/fernoa2.lock" ] && break
  sleep 0.2
done
sleep 1
kill $pid 2>/dev/null; wait $pid 2>/dev/null
cmp -s "$root/tmp/home/.local/share/fernoa2/漢字辞書.TXT" "$root/usr/share/fernoa2/漢字辞書.TXT" ||
  { cat "$work/run.log"; fail "the program did not seed ~/.local/share/fernoa2 in the new root"; }

[ $failed -eq 0 ] && echo "ok: installed and ran in a fresh Debian root"
exit $failed
