#!/bin/sh
# A signed update from a folder, end to end: mkrelease makes the key pair and signs a release,
# selvane-cli of a copied install finds it, stages it and starts the launcher, patchrun puts it
# in place and starts the program again, which reports the new version. A tampered release is
# refused and changes nothing.
set -eu
bin=$1
. "$(dirname "$0")/lib.sh"
same() {  # FILE FILE
  cmp -s "$1" "$2" || fail "$1 differs from $2"
}

export NORVA_REGISTRY="$root/registry.reg" XDG_RUNTIME_DIR="$root/runtime"
export UPGRADE_MARKER="$root/ran"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The install: the command line, the launcher and the component as the build lays them out, and
# a small program that writes which version ran.
app="$root/app"
mkdir -p "$app/bin" "$app/lib"
cp "$bin/selvane-cli" "$bin/patchrun" "$app/bin/"
cp "$bin/../lib/libAutoFetch.so" "$app/lib/"
printf '#!/bin/sh\necho old >> "$UPGRADE_MARKER"\n' > "$app/bin/selvane"
chmod 755 "$app/bin/selvane"
cp "$app/bin/selvane" "$root/old-selvane"
home="$root/program"
mkdir -p "$home"
cli() { "$app/bin/selvane-cli" --home "$home" "$@"; }

# No source set: nothing to do, without a word.
out=$(cli upgrade --now) || fail "upgrade without a source failed: $out"
[ "$out" = "upgrade: 2" ] || fail "without a source: $out"

# The release: a new program and a new component, signed.
"$bin/mkrelease" keygen "$root/keys" > "$root/keygen.out" || fail "keygen: $(cat "$root/keygen.out")"
grep -q '^public-key: ' "$root/keygen.out" || fail "keygen printed no key"
[ "$(stat -c %a "$root/keys/release.key")" = 600 ] || fail "the secret key is readable by others"
cp "$root/keys/AutoFetch.pub" "$home/"
release="$root/release"
mkdir -p "$release/bin" "$release/lib"
printf '#!/bin/sh\necho new >> "$UPGRADE_MARKER"\n' > "$release/bin/selvane"
chmod 755 "$release/bin/selvane"
printf 'component 1.0.0.2\n' > "$release/lib/libNetPost32.so"
out=$("$bin/mkrelease" sign "$root/keys/release.key" DB 1.5.4.2 "$release") || fail "sign: $out"
expect_line "$out" "file: bin/selvane 40"
expect_line "$out" "status: 2 files of DB 1.5.4.2 signed in $release/"
out=$("$bin/mkrelease" verify "$root/keys/AutoFetch.pub" DB "$release") || fail "verify: $out"
expect_line "$out" "status: 2 files of DB 1.5.4.2 verified"

# A tampered copy: one byte of the program changed after signing.
cp -r "$release" "$root/tampered"
printf '#!/bin/sh\necho bad >> "$UPGRADE_MARKER"\n' > "$root/tampered/bin/selvane"
if out=$("$bin/mkrelease" verify "$root/keys/AutoFetch.pub" DB "$root/tampered"); then
  fail "mkrelease verified a tampered release"
fi
expect_line "$out" "error: bin/selvane: the file does not match the manifest"
printf '[Upgrade]\nSource=%s\n' "$root/tampered" > "$home/SELVANE.ini"
if out=$(cli upgrade --now); then fail "a tampered release was taken: $out"; fi
expect_line "$out" "upgrade: 17"
expect_line "$out" "info: 업데이트 파일의 수가 맞지 않습니다."
same "$app/bin/selvane" "$root/old-selvane"
[ ! -e "$app/upgrade/DB/new" ] || fail "a tampered release was staged"

# The signed release: staged, the launcher started; it puts the files in place and starts the
# program, which is the new version.
printf '[Upgrade]\nSource=%s\n' "$release" > "$home/SELVANE.ini"
out=$(cli upgrade --now) || fail "upgrade failed: $out"
[ "$out" = "upgrade: 1" ] || fail "the signed release: $out"
i=0
while [ ! -s "$UPGRADE_MARKER" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
[ "$(cat "$UPGRADE_MARKER" 2>/dev/null)" = new ] || fail "the new version did not start: $(cat "$UPGRADE_MARKER" 2>/dev/null)"
same "$app/bin/selvane" "$release/bin/selvane"
same "$app/lib/libNetPost32.so" "$release/lib/libNetPost32.so"
same "$app/upgrade/DB/old/bin/selvane" "$root/old-selvane"
[ "$(cat "$app/upgrade/DB/installed")" = 1.5.4.2 ] || fail "the version was not recorded"
grep -q 'version 1.5.4.2 is in place' "$app/upgrade/DB/patchrun.log" || fail "no log line"

# Once in place it is not fetched again.
out=$(cli upgrade --now) || fail "second upgrade failed: $out"
[ "$out" = "upgrade: 2" ] || fail "the same release again: $out"
echo "upgrade: ok"
