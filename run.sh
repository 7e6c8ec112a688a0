#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quandrel.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
build "$ROOT/build" -DQUANDREL_TESTS=OFF -DQUANDREL_BENCH=OFF
exec "$ROOT/build/quandrel"
