#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a PostgreSQL server of the tests' own in a temporary folder, on a free localhost port,
# and writes its URL (postgresql://USER@127.0.0.1:PORT/postgres) into the file $1. With no
# server programs installed it fails: the store on a server is part of what the tests prove.
set -euo pipefail
out=$1
rm -f "$out"
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ] || [ ! -x "$bin/pg_ctl" ]; then
    echo "no PostgreSQL server programs (initdb, pg_ctl): tools/install-deps installs them" >&2
    exit 1
fi
# The server refuses to run as root: then it runs as the postgres user.
as=()
user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
    as=(runuser -u postgres --)
    user=postgres
fi
data=$(mktemp -d /tmp/tarnlink-pg.XXXXXX)
[ ${#as[@]} -eq 0 ] || chown postgres "$data"
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"${as[@]}" "$bin/initdb" -D "$data/db" -U "$user" -A trust --no-sync >"$data/initdb.log" 2>&1 ||
    { cat "$data/initdb.log"; exit 1; }
cat >>"$data/db/postgresql.conf" <<CONF
listen_addresses = '127.0.0.1'
port = $port
unix_socket_directories = '$data'
fsync = off
max_connections = 200
CONF
"${as[@]}" "$bin/pg_ctl" -D "$data/db" -l "$data/server.log" -w start >/dev/null ||
    { cat "$data/server.log"; exit 1; }
printf 'postgresql://%s@127.0.0.1:%s/postgres\n%s\n%s\n' "$user" "$port" "$data" "$bin" >"$out"
echo "PostgreSQL for the tests: port $port, data in $data"
