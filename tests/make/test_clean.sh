#!/usr/bin/env bash
# make clean refuses a build folder that is or holds the checkout, and still
# deletes an ordinary one. Tried on a copy of the Makefile, never on the checkout.
#   test_clean.sh SOURCE_DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/checkout/build" && cp "$1/Makefile" "$work/checkout/"
make -s -C "$work/checkout" clean BUILD=. 2>/dev/null && exit 1
make -s -C "$work/checkout" clean BUILD=.. 2>/dev/null && exit 1
make -s -C "$work/checkout" clean BUILD=build >/dev/null
[[ -f $work/checkout/Makefile && ! -e $work/checkout/build ]]
