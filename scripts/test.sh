#!/usr/bin/env bash
# Builds Larkspan and runs every test, offscreen; exits non-zero when any test fails.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_larkspan
cd "$(dirname "${BASH_SOURCE[0]}")/../build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
