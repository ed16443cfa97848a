# Helpers of the end-to-end tests: a program folder made for the test, its database, its
# registry, and checks of selvane-cli's output lines. Sourced by each test with the folder of
# the built programs as $bin.
set -eu
root=$(mktemp -d)
cleanup() {
  for m in $(grep " $root" /proc/mounts | cut -d' ' -f2 | sort -r); do umount "$m" 2>/dev/null || true; done
  [ -n "${KEEP:-}" ] || rm -rf "$root"
}
trap cleanup EXIT
export NORVA_NOW=2026-12-10T09:00:00
fail() { echo "FAIL: $*"; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }
expect_line() {  # OUTPUT LINE
  printf '%s\n' "$1" | grep -qxF -- "$2" || fail "no line '$2' in:
$1"
}
expect_prefix() {  # OUTPUT PREFIX
  printf '%s\n' "$1" | grep -qF -- "$2" || fail "no line starting '$2' in:
$1"
}
expect_no_line() {  # OUTPUT TEXT
  if printf '%s\n' "$1" | grep -qF -- "$2"; then fail "unexpected '$2' in:
$1"; fi
}
cli() { "$bin/selvane-cli" "$@"; }
# Runs selvane-cli expecting failure (exit 1); the output goes to $out.
cli_fails() {
  if out=$("$bin/selvane-cli" "$@"); then fail "selvane-cli $* succeeded:
$out"; fi
}
cli_ok() {
  out=$("$bin/selvane-cli" "$@") || fail "selvane-cli $* failed:
$out"
}
sql() { sqlite3 "$home/Data/norva.db" "$@"; }

# The registry of user OFFICE01 on the mailbox network MAILBOX, into $NORVA_REGISTRY.
write_registry() {  # MAILBOX
  cat > "$NORVA_REGISTRY" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]
"Port"="COM1"

[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]
"LoginID"="OFFICE01"

[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Network]
"Mailbox"="$1/"
REG
}
# A program folder with the registry of user OFFICE01 on a mailbox network, and the home,
# registry and mailbox exported. Institution 1 (bank 04) with one order in state 1 and two
# recipients.
make_program() {  # NAME
  home=$root/$1
  mailbox=$root/$1-mailbox
  mkdir -p "$mailbox"
  export NORVA_HOME="$home" NORVA_REGISTRY="$root/$1.reg"
  write_registry "$mailbox"
  "$bin/mkprogram" "$home" >/dev/null
  sql <<'SQL'
INSERT INTO TBManager (DongID, DongNm) VALUES ('0001', '역삼동');
INSERT INTO TBLargeItem (LargeItmId, LargeItmNm) VALUES ('01', '생계');
INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, RecvName, BCode)
  VALUES (1, '서울구청', '04', '123-45-6789', '001234', 'CORP01', 'SND01', 'RCV01', 'BK04');
INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, BankNo, BankID,
                     A_Date, To_date, State, KigwanName, LocalBank)
  VALUES (1, '0001', '01', 'BK04', 'CORP01', 'SND01', 'RCV01', '123-45-6789', '04',
          '2026-12-09', '2026-12-11', 1, '서울구청', '001234');
INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, State) VALUES
  (1, '0001', '01', '04', '123-4567-8901', '700101-1234567', 150000, '홍길동', 1),
  (1, '0001', '01', '04', '100-01-0000-123', '800202-2345678', 2500, '김영희', 1);
SQL
}
# Holds the database's write lock until unlock_database, however long the command under test
# takes to get there; returns once the lock is taken.
lock_database() {
  lock_fifo=$root/lock.fifo
  rm -f "$lock_fifo"
  mkfifo "$lock_fifo"
  sqlite3 "$home/Data/norva.db" <"$lock_fifo" >"$root/lock.out" 2>&1 &
  lock_pid=$!
  exec 9>"$lock_fifo"
  printf "BEGIN IMMEDIATE;\nSELECT 'locked';\n" >&9
  i=0
  until grep -qx locked "$root/lock.out" 2>/dev/null; do
    i=$((i + 1))
    [ $i -lt 600 ] || fail "the database lock was not taken: $(cat "$root/lock.out")"
    sleep 0.05
  done
}
unlock_database() {
  printf 'ROLLBACK;\n' >&9
  exec 9>&-
  wait "$lock_pid"
}
# The orders' states, then the recipients', each in rowid order.
states() {
  sql "SELECT group_concat(s, ',') FROM (SELECT 0 t, rowid r, State s FROM TBTrans UNION ALL
       SELECT 1, rowid, State FROM TBTransSub ORDER BY t, r)"
}

# Mounts a small tmpfs over a folder (its files copied in); skips the test where mounting is not
# allowed.
mount_small() {  # FOLDER KIB
  cp -a "$1" "$1.copy"
  mount -t tmpfs -o size="$2k" tmpfs "$1" 2>/dev/null || { rm -rf "$1.copy"; skip "cannot mount a tmpfs here"; }
  cp -a "$1.copy/." "$1/"
  rm -rf "$1.copy"
}
# Fills the folder's file system, then frees KIB kibibytes of it again.
fill_but() {  # FOLDER KIB
  i=0
  while dd if=/dev/zero of="$1/.fill$i" bs=4k count=1 2>/dev/null; do i=$((i + 1)); done
  rm -f "$1/.fill$i"
  n=$(( $2 / 4 ))
  while [ $n -gt 0 ] && [ $i -gt 0 ]; do i=$((i - 1)); n=$((n - 1)); rm -f "$1/.fill$i"; done
}
unfill() { rm -f "$1"/.fill*; }
