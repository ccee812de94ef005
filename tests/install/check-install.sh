#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a shop's PC gets the three
# programs, the desktop entry with its icon, and the manual page.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

fail=0
need() {
    if [ ! -e "$prefix/$1" ]; then
        echo "missing from the install tree: $1"
        fail=1
    fi
}
for program in tarnlink tarnlink-cli tarnlink-scale; do
    need "bin/$program"
    [ -x "$prefix/bin/$program" ] || { echo "not executable: bin/$program"; fail=1; }
done
need share/applications/tarnlink.desktop
need share/icons/hicolor/256x256/apps/tarnlink.png
need share/icons/hicolor/scalable/apps/tarnlink.svg
need share/man/man1/tarnlink-cli.1

desktop="$prefix/share/applications/tarnlink.desktop"
if [ -e "$desktop" ]; then
    grep -qx 'Exec=tarnlink' "$desktop" || { echo "desktop entry does not start tarnlink"; fail=1; }
    grep -qx 'Icon=tarnlink' "$desktop" || { echo "desktop entry has no tarnlink icon"; fail=1; }
fi
# The installed command-line programs run and explain themselves.
cli_help=$("$prefix/bin/tarnlink-cli" --help) || { echo "tarnlink-cli --help failed"; fail=1; }
grep -q 'download' <<<"$cli_help" || { echo "tarnlink-cli --help names no download"; fail=1; }
scale_help=$("$prefix/bin/tarnlink-scale" --help) || { echo "tarnlink-scale --help failed"; fail=1; }
grep -q -- '--fault' <<<"$scale_help" || { echo "tarnlink-scale --help names no faults"; fail=1; }
exit $fail
