#!/usr/bin/env bash
# Builds the line-parser fuzzer with clang and runs it for 15 seconds.
# Exits 77 (skipped) where clang or its libFuzzer runtime is missing.
set -u
src="$1"; out="$2"
command -v clang++ >/dev/null 2>&1 || { echo "clang++ not found: fuzzing skipped"; exit 77; }
if ! clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -I"$src" \
     "$src/tests/unit/fuzz_parse_line.cpp" "$src/stats/stats_rules.cpp" -o "$out/fuzz_parse_line" 2>"$out/fuzz_build.log"; then
  echo "clang cannot build a libFuzzer target here: fuzzing skipped"; cat "$out/fuzz_build.log"; exit 77
fi
mkdir -p "$out/fuzz_corpus"
exec "$out/fuzz_parse_line" -max_total_time=15 -max_len=4096 "$out/fuzz_corpus"
