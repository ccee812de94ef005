#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that a shop's PC gets the three
# programs, which answer --help and --version with no display, the desktop entry with its
# icon, the manual pages, the licence and changelog, and the systemd units placed where the
# user's systemd looks for that prefix, running the installed programs, which carry their
# languages.
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
    # No display: --version must not need one.
    version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" \
        --version 2>&1) || { echo "$program --version failed: $version"; fail=1; }
    grep -Eq '^[Tt]arnlink[a-z-]* [0-9]+\.[0-9]+\.[0-9]+' <<<"$version" ||
        { echo "$program --version says: $version"; fail=1; }
    # Each manual page, compressed without a name or a time stamp, and free of groff's warnings.
    page="$prefix/share/man/man1/$program.1.gz"
    need "share/man/man1/$program.1.gz"
    if [ -e "$page" ]; then
        [ "$(od -An -tx1 -j3 -N5 "$page" | tr -d ' ')" = 0000000000 ] ||
            { echo "$program.1.gz keeps a name or a time stamp"; fail=1; }
        if command -v man >/dev/null; then
            warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
            [ -z "$warnings" ] || { echo "man $program: $warnings"; fail=1; }
        fi
    fi
done
# The installed programs carry their languages: German for a German desktop, English for C.
german=$(env LC_ALL= LANGUAGE= LANG=de_DE.UTF-8 "$prefix/bin/tarnlink-cli" frobnicate 2>&1 || true)
english=$(env LC_ALL=C LANGUAGE=de "$prefix/bin/tarnlink-cli" frobnicate 2>&1 || true)
grep -q '^tarnlink-cli: unknown command frobnicate' <<<"$english" ||
    { echo "tarnlink-cli in C says: $english"; fail=1; }
[ "$german" != "$english" ] || { echo "the installed tarnlink-cli speaks no German"; fail=1; }
help_c=$(env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C "$prefix/bin/tarnlink" --help 2>&1 || true)
help_de=$(env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL= LANGUAGE= LANG=de_DE.UTF-8 \
    "$prefix/bin/tarnlink" --help 2>&1 || true)
[ "$help_de" != "$help_c" ] || { echo "the installed tarnlink's help speaks no German"; fail=1; }
need share/applications/tarnlink.desktop
need share/icons/hicolor/256x256/apps/tarnlink.png
need share/icons/hicolor/scalable/apps/tarnlink.svg
for package in tarnlink tarnlink-scale; do
    need "share/doc/$package/copyright"
    need "share/doc/$package/changelog.gz"
done

# Not /usr or /usr/local: the units go where systemd looks under the home's ~/.local.
units="$prefix/share/systemd/user"
need share/systemd/user/tarnlink-prices@.path
need share/systemd/user/tarnlink-prices@.service
need share/systemd/user/tarnlink-compare@.service
need share/systemd/user/tarnlink-compare@.timer
need libexec/tarnlink/tarnlink-prices
service="$units/tarnlink-prices@.service"
if [ -e "$service" ]; then
    grep -qx "ExecStart=$prefix/libexec/tarnlink/tarnlink-prices %i" "$service" ||
        { echo "the price unit does not run the installed tarnlink-prices"; fail=1; }
    grep -qx 'SyslogIdentifier=tarnlink-prices' "$service" ||
        { echo "the price unit logs under no name of its own"; fail=1; }
fi
grep -qsx "ExecStart=$prefix/libexec/tarnlink/tarnlink-prices %i compare" \
    "$units/tarnlink-compare@.service" ||
    { echo "the nightly compare does not run the installed tarnlink-prices"; fail=1; }
script="$prefix/libexec/tarnlink/tarnlink-prices"
if [ -x "$script" ]; then
    grep -qx "cli='$prefix/bin/tarnlink-cli'" "$script" ||
        { echo "tarnlink-prices does not run the installed tarnlink-cli"; fail=1; }
    # A scale that cannot be reached: tried again (at once here), then given up, status 1.
    prices=$(mktemp -d)
    printf '1,"APPLE","RED",100,0,0,0,0,0\r\n' >"$prices/deli.PLU"
    set +e
    said=$(env -u DISPLAY PORTS=/nonexistent/ttyDeli PLU="$prices/deli.PLU" RETRIES=1 \
        RETRY_MINUTES=0 TARNLINK_STORE="$prices/scales.sqlite" "$script" deli 2>&1)
    status=$?
    set -e
    rm -rf "$prices"
    [ "$status" = 1 ] || { echo "tarnlink-prices gave up with status $status: $said"; fail=1; }
    [ "$(grep -c 'ERROR! cannot open /nonexistent/ttyDeli' <<<"$said")" = 2 ] ||
        { echo "tarnlink-prices did not try twice: $said"; fail=1; }
    grep -q '^prices-deli: giving up: plu not sent' <<<"$said" ||
        { echo "tarnlink-prices did not say it gave up: $said"; fail=1; }
fi
if command -v systemd-analyze >/dev/null; then
    # The units as an operator enables them for the job "deli", checked by the user's systemd
    # (a runtime folder of their own stands in for a logged-in user's), the installed manual
    # page answering their Documentation=.
    check=$(mktemp -d)
    mkdir "$check/units" "$check/runtime"
    for unit in prices@.path prices@.service compare@.service compare@.timer; do
        cp "$units/tarnlink-$unit" "$check/units/tarnlink-${unit/@/@deli}"
    done
    problems=$(MANPATH="$prefix/share/man" XDG_RUNTIME_DIR="$check/runtime" \
        systemd-analyze --user verify "$check"/units/* 2>&1) || true
    rm -rf "$check"
    [ -z "$problems" ] || { echo "systemd finds fault with the price units: $problems"; fail=1; }
fi

desktop="$prefix/share/applications/tarnlink.desktop"
if [ -e "$desktop" ]; then
    grep -qx 'Exec=tarnlink' "$desktop" || { echo "desktop entry does not start tarnlink"; fail=1; }
    grep -qx 'Icon=tarnlink' "$desktop" || { echo "desktop entry has no tarnlink icon"; fail=1; }
    said=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$said" ] ||
        { echo "desktop-file-validate: $said"; fail=1; }
fi
# What software centres list: valid to AppStream's pedantic rules, this build as its release.
metainfo="$prefix/share/metainfo/org.example.tarnlink.metainfo.xml"
need share/metainfo/org.example.tarnlink.metainfo.xml
if [ -e "$metainfo" ]; then
    said=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) ||
        { echo "appstreamcli: $said"; fail=1; }
    if grep -q 'pedantic\|warning' <<<"$said"; then
        echo "appstreamcli: $said"
        fail=1
    fi
    grep -q "<release version=\"$("$prefix/bin/tarnlink-cli" --version | cut -d' ' -f2)\"" \
        "$metainfo" || { echo "the metainfo's release is not this build's"; fail=1; }
fi
# The installed command-line programs run and explain themselves.
cli_help=$("$prefix/bin/tarnlink-cli" --help) || { echo "tarnlink-cli --help failed"; fail=1; }
grep -q 'download' <<<"$cli_help" || { echo "tarnlink-cli --help names no download"; fail=1; }
scale_help=$("$prefix/bin/tarnlink-scale" --help) || { echo "tarnlink-scale --help failed"; fail=1; }
grep -q -- '--fault' <<<"$scale_help" || { echo "tarnlink-scale --help names no faults"; fail=1; }
exit $fail
