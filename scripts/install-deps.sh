#!/usr/bin/env bash
# Installs the build dependencies on Debian 12 when they are missing.
set -euo pipefail
# Qt's translation tools build the program's languages, and Qt's own translations give its
# standard buttons the same language. Qt's SQLite and PostgreSQL drivers and a PostgreSQL
# server keep and test the history; the last four check the install tree (desktop file,
# software-centre entry), build the Debian package and check it.
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n libqt6sql6-sqlite libqt6sql6-psql postgresql
          desktop-file-utils appstream dpkg-dev lintian)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
