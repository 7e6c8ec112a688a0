#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the suites, the same
# suites built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, and a minute of fuzzing of the design-record decoder.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

echo "== Tests"
build "$ROOT/build" -DQUANDREL_TESTS=ON -DQUANDREL_BENCH=ON -DQUANDREL_SANITIZE=OFF
ctest --test-dir "$ROOT/build" --output-on-failure -j "$(nproc)"

echo "== Tests under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
build "$ROOT/build-asan" -DQUANDREL_TESTS=ON -DQUANDREL_BENCH=OFF -DQUANDREL_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0" \
  ctest --test-dir "$ROOT/build-asan" --output-on-failure -j "$(nproc)" -E 'EndToEnd'

echo "== Fuzzing the design-record decoder"
build "$ROOT/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DQUANDREL_FUZZ=ON -DQUANDREL_TESTS=OFF \
  -DQUANDREL_BENCH=OFF -- record_fuzz
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
"$ROOT/build-fuzz/fuzz/record_fuzz" -max_total_time="${QUANDREL_FUZZ_SECONDS:-60}" \
  -dict="$ROOT/fuzz/records.dict" -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>&1 |
  grep -E '^(#|stat::number_of_executed_units|Done|==)' | tail -n 3
echo "fuzz: 1 passed, 0 failed"
