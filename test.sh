#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the suites, the same
# suites built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, and a minute and three quarters of fuzzing of the
# design-record decoder, the spell checker and the writer of pasted HTML.
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

echo "== Fuzzing the design-record decoder, the spell checker and the writer of pasted HTML"
build "$ROOT/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DQUANDREL_FUZZ=ON -DQUANDREL_TESTS=OFF \
  -DQUANDREL_BENCH=OFF -- record_fuzz spell_fuzz html_fuzz
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
# fuzz NAME SECONDS [libFuzzer options...]
fuzz() {
  local name="$1" seconds="$2"
  shift 2
  mkdir -p "$corpus/$name"
  echo "-- $name"
  "$ROOT/build-fuzz/fuzz/$name" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -print_final_stats=1 "$@" "$corpus/$name" 2>&1 |
    grep -E '^(#|stat::number_of_executed_units|Done|==)' | tail -n 3
}
fuzz record_fuzz "${QUANDREL_FUZZ_SECONDS:-60}" -dict="$ROOT/fuzz/records.dict"
# The spelling library makes its settings folder: the run's own, not the user's.
XDG_CONFIG_HOME="$corpus" ASPELL_CONF="home-dir $corpus" \
  fuzz spell_fuzz "${QUANDREL_SPELL_FUZZ_SECONDS:-25}"
fuzz html_fuzz "${QUANDREL_HTML_FUZZ_SECONDS:-20}" -dict="$ROOT/fuzz/html.dict" -max_len=4096
echo "fuzz: 3 passed, 0 failed"
