#!/usr/bin/env bash
# Runs a command beside a throwaway PostgreSQL server, then stops the server
# and removes it: the cluster lives in a temporary folder, listens on a free
# port of 127.0.0.1 only, and runs as an unprivileged user (postgres, or
# nobody) when this script runs as root.   Usage: scripts/with-postgres.sh CMD...
#
# The command finds the server through ZQ22_TEST_PG_URL
# (postgresql://zq22@127.0.0.1:PORT/postgres, a superuser that may create the
# tests' databases), and its password the way libpq finds it, in the file
# PGPASSFILE names. The command's exit status is the script's.
set -euo pipefail

if (($# == 0)); then
  echo "usage: $0 COMMAND [ARGUMENTS...]" >&2
  exit 2
fi

bin=""
for candidate in /usr/lib/postgresql/15/bin "$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)"; do
  if [ -x "$candidate/initdb" ]; then bin="$candidate"; break; fi
done
if [ -z "$bin" ]; then
  echo "$0: no PostgreSQL server (initdb) under /usr/lib/postgresql; install the package postgresql" >&2
  exit 2
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/zq22-postgres.XXXXXX")"
chmod 755 "$work"
server=()
if [ "$(id -u)" -eq 0 ]; then
  owner=postgres
  getent passwd "$owner" >/dev/null || owner=nobody
  server=(runuser -u "$owner" --)
  mkdir "$work/cluster"
  chown "$owner" "$work/cluster"
else
  mkdir "$work/cluster"
fi
data="$work/cluster/data"
log="$work/cluster/server.log"

stop() {
  if [ -f "$data/postmaster.pid" ]; then
    "${server[@]}" "$bin/pg_ctl" -D "$data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT TERM

user=zq22
password="$(head -c 24 /dev/urandom | od -An -tx1 | tr -d ' \n')"
printf '%s\n' "$password" >"$work/cluster/password"
[ "$(id -u)" -ne 0 ] || chown "$owner" "$work/cluster/password"
"${server[@]}" "$bin/initdb" -D "$data" -U "$user" --pwfile="$work/cluster/password" \
  --auth=scram-sha-256 --encoding=UTF8 --locale=C >"$work/initdb.log" 2>&1 \
  || { cat "$work/initdb.log" >&2; exit 2; }
rm -f "$work/cluster/password"

# A port nobody listens on; should another program take it first, the next one.
started=""
for attempt in 1 2 3 4 5 6 7 8; do
  port=$((20000 + RANDOM % 30000))
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then continue; fi
  if "${server[@]}" "$bin/pg_ctl" -D "$data" -l "$log" -w -t 30 \
       -o "-p $port -k $work/cluster -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null; then
    started=yes
    break
  fi
done
if [ -z "$started" ]; then
  echo "$0: the PostgreSQL server did not start:" >&2
  cat "$log" >&2 || true
  exit 2
fi

# libpq refuses a password file that others may read.
umask 077
printf '127.0.0.1:%s:*:%s:%s\n' "$port" "$user" "$password" >"$work/pgpass"
export PGPASSFILE="$work/pgpass"
export ZQ22_TEST_PG_URL="postgresql://$user@127.0.0.1:$port/postgres"
umask 022

status=0
"$@" || status=$?
exit "$status"
