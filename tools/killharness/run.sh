#!/usr/bin/env bash
# Kills the play store with SIGKILL at random moments, during appends and
# during rewrites of a 32,766-record log, and counts what each kill left.
#   tools/killharness/run.sh [trials per mode, default 200]
# Needs a build with the benchmarks (build/tools/killharness/kill_harness,
# build/bench/make_record_file); BUILD_DIR chooses another build folder.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build}
harness=$build/tools/killharness/kill_harness
trials=${1:-200}
work=$(mktemp -d /tmp/fernoa2-kill-XXXXXX)
trap 'rm -rf "$work"' EXIT
"$build/bench/make_record_file" 32766 > "$work/seed.txt"

for mode in append rewrite; do
  intact=0 torn=0 damaged=0 lost=0 stale=0
  for ((i = 1; i <= trials; i++)); do
    dir=$work/t
    rm -rf "$dir"; mkdir "$dir"
    cp "$work/seed.txt" "$dir/データ.TXT"
    : > "$dir/合体履歴.txt"
    "$harness" "$mode" "$dir" > "$work/acked" &
    pid=$!
    # Random moments from a few to a few hundred milliseconds in.
    sleep "0.$(printf '%03d' $((RANDOM % 400 + 5)))"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    last=$(tail -n 1 "$work/acked" 2>/dev/null || true)
    result=$("$harness" check "$mode" "$dir" "${last:-0}" "$work/seed.txt")
    case $result in
      intact*) intact=$((intact + 1)) ;;
      torn*) torn=$((torn + 1)); echo "$mode trial $i: $result" ;;
      damaged*) damaged=$((damaged + 1)); echo "$mode trial $i: $result" ;;
      lost*) lost=$((lost + 1)); echo "$mode trial $i: $result" ;;
    esac
    [[ $result == *stale* ]] && stale=$((stale + 1))
  done
  echo "$mode: $trials kills, $intact intact, $torn with the unstored play cut, $damaged damaged, $lost lost," \
    "$stale stale temporaries removed"
done
