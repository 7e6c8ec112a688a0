#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build "$ROOT/build" -DQUANDREL_TESTS=ON -DQUANDREL_BENCH=ON
ctest --test-dir "$ROOT/build" --output-on-failure -j "$(nproc)"
