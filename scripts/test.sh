#!/usr/bin/env bash
# Every test through CTest: the unit tests and the fuzz run natively, then the
# end-to-end tests under Wine on a virtual display of their own. Exits non-zero
# on any failure, after running all three.
set -uo pipefail

# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
status=0
run_child ctest --test-dir "$BUILD_DIR/native" --output-on-failure || status=1
run_child ctest --test-dir "$BUILD_DIR/fuzz" --output-on-failure || status=1
run_child "$scripts_dir/with-test-env.sh" ctest --test-dir "$BUILD_DIR/windows" --output-on-failure || status=1

if ((status == 0)); then echo "All test suites passed."; else echo "Some tests FAILED."; fi
exit "$status"
