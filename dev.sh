#!/usr/bin/env bash
# Installs what the project needs from Debian's packages, builds it, and starts or tests it.
#   ./dev.sh start   build and start the programmer
#   ./dev.sh test    check the formatting, then build and run every test: a warnings-as-errors
#                    build, the core alone without Qt, the same tests under AddressSanitizer
#                    and UndefinedBehaviorSanitizer, then the fuzzers
#   ./dev.sh bench   build with optimisation and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

install_packages() {
    local missing=()
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done < debian-packages.txt
    ((${#missing[@]})) || return 0
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# configure DIR [cmake options...]
configure() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

run_tests() {
    local dir=$1
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" -j "$jobs" --output-on-failure \
        --timeout 300
}

check_format() {
    echo "== clang-format"
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror
}

run_fuzzers() {
    local dir=$1 seconds=$2
    for fuzzer in "$dir"/fuzz/*-fuzzer; do
        local name corpus work
        name=$(basename "$fuzzer" -fuzzer)
        corpus="fuzz/corpus/$name"
        work=$(mktemp -d)
        echo "== fuzzing $name for ${seconds}s"
        "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -close_fd_mask=3 \
            "$work" "$corpus" 2>&1 | tail -n 12
        rm -rf "$work"
    done
}

case "${1:-}" in
start)
    install_packages
    configure build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLT_TESTS=OFF -DZOLT_BENCH=OFF
    if [[ -x build/release/zolt-programmer ]]; then
        exec build/release/zolt-programmer "${@:2}"
    fi
    exec build/release/zoltctl --help
    ;;
test)
    install_packages
    check_format
    configure build/werror -DCMAKE_BUILD_TYPE=Debug -DZOLT_WERROR=ON
    run_tests build/werror
    # The core, zoltctl, zolt-sim, their tests and the fuzzers must build where Qt is absent.
    configure build/core -DCMAKE_BUILD_TYPE=Debug -DZOLT_WERROR=ON -DZOLT_GUI=OFF \
        -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DZOLT_FUZZ=ON -DZOLT_BENCH=OFF \
        -DCMAKE_CXX_COMPILER=clang++-14
    run_tests build/core
    configure build/sanitize -DCMAKE_BUILD_TYPE=Debug -DZOLT_WERROR=ON -DZOLT_SANITIZE=ON \
        -DZOLT_FUZZ=ON -DZOLT_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++-14
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_tests build/sanitize
    run_fuzzers build/sanitize "${FUZZ_SECONDS:-60}"
    ;;
bench)
    install_packages
    configure build/bench -DCMAKE_BUILD_TYPE=Release -DZOLT_TESTS=OFF
    for b in build/bench/bench/*-bench; do "$b"; done
    ;;
*)
    sed -n '2,7p' "$0"
    exit 64
    ;;
esac
