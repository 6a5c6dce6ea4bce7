#!/usr/bin/env bash
# Builds Larkspan and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
build_larkspan
exec "$(dirname "${BASH_SOURCE[0]}")/../build/src/app/larkspan" "$@"
