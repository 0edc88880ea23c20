#!/usr/bin/env bash
# Kills the dictionary window with SIGKILL at random moments while it
# registers, changes and deletes kanji entries of the shipped dictionary, and
# counts what each kill left.
#   tools/killharness/dictionary.sh [trials, default 200]
# Needs a build with the benchmarks (build/tools/killharness/
# dictionary_kill_harness); BUILD_DIR chooses another build folder.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build}
harness=$build/tools/killharness/dictionary_kill_harness
trials=${1:-200}
work=$(mktemp -d /tmp/fernoa2-dictkill-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/seed"
cp data/漢字辞書.TXT data/熟語辞書.TXT "$work/seed/"

intact=0 damaged=0 lost=0 stale=0 edits=0
for ((i = 1; i <= trials; i++)); do
  dir=$work/t
  rm -rf "$dir"; mkdir "$dir"
  cp "$work/seed/"* "$dir/"
  "$harness" edit "$dir" > "$work/acked" &
  pid=$!
  # The window takes a moment to open; the kills fall among the edits after it.
  sleep "0.$(printf '%03d' $((RANDOM % 700 + 100)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  last=$(tail -n 1 "$work/acked" 2>/dev/null || true)
  edits=$((edits + ${last:-0}))
  result=$("$harness" check "$dir" "${last:-0}" "$work/seed")
  case $result in
    intact*) intact=$((intact + 1)) ;;
    damaged*) damaged=$((damaged + 1)); echo "trial $i: $result" ;;
    lost*) lost=$((lost + 1)); echo "trial $i: $result" ;;
  esac
  [[ $result == *stale* ]] && stale=$((stale + 1))
done
echo "dictionary: $trials kills after $edits edits in all, $intact intact, $damaged damaged, $lost lost," \
  "$stale stale temporaries removed"
