#!/usr/bin/env bash
# Builds the fuzz targets into fuzz/build/, first installing clang and libFuzzer when they are missing.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$here/build"
mkdir -p "$out"

# The compiler: clang++ of any version, else clang++-14.
find_compiler() {
    for candidate in clang++ clang++-14; do
        if command -v "$candidate" >/dev/null 2>&1; then
            echo "$candidate"
            return
        fi
    done
}

# True when the compiler can link a libFuzzer target with the sanitizers.
can_link_fuzzer() {
    local compiler="$1"
    [ -n "$compiler" ] || return 1
    printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
        'extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }' >"$out/probe.cpp"
    "$compiler" -fsanitize=fuzzer,address,undefined "$out/probe.cpp" -o "$out/probe" >/dev/null 2>&1
}

compiler="$(find_compiler)"
if ! command -v make >/dev/null 2>&1 || ! can_link_fuzzer "$compiler"; then
    echo "Installing clang-14, libFuzzer and make"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends clang-14 libclang-rt-14-dev make </dev/null
    compiler="$(find_compiler)"
    can_link_fuzzer "$compiler" || { echo "cannot link a libFuzzer target with $compiler" >&2; exit 1; }
fi
rm -f "$out/probe.cpp" "$out/probe"

make -s -C "$here" -j "${ORLEM_JOBS:-2}" CXX="$compiler" OUT="$out"
