#!/usr/bin/env bash
# run_fuzz.sh FUZZER MKDEMO CORPUS SECONDS: runs the load fuzzer on CORPUS, seeded with generated
# PCG files, for SECONDS (0: until stopped). Crash inputs land in CORPUS/../artifacts. With
# FUZZ_FRESH_CORPUS=1 the corpus starts empty and the seeds are made anew (the test run: its
# ~10 MB inputs add up, and the seeds follow the generator).
set -euo pipefail
fuzzer="$1" mkdemo="$2" corpus="$3" seconds="$4"
if [ ! -x "$fuzzer" ]; then
  echo "fuzzer not built: $fuzzer (scripts/test builds it with clang)"
  exit 77
fi
seeds="$corpus/../seeds"
artifacts="$corpus/../artifacts"
[ "${FUZZ_FRESH_CORPUS:-0}" = 1 ] && rm -rf "$corpus" "$seeds"
mkdir -p "$corpus" "$seeds" "$artifacts"
# A valid file with and without directory and a refused one: the fuzzer starts from both sides
# of the load's checks. Few, since every run of a whole file takes a while under the sanitizers.
for variant in valid sbk-twice; do
  [ -f "$seeds/$variant.pcg" ] || "$mkdemo" "$seeds/$variant.pcg" --size-mb 0 --variant "$variant"
done
[ -f "$seeds/no-sdb.pcg" ] || "$mkdemo" "$seeds/no-sdb.pcg" --size-mb 0 --no-sdb --seed 5
# Inputs are whole PCG files of about 10 MB: room for them, and for a corpus of them. libFuzzer
# keeps its corpus in memory; counting loop rounds as coverage would add a 10 MB input for every
# new number of slots of some kind, so only new edges count.
exec "$fuzzer" -max_len=12582912 -rss_limit_mb=4096 -use_counters=0 -timeout=120 \
  -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/" \
  "$corpus" "$seeds"
