#!/usr/bin/env bash
# Makes the payment statement of the sample data and saves its first page as a PNG
# (pdftoppm): selvane-cli demo, a test-mode send, banksim failing one account, a test-mode
# receive, then `selvane-cli print 0 전체동 견본급여`, all in a program folder of its own.
#
#   scripts/statement.sh [FILE.png]      (default docs/statement.png; BUILD=dir for another build)
set -euo pipefail

cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/statement.png}")"
build="${BUILD:-build}"
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target selvane-cli banksim mkprogram NetPost32 >/dev/null
bin="$(realpath "$build/bin")"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
home="$scratch/program"
export NORVA_HOME="$home" NORVA_REGISTRY="$scratch/registry.reg" XDG_RUNTIME_DIR="$scratch"
chmod 700 "$scratch"
"$bin/mkprogram" "$home" >/dev/null
"$bin/selvane-cli" demo >/dev/null
"$bin/selvane-cli" --yes send --test >/dev/null
"$bin/banksim" --in "$home/Send" --out "$home/Recv" --home "$home" --fail 100010000123 >/dev/null
"$bin/selvane-cli" --yes receive --test >/dev/null
"$bin/selvane-cli" print 0 전체동 견본급여 --pdf "$scratch/statement.pdf"
mkdir -p "$(dirname "$out")"
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$scratch/statement.pdf" "${out%.png}"
echo "$out"
