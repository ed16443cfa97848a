#!/usr/bin/env bash
# Installs every Debian package that the build, the program and the tests need.
# Idempotent: does nothing when all of them are present.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev
  libsqlite3-dev sqlite3 libzip-dev zip unzip
  libsodium-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev libfuzzer-14-dev clang-format
  fonts-nanum xvfb xauth x11-apps imagemagick
  poppler-utils
  qt6-translations-l10n dpkg-dev lintian desktop-file-utils librsvg2-bin x11-utils
)

# One dpkg-query for the whole list, so that a machine with everything returns at once (make run
# and make test call this script first). A package dpkg has never heard of is not in its answer.
declare -A installed=()
while read -r name status; do
  [ "$status" = installed ] && installed[$name]=1
done < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for p in "${packages[@]}"; do
  [ -n "${installed[$p]:-}" ] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

echo "install-deps: installing ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
