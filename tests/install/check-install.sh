#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that a shop's PC gets the three
# programs, the desktop entry with its icon, the manual page and the systemd units.
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
need "lib/systemd/user/tarnlink-prices@.path"
need "lib/systemd/user/tarnlink-prices@.service"

service="$prefix/lib/systemd/user/tarnlink-prices@.service"
if [ -e "$service" ]; then
    grep -q '^ExecStart=tarnlink-cli download plu "%f" --changed \$TARNLINK_PORTS$' "$service" ||
        { echo "the price unit does not run tarnlink-cli download --changed"; fail=1; }
fi
if command -v systemd-analyze >/dev/null; then
    # The units as an operator enables them, for /srv/prices/shop.PLU; only the programs,
    # which are not on this machine's path, may be missing.
    units=$(mktemp -d)
    for kind in path service; do
        cp "$prefix/lib/systemd/user/tarnlink-prices@.$kind" "$units/tarnlink-prices@srv-prices-shop.PLU.$kind"
    done
    problems=$(systemd-analyze verify "$units"/*.path "$units"/*.service 2>&1 |
        grep -v -e 'is not executable' -e "Command 'man " || true)
    # A machine without a running systemd cannot check them.
    grep -q 'Failed to initialize manager' <<<"$problems" && problems=""
    rm -rf "$units"
    [ -z "$problems" ] || { echo "systemd finds fault with the price units: $problems"; fail=1; }
fi

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
