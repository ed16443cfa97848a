#!/bin/sh
# Backup, restore and data reset through selvane-cli: every row kept, a damaged archive changing
# nothing, and a reset killed at any moment leaving a database that opens with all its rows.
bin=$1
. "$(dirname "$0")/lib.sh"
cli() { "$bin/selvane-cli" --home "$home" "$@"; }
rows() {  # what must survive: the rows and their sums
  sqlite3 "$home/Data/norva.db" "SELECT count(*), total(Monecy), max(Name) FROM TBTransSub;
    SELECT count(*) FROM KiGwan; PRAGMA integrity_check"
}

export NORVA_NOW=2002-09-15T10:00:00 NORVA_REGISTRY="$root/registry.reg"
home=$root/program
"$bin/mkprogram" "$home"
cli demo >/dev/null
sqlite3 "$home/Data/norva.db" "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n
  WHERE i < 100000) INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin,
  Monecy, Name, State) SELECT 1, '0001', '01', '88', printf('9%011d', i),
  printf('%06d-%07d', i % 999999, i), i * 10, '수급자' || i, 1 FROM n"
expected=$(rows)

# --- backup to a folder, readable by its owner only ---
mkdir "$root/backup"
out=$(cli backup "$root/backup") || fail "backup: $out"
expect_line "$out" "status: 자료 받기가 완료되었습니다."
[ "$(ls -A "$root/backup")" = "BB020915.zip" ] || fail "backup folder: $(ls -A "$root/backup")"
[ "$(stat -c %a "$root/backup/BB020915.zip")" = 600 ] || fail "the backup is readable by others"

# --- restore (and reset) brings back what was deleted ---
sqlite3 "$home/Data/norva.db" "DELETE FROM TBTransSub WHERE rowid % 2 = 0"
out=$(cli restore "$root/backup/BB020915.zip") || fail "restore: $out"
expect_line "$out" "status: 자료 복구가 완료되었습니다."
[ "$(rows)" = "$expected" ] || fail "rows after restore: $(rows)"

# --- a damaged archive changes nothing ---
cp "$home/Data/norva.db" "$root/before.db"
mkdir "$root/bad"
head -c 5000 "$root/backup/BB020915.zip" > "$root/bad/BB020915.zip"
status=0; out=$(cli restore "$root/bad/BB020915.zip") || status=$?
[ "$status" = 1 ] || fail "restore of a damaged archive: exit $status: $out"
expect_line "$out" "error: 압축 파일을 읽을 수 없습니다: $root/bad/BB020915.zip (Not a zip archive)\\n\\n기존 자료는 그대로 있습니다."
cmp -s "$home/Data/norva.db" "$root/before.db" || fail "a damaged archive changed the database"

# --- a removable medium: its mount folder set in SELVANE.ini ---
mkdir "$root/stick"
printf '[Drives]\nA=%s/stick\n' "$root" >> "$home/SELVANE.ini"
out=$(cli --no backup A:) || fail "backup to A: $out"
[ "$(ls -A "$root/stick")" = "BB020915.zip" ] || fail "medium: $(ls -A "$root/stick")"
status=0; out=$(cli --no backup B:) || status=$?
[ "$status" = 1 ] || fail "backup to an unset drive B: exit $status: $out"

# --- reset keeps every row ---
out=$(cli reset) || fail "reset: $out"
expect_line "$out" "status: 자료 재정리가 완료되었습니다."
[ "$(rows)" = "$expected" ] || fail "rows after reset: $(rows)"

# --- a reset killed at any moment ---
interrupted=0
for delay in 0.02 0.05 0.1 0.15 0.2 0.3 0.5 0.8; do
  "$bin/selvane-cli" --home "$home" reset >/dev/null 2>&1 &  # the program itself, not a subshell
  pid=$!
  sleep "$delay"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ls -A "$home/Data" | grep -q '^\.new-'; then interrupted=$((interrupted + 1)); fi
  out=$(cli check) ||
    fail "the database does not open after a kill at $delay s: $out $(ls -lA "$home/Data")"
  [ "$(rows)" = "$expected" ] || fail "rows after a kill at $delay s: $(rows)"
done
[ "$interrupted" -gt 0 ] || fail "no kill landed inside a reset"

# The next reset removes what the killed ones left.
out=$(cli reset) || fail "reset after the kills: $out"
[ "$(ls -A "$home/Data" | tr '\n' ' ')" = "norva.db norva.db.before-reset norva.db.before-restore " ] ||
  fail "data folder: $(ls -A "$home/Data")"
[ "$(rows)" = "$expected" ] || fail "rows after the last reset: $(rows)"
echo "data management: ok ($interrupted of 8 kills inside a reset)"
