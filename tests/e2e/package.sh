#!/bin/sh
# The Debian package from end to end: packed from the build's install rules, unpacked with
# dpkg-deb into a scratch root (not /usr: the tree must work wherever it lies), its programs run
# as on a user's first start (no --home, no NORVA_HOME, nothing of the build on any path), its
# menu entry, manual pages and lintian checked.
#   package.sh SOURCE_DIR BUILD_DIR
set -eu
source=$1
build=$2
. "$(dirname "$0")/lib.sh"

# --- the package ---
deb=$(sh "$source/packaging/make-deb.sh" "$build" "$root/out") || fail "make-deb"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$deb" = "$root/out/selvane_${version}_$(dpkg --print-architecture).deb" ] || fail "package name $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6widgets6 libqt6webenginewidgets6 libsqlite3-0 libstdc++6 qt6-translations-l10n; do
  printf '%s\n' "$depends" | tr ',' '\n' | grep -q "^ *$package\( \|$\)" || fail "Depends lacks $package: $depends"
done
printf '%s\n' "$depends" | grep -qi 'numguard\|netpost' && fail "Depends names the package's own components: $depends"
[ "$(dpkg-deb -f "$deb" Recommends)" = "fonts-nanum, fcitx5-hangul, fcitx5-frontend-qt6" ] ||
  fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"
description=$(dpkg-deb -f "$deb" Description)
printf '%s\n' "$description" | grep -q "^ *Selvane is the desktop program" || fail "no English description"
printf '%s\n' "$description" | grep -q "^ *보건노르바프로그램은" || fail "no Korean description"
# No errors and no warnings; the info-level notes are listed in the README.
lintian --fail-on error,warning "$deb" >"$root/lintian.log" 2>&1 || { cat "$root/lintian.log"; fail "lintian"; }

tree=$root/tree
dpkg-deb -x "$deb" "$tree"
for file in usr/bin/selvane usr/bin/selvane-cli usr/bin/banksim \
  usr/lib/selvane/libNumGuard.so usr/lib/selvane/libNetPost32.so \
  usr/share/selvane/Data/norva.db usr/share/selvane/BlankDb.bin \
  usr/share/applications/selvane.desktop usr/share/icons/hicolor/scalable/apps/selvane.svg \
  usr/share/icons/hicolor/48x48/apps/selvane.png usr/share/icons/hicolor/256x256/apps/selvane.png \
  usr/share/man/man1/selvane-cli.1.gz usr/share/doc/selvane/copyright; do
  [ -f "$tree/$file" ] || fail "missing $file"
done
for folder in Send/Old Recv/Old Result; do
  [ -d "$tree/usr/share/selvane/$folder" ] || fail "template lacks $folder"
done
# Each binary finds its libraries relative to itself only.
for elf in "$tree"/usr/bin/* "$tree"/usr/lib/selvane/*; do
  readelf -d "$elf" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p' | tr ':' '\n' | while read -r entry; do
    case "$entry" in '$ORIGIN'*) ;; *) fail "$elf searches $entry" ;; esac
  done
done
[ "$(file --brief --mime-type "$tree/usr/share/icons/hicolor/48x48/apps/selvane.png")" = image/png ] || fail "48 px icon"
identify -format '%w %h' "$tree/usr/share/icons/hicolor/256x256/apps/selvane.png" | grep -qx '256 256' || fail "256 px icon"
identify -format '%w %h' "$tree/usr/share/icons/hicolor/48x48/apps/selvane.png" | grep -qx '48 48' || fail "48 px icon size"

# --- the menu entry and the manual pages ---
desktop-file-validate "$tree/usr/share/applications/selvane.desktop" || fail "desktop entry"
grep -qx 'Name\[ko\]=보건노르바프로그램' "$tree/usr/share/applications/selvane.desktop" || fail "no Korean name"
grep -qx 'Categories=Office;Finance;' "$tree/usr/share/applications/selvane.desktop" || fail "categories"
for page in "$tree"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "manual page $(basename "$page"): $warnings"
done

# --- a user's first start, with nothing but the unpacked tree ---
home=$root/home
mkdir -p "$home" "$root/run"
chmod 700 "$root/run"
user() {  # COMMAND... in the user's environment
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$root/run" \
    LC_ALL=C.UTF-8 NORVA_NOW=2026-12-10T09:00:00 "$@"
}
cli=$tree/usr/bin/selvane-cli
folder=$home/data/selvane

out=$(user "$cli" --help) || fail "--help: $out"
expect_line "$out" "usage: selvane-cli [--home DIR] [--yes | --no] COMMAND [ARGUMENTS]"
# Every command has its place in the manual page.
for command in $(printf '%s\n' "$out" | sed -n 's/^  \([a-z][a-z]*\).*/\1/p'); do
  zcat "$tree/usr/share/man/man1/selvane-cli.1.gz" | grep -qw -- "$command" ||
    fail "selvane-cli.1 lacks the command $command"
done

out=$(user "$cli" demo) || fail "demo: $out"
expect_line "$out" "status: 견본기관(연습용): 이체 1건, 수급자 3명을 만들었습니다."
[ "$(stat -c %a "$folder")" = 700 ] || fail "program folder mode $(stat -c %a "$folder")"
cmp -s "$folder/BlankDb.bin" "$tree/usr/share/selvane/BlankDb.bin" || fail "BlankDb.bin not from the template"
grep -qF "\"SendDir\"=\"$folder/Send\"" "$home/.config/Selvane/registry.reg" || fail "settings: $(cat "$home/.config/Selvane/registry.reg")"
out=$(user "$cli" check) || fail "check: $out"
expect_line "$out" "table: TBTrans 1"
expect_line "$out" "table: TBTransSub 3"
# The folder is the user's now: a later start keeps it, and the sample data is not made twice.
if out=$(user "$cli" demo); then fail "second demo: $out"; fi
out=$(user "$cli" check) || fail "check: $out"
expect_line "$out" "table: TBTransSub 3"

# A send over the mailbox network loads the EDI component of the tree, and banksim of the tree
# plays the bank.
[ -d "$folder/Mailbox" ] || fail "no Mailbox/ in the new per-user folder"
out=$(user env LD_DEBUG=files "$cli" send 2>"$root/loader.log") || fail "send: $out"
expect_line "$out" "status: 송신 성공."
for library in libNetPost32.so libNumGuard.so; do
  loaded=$(sed -n "s/.*calling init: \(.*\/$library\)\$/\1/p" "$root/loader.log")
  [ -n "$loaded" ] && [ "$(realpath "$loaded")" = "$(realpath "$tree/usr/lib/selvane/$library")" ] ||
    fail "$library not loaded from the tree: $(grep "$library" "$root/loader.log")"
done
user "$tree/usr/bin/banksim" --mailbox "$folder/Mailbox" --login DEMO01 --home "$folder" >/dev/null ||
  fail "banksim"
out=$(user "$cli" receive) || fail "receive: $out"
expect_line "$out" "status: 수신 자료 처리 완료."

# A portable copy, a program folder holding the programs, is its own program folder.
portable=$root/portable
cp -r "$tree/usr/share/selvane" "$portable"
cp "$tree"/usr/bin/selvane-cli "$tree"/usr/lib/selvane/*.so "$portable/"
out=$(user "$portable/selvane-cli" check) || fail "portable check: $out"
expect_line "$out" "table: TBTransSub 0"

# The desktop program of a second user makes that user's folder and waits at its password
# prompt, under a virtual display.
home=$root/home2
folder=$home/data/selvane
mkdir -p "$home"
user xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  "$1" 2>"$2/selvane.err" & pid=$!
  for i in $(seq 100); do
    xwininfo -root -tree >"$2/windows.txt" 2>&1
    grep -q "\"비밀번호 확인\"" "$2/windows.txt" && break
    sleep 0.2
  done
  kill "$pid"; wait "$pid" 2>/dev/null || true' sh "$tree/usr/bin/selvane" "$root"
grep -q '"비밀번호 확인"' "$root/windows.txt" ||
  fail "no password prompt: $(cat "$root/windows.txt") $(cat "$root/selvane.err")"
[ "$(stat -c %a "$folder")" = 700 ] || fail "the desktop program made no program folder"
[ -f "$folder/Data/norva.db" ] || fail "no database in the desktop program's folder"
echo ok
