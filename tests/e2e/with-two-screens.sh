#!/usr/bin/env bash
# with-two-screens.sh CMD...: CMD on the two-screen display, in a prefix of its own; else 77.
set -euo pipefail
if [[ -z ${ILVORANDE_TWO_SCREENS_DISPLAY:-} ]]; then
    echo "with-two-screens.sh: no two-screen display (scripts/with-test-env.sh starts one)" >&2
    exit 77
fi
export DISPLAY=$ILVORANDE_TWO_SCREENS_DISPLAY
# shellcheck source=tests/e2e/prefix-copy.sh
source "$(dirname "${BASH_SOURCE[0]}")/prefix-copy.sh"
copy_prefix two-screens
"$@"
