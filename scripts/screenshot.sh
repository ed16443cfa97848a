#!/usr/bin/env bash
# Saves a PNG of what the program shows, under a virtual X display (Xvfb), so that anyone can look
# at the windows without a desktop.
#
#   scripts/screenshot.sh [WINDOW] [FILE.png]
#
# WINDOW: main (default), institution, password, wait, progress or recipients (a made-up order)
# renders that one window alone (tools/uishot);
# main shows its notice panel with the sample page of scripts/notice/, served on 127.0.0.1:8050;
# send-receive the send/receive window after a test-mode receive of the sample data (selvane-cli demo,
# a test-mode send, banksim failing one account, a stray file), in a program folder of its own;
# program starts the real program and photographs the whole screen as it comes up (the start
# password prompt); first-start packs the Debian package, unpacks it into a scratch root and
# photographs its desktop program's first start for a new user (the password prompt over the
# per-user program folder it has just made). FILE defaults to docs/WINDOW-window.png. The program folder is build/program/
# (BUILD=dir for another build); settings go to a throw-away registry file.
set -euo pipefail

cd "$(dirname "$0")/.."
window="${1:-main}"
out="${2:-docs/${window}-window.png}"
build="${BUILD:-build}"

case "$window" in
  main | institution | password | wait | progress | recipients | program | send-receive | user | about | upgrade | first-start) ;;
  *) echo "screenshot: unknown window '$window' (main, institution, password, wait, progress, recipients, program, send-receive, user, about, upgrade, first-start)" >&2; exit 2 ;;
esac

[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target uishot selvane program_folder selvane-cli banksim mkprogram >/dev/null

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
chmod 700 "$scratch"
export XDG_RUNTIME_DIR="$scratch"
export NORVA_REGISTRY="$scratch/registry.reg"
unset QT_QPA_PLATFORM
mkdir -p "$(dirname "$out")"
out="$(realpath -m "$out")"
home="$(realpath "$build/program")"
bin="$(realpath "$build/bin")"

if [ "$window" = main ]; then
  # A copy of the program folder whose notice server is a local one serving the sample page.
  cp -r "$home" "$scratch/program"
  home="$scratch/program"
  printf '\n[Server]\nNoticeHost=127.0.0.1\n' >>"$home/SELVANE.ini"
  python3 -m http.server 8050 --bind 127.0.0.1 --directory scripts/notice >/dev/null 2>&1 &
  server=$!
  trap 'kill "$server" 2>/dev/null || true; rm -rf "$scratch"' EXIT
  sleep 1
fi

if [ "$window" = program ]; then
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1/selvane" --home "$2" & pid=$!
    sleep 3
    import -window root "$3"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true' screenshot "$bin" "$home" "$out"
elif [ "$window" = first-start ]; then
  deb="$(sh packaging/make-deb.sh "$build" "$scratch")"
  dpkg-deb -x "$deb" "$scratch/root"
  mkdir -p "$scratch/home"
  env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch" LC_ALL=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & pid=$!
    id=""
    for i in $(seq 100); do
      id="$(xwininfo -name "비밀번호 확인" 2>/dev/null | sed -n "s/.*Window id: \(0x[0-9a-f]*\).*/\1/p")"
      [ -n "$id" ] && break
      sleep 0.2
    done
    sleep 1
    import -window "$id" "$2"
    convert "$2" -bordercolor "#dfe3e8" -border 24 "$2"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true' screenshot "$scratch/root/usr/bin/selvane" "$out"
elif [ "$window" = send-receive ]; then
  home="$scratch/program"
  "$bin/mkprogram" "$home" >/dev/null
  export NORVA_HOME="$home"
  "$bin/selvane-cli" demo >/dev/null
  "$bin/selvane-cli" --yes send --test >/dev/null
  "$bin/banksim" --in "$home/Send" --out "$home/Recv" --home "$home" --fail 100010000123 >/dev/null
  printf 'notice\r\n' > "$home/Recv/NOTICE.TXT"
  xvfb-run -a -s "-screen 0 1024x768x24" "$bin/uishot" --home "$home" "$window" "$out" >/dev/null
else
  xvfb-run -a -s "-screen 0 1024x768x24" "$bin/uishot" --home "$home" "$window" "$out" >/dev/null
fi
echo "$out"
