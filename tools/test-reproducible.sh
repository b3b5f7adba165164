#!/bin/sh
# Builds the Debian package twice from scratch from this tree, the second time without the
# compiler cache and in another build folder, and compares the two files: they must be one.
# Usage: tools/test-reproducible.sh WORK-FOLDER "TARGETS"
set -eu
work=$1
targets=$2
started=$(date +%s)
rm -rf "$work"
mkdir -p "$work"
for round in first second; do
    tree="$work/$round"
    [ "$round" = second ] && export CCACHE_DISABLE=1
    cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/$round.log"
    # shellcheck disable=SC2086 # the targets are words
    cmake --build "$tree" -j "$(nproc)" --target $targets >>"$work/$round.log"
    (cd "$tree" && cpack -G DEB >>"$work/$round.log")
    mv "$tree"/tonnelix_*.deb "$work/$round.deb"
    echo "$round build: $(sha256sum "$work/$round.deb")"
done
if cmp "$work/first.deb" "$work/second.deb"; then
    echo "reproducible: the two packages are one file ($(($(date +%s) - started)) s)"
else
    for round in first second; do
        mkdir -p "$work/$round.unpacked"
        dpkg-deb -R "$work/$round.deb" "$work/$round.unpacked"
    done
    diff -r "$work/first.unpacked" "$work/second.unpacked" || true
    echo "not reproducible: the packages differ (unpacked in $work)" >&2
    exit 1
fi
