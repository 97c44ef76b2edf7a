#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages the build and the tests need,
# and only those that are missing. Source it or run it; it is quiet when all is there.
set -euo pipefail

# The panel library: Qt's SQLite and PostgreSQL drivers; the tests run a
# PostgreSQL server of their own (scripts/with-postgres.sh) and use sqlite3.
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-serialport-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-dejavu-core
          libqt6sql6-sqlite libqt6sql6-psql postgresql postgresql-common sqlite3 "$@")

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
