#!/usr/bin/env bash
# Sets everything up and runs the whole test suite through CTest.
#   ./test.sh            normal build in build/
#   ./test.sh sanitize   AddressSanitizer + UndefinedBehaviorSanitizer in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-normal}
case "$mode" in
    normal) dir=build; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTF_SANITIZE=OFF) ;;
    sanitize)
        dir=build-sanitize; flags=(-DCMAKE_BUILD_TYPE=Debug -DTF_SANITIZE=ON)
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp
        ;;
    *) echo "usage: ./test.sh [sanitize]" >&2; exit 2 ;;
esac

tools/setup.sh "$dir" "${flags[@]}"
export QT_QPA_PLATFORM=offscreen
cd "$dir"
ctest --output-on-failure --parallel "$(nproc)"
