#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/fuzz_<name>.cpp) with clang into build-fuzz/ and runs each
# for a number of inputs, on one core at low priority.
#
#   ./scripts/fuzz.sh [RUNS] [NAME...]   RUNS inputs per target (default 10000000) for every
#                                        target or the named ones (parse, mask, wire, ...); the
#                                        corpus grows in build-fuzz/corpus/<name>, seeded from
#                                        fuzz/corpus/<name>; a finding is written to
#                                        build-fuzz/findings/<name>/.
#   ./scripts/fuzz.sh --smoke [RUNS]     the short run of the tests: RUNS (default 20000) inputs
#                                        per target from the kept corpus only, fixed seed.
#
# Ends with a non-zero status when a target broke an invariant or crashed.
set -euo pipefail
cd "$(dirname "$0")/.."

smoke=0
if [ "${1:-}" = "--smoke" ]; then
  smoke=1
  shift
fi
runs="${1:-}"
[ $# -gt 0 ] && shift
[ -n "$runs" ] || runs=$([ $smoke = 1 ] && echo 20000 || echo 10000000)

bash scripts/deps.sh
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVOLO_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
nice -n 10 cmake --build build-fuzz -j "${FUZZ_BUILD_JOBS:-$(nproc)}" --target fuzzers

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for src in fuzz/fuzz_*.cpp; do
    name=$(basename "$src" .cpp)
    names+=("${name#fuzz_}")
  done
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
mkdir -p build-fuzz/logs
status=0
for name in "${names[@]}"; do
  seeds="fuzz/corpus/$name"
  findings="build-fuzz/findings/$name"
  log="build-fuzz/logs/$name.log"
  mkdir -p "$findings"
  if [ $smoke = 1 ]; then
    work=$(mktemp -d)
    options=(-seed=1)
  else
    work="build-fuzz/corpus/$name"
    mkdir -p "$work"
    options=()
  fi
  # The first folder receives new inputs; the kept seeds are only read.
  if nice -n 10 "build-fuzz/fuzz/fuzz_$name" -runs="$runs" -max_len=512 -timeout=60 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" "${options[@]}" \
      "$work" "$seeds" >"$log" 2>&1; then
    inputs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $name: ${inputs:-?} inputs, no finding"
  else
    status=1
    echo "fuzz $name: FINDING (see $log and $findings/)"
    grep -E 'invariant broken|ERROR|runtime error|input \(' "$log" | head -5 || true
  fi
  [ $smoke = 1 ] && rm -rf "$work"
done
exit $status
