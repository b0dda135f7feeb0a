#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while on the
# committed seeds (60 seconds, or FUZZ_SECONDS). Any crash, sanitizer report,
# leak, input slower than a second or run over 512 MB fails. Skipped, with a
# word, where clang cannot build a fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
root=$(pwd)
build=$root/build/fuzz

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$probe/probe.cpp"
if ! command -v clang++ >/dev/null 2>&1 ||
   ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1; then
  echo "fuzz: skipped, clang++ with libFuzzer is not available"
  exit 0
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DLOOPORA_FUZZ=ON \
  -DLOOPORA_BUILD_APP=OFF -DLOOPORA_BUILD_TESTS=OFF -DLOOPORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target fuzz_chart fuzz_script fuzz_export

# A small quarantine: freed sheets held back by the sanitizer are not the program's memory.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=64
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
pids=()
targets=(chart script export)
for target in "${targets[@]}"; do
  # Charts of up to 2 KB (every chart under 1 KB must open and draw within a
  # second), scripts of up to 4 KB; exported charts share the charts' dictionary.
  maxlen=$([ $target = script ] && echo 4096 || echo 2048)
  dict=$([ $target = script ] && echo script || echo chart)
  # New inputs go to a scratch corpus; the committed seeds are only read.
  scratch="$build/corpus-$target"
  rm -rf "$scratch"
  mkdir -p "$scratch" "$build/artifacts"
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=$maxlen -timeout=1 -rss_limit_mb=512 -print_final_stats=1 \
    -dict="$root/fuzz/$dict.dict" -artifact_prefix="$build/artifacts/$target-" \
    "$scratch" "$root/fuzz/corpus/$target" > "$build/$target.log" 2>&1 &
  pids+=($!)
done
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  if wait "${pids[$i]}"; then
    echo "fuzz_$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/$target.log" | tail -n 1)"
  else
    status=1
    echo "fuzz_$target failed; its log ends:"
    tail -n 40 "$build/$target.log"
  fi
done
exit $status
