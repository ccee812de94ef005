#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Stops the tests' PostgreSQL server that pg-start.sh started (its URL, folder and programs in
# the file $1) and removes its folder.
set -euo pipefail
[ -f "$1" ] || exit 0
data=$(sed -n 2p "$1")
bin=$(sed -n 3p "$1")
as=()
[ "$(id -u)" -ne 0 ] || as=(runuser -u postgres --)
"${as[@]}" "$bin/pg_ctl" -D "$data/db" -m immediate stop >/dev/null 2>&1 || true
case "$data" in /tmp/tarnlink-pg.*) rm -rf "$data" ;; esac
rm -f "$1"
