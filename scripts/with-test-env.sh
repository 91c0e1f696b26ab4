#!/usr/bin/env bash
# Runs CMD on a virtual X server of its own with a ready Wine prefix, both
# inside BUILD_DIR, and HOME=BUILD_DIR/home, with a second server of two
# screens beside it for the two-screen suites (ILVORANDE_TWO_SCREENS_DISPLAY);
# ends all it started, also when stopped by a signal; exits with CMD's status.
#   scripts/with-test-env.sh CMD [ARGS...]
set -euo pipefail

if (($# == 0)); then
    echo "usage: $0 CMD [ARGS...]" >&2
    exit 2
fi
# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
start_session "$BUILD_DIR/xstate"
start_two_screens "$BUILD_DIR/xstate-two"
# A server that outlives each program keeps later starts fast (fails, and
# needs not, when one is already running for this prefix).
wine_env wineserver -p 2>/dev/null || true
run_child wine_env "$@"
