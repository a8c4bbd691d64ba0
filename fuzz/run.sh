#!/usr/bin/env bash
# Builds the fuzz targets and runs each for SECONDS (default 60) from its seed corpus; fails on any finding.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
seconds="${1:-60}"
out="$here/build"

"$here/build.sh"

status=0
for target in dispatch position; do
    # The fuzzer writes new inputs into a scratch copy, so the seeds in the repository stay as they are.
    corpus="$out/corpus/$target"
    mkdir -p "$corpus" "$out/artifacts" "$out/logs"
    cp -n "$here/corpus/$target"/* "$corpus"/
    log="$out/logs/$target.log"
    echo "== $target: ${seconds}s"
    if "$out/${target}_fuzz" "$corpus" -dict="$here/$target.dict" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$out/artifacts/$target-" </dev/null >"$log" 2>&1; then
        grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" || true
    else
        status=1
        echo "!! $target found a failure (log: $log):"
        grep -E -A30 'ERROR: |fuzz check failed|runtime error|Test unit written' "$log" | head -60 || tail -40 "$log"
    fi
done
exit "$status"
