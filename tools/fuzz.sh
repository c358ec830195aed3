#!/usr/bin/env bash
# The long fuzz campaign: builds the fuzz preset, then runs the targets of tests/fuzz (all, or
# the ones named) one after another for SECONDS each (default 600), from their seeds and from what
# earlier campaigns found (build/fuzz/campaign/<Name>/). Findings are written to
# build/fuzz/findings/; the table at the end, also in build/fuzz/campaign/summary.txt, gives each
# target's runs and executions per second. Extra libFuzzer flags go in FUZZ_FLAGS, for example
# FUZZ_FLAGS=-runs=10000000 to stop a target at ten million runs. Exits with 1 after a finding.
#
#   tools/fuzz.sh [SECONDS] [NAME...]
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
seconds=${1:-600}
shift || true
tools/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

# Lighter bookkeeping for long runs on a small shared machine: a smaller quarantine of freed
# memory (a use after free is still caught within the last 16 MB freed), shorter allocation
# stacks in reports, and new memory left unfilled.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=5:max_malloc_fill_size=0}

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for source in tests/fuzz/*Fuzz.cpp; do
    names+=("$(basename "$source" Fuzz.cpp)")
  done
fi
programs=build/fuzz/tests/fuzz
campaign=build/fuzz/campaign
findings=build/fuzz/findings
mkdir -p "$campaign" "$findings"
summary=$campaign/summary.txt
printf '%-16s %12s %9s %8s  %s\n' target runs exec/s seconds result | tee "$summary"
failed=0
for name in "${names[@]}"; do
  mkdir -p "$campaign/$name"
  log=$campaign/$name.log
  result=clean
  # Inputs up to 1 KiB: the rules take paths, names and short texts, which the system keeps
  # under 260 bytes or a little more; longer inputs only slow each run. A target's own flags
  # (tests/fuzz/<Name>Fuzz.flags) come later and override.
  flags=(-max_len=1024)
  if [ -f "tests/fuzz/${name}Fuzz.flags" ]; then
    read -ra own <<<"$(grep -v '^#' "tests/fuzz/${name}Fuzz.flags" | tr '\n' ' ')"
    flags+=("${own[@]}")
  fi
  # shellcheck disable=SC2086 # FUZZ_FLAGS holds several flags
  if ! "$programs/${name}Fuzz" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      "${flags[@]}" -artifact_prefix="$findings/$name-" ${FUZZ_FLAGS:-} "$campaign/$name" \
      "tests/fuzz/corpus/$name" >"$log" 2>&1; then
    result="FINDING, see $log"
    failed=1
  fi
  # The final statistics, or after a finding the last status line.
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  if [ -z "$runs" ]; then
    runs=$(grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#')
    rate=$(grep -o 'exec/s: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  fi
  time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
  printf '%-16s %12s %9s %8s  %s\n' "$name" "${runs:-?}" "${rate:-?}" "${time:-?}" "$result" |
    tee -a "$summary"
done
exit $failed
