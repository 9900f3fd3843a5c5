#!/bin/sh
# Runs every fuzz target in DIR for a few seconds each; a crash fails the run.
set -eu
dir=$1
seconds=${2:-5}
status=0
for fuzzer in "$dir"/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  work=$(mktemp -d)
  echo "== $name ($seconds s)"
  if ! "$fuzzer" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 \
       -artifact_prefix="$work/" "$work" >"$work/log" 2>&1; then
    tail -n 40 "$work/log"
    status=1
  else
    grep -E '^(#[0-9]+ *DONE|Done )' "$work/log" | tail -n 1 || true
  fi
done
exit $status
