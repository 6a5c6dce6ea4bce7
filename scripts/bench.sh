#!/usr/bin/env bash
# Builds Larkspan and prints the editor's speed and memory figures beside a bare text widget.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
build_larkspan
QT_QPA_PLATFORM=offscreen "$(dirname "${BASH_SOURCE[0]}")/../build/bench/bench_editor"
