#!/usr/bin/env bash
# Builds Larkspan and prints the editor's speed and memory figures beside a bare QPlainTextEdit,
# each measured in a process of its own; the median of three runs.
# LARKSPAN_BENCH, when set, is the command that runs the benchmark (scripts/windows/bench.sh).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
if [ -n "${LARKSPAN_BENCH:-}" ]; then
    read -ra bench <<<"$LARKSPAN_BENCH"
else
    ensure_packages "${BUILD_PACKAGES[@]}"
    build_larkspan
    bench=("$(dirname "${BASH_SOURCE[0]}")/../build/bench/bench_editor")
    export QT_QPA_PLATFORM=offscreen
fi

# The median of each column over the runs given on standard input.
median() {
    local runs
    runs="$(cat)"
    local count=$(wc -l <<<"$runs") columns=$(head -1 <<<"$runs" | wc -w)
    for ((i = 1; i <= columns; ++i)); do
        cut -d' ' -f$i <<<"$runs" | sort -g | sed -n "$(((count + 1) / 2))p"
    done | paste -sd' '
}

measure() { # widget bytes
    for ((run = 0; run < 3; ++run)); do "${bench[@]}" "$1" "$2" || exit 1; done | median
}

printf '%-6s %-9s %10s %10s %10s %10s %12s %10s\n' size editor "open ms" "+MB peak" \
    "key us" "selAll ms" "selAll+Del" "save ms"
for size in 10000 1000000 10000000 100000000; do
    ours=($(measure larkspan $size))
    bare=($(measure bare $size))
    label=$(numfmt --to=si "$size")B
    printf '%-6s %-9s %10s %10s %10s %10s %12s %10s\n' "$label" larkspan "${ours[@]}"
    printf '%-6s %-9s %10s %10s %10s %10s %12s %10s\n' "" bare "${bare[@]}"
    printf '%-6s %-9s' "" ratio
    for i in 0 1 2 3 4 5; do
        awk -v a="${ours[i]}" -v b="${bare[i]}" 'BEGIN { printf " %10.2f", (b > 0 ? a / b : 0) }'
        [[ $i == 3 ]] && printf '  '
    done
    echo
done

# The undo history stays within its budget whatever is pasted and deleted.
printf '\n%-6s %12s %12s\n' cycles "history MB" "process MB"
"${bench[@]}" history 300 | while read -r cycle history process; do
    printf '%-6s %12s %12s\n' "$cycle" "$history" "$process"
done
