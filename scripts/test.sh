#!/usr/bin/env bash
# Every test through CTest: the unit tests and the fuzz run natively, then the
# end-to-end tests under Wine on a virtual display of their own. Exits non-zero
# on any failure, after running all three.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$here/.." && pwd)/build
status=0

ctest --test-dir "$build/native" --output-on-failure || status=1
ctest --test-dir "$build/fuzz" --output-on-failure || status=1
"$here/with-test-env.sh" ctest --test-dir "$build/windows" --output-on-failure || status=1

if ((status == 0)); then echo "All test suites passed."; else echo "Some tests FAILED."; fi
exit "$status"
