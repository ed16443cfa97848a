#!/bin/sh
# The whole exchange through selvane-cli: send over the mailbox network, banksim answering with
# one account failing, receive applying the results and listing a stray file; then the same in
# test mode without the network, the result files copied into the receive folder by hand.
bin=$1
. "$(dirname "$0")/lib.sh"

# A program folder with an institution of bank 04, an order with two recipients, and a second
# order of the same institution with other dates, which waits for a later send.
make_program() {  # HOME
  "$bin/mkprogram" "$1" >/dev/null
  sqlite3 "$1/Data/norva.db" <<'SQL'
INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, RecvName, BCode)
  VALUES (1, '서울구청', '04', '123-45-6789', '001234', 'CORP01', 'SND01', 'RCV01', 'BK04');
INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, BankNo, BankID,
                     A_Date, To_date, State, KigwanName, LocalBank) VALUES
  (1, '0001', '01', 'BK04', 'CORP01', 'SND01', 'RCV01', '123-45-6789', '04',
   '2026-12-09', '2026-12-11', 1, '서울구청', '001234'),
  (1, '0001', '02', 'BK04', 'CORP01', 'SND01', 'RCV01', '123-45-6789', '04',
   '2026-12-09', '2026-12-14', 1, '서울구청', '001234');
INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, State) VALUES
  (1, '0001', '01', '04', '123-4567-8901', '700101-1234567', 150000, '홍길동', 1),
  (1, '0001', '01', '04', '100-01-0000-123', '800202-2345678', 2500, '김영희', 1),
  (1, '0001', '02', '04', '555-66-7778', '650315-1234560', 7000, '박철수', 1);
SQL
}
states() {  # HOME
  sqlite3 "$1/Data/norva.db" "SELECT LargeItmID, State, Recv_date FROM TBTrans ORDER BY rowid;
    SELECT Name, State, Result, Recv_date FROM TBTransSub ORDER BY rowid"
}
sent_states='01|2|
02|1|
홍길동|2||
김영희|2||
박철수|1||'
received_states='01|3|2026-12-10
02|1|
홍길동|3|0000|2026-12-10
김영희|3|9999|2026-12-10
박철수|1||'
export NORVA_NOW=2026-12-10T09:00:00

# --- over the mailbox network ---
home=$root/net
mailbox=$root/mailbox
mkdir -p "$mailbox"
export NORVA_HOME="$home" NORVA_REGISTRY="$root/net.reg"
write_registry "$mailbox"
make_program "$home"

out=$("$bin/selvane-cli" send) || fail "send: $out"
expect_line "$out" "file: 서울구청	SND01	2	자금 이체"
expect_line "$out" "status: 송신 성공."
[ -f "$mailbox/outbox/OFFICE01/SND01" ] || fail "request file not in the outbox"
[ -f "$home/Send/Old/SND01" ] || fail "no copy in Send/Old"
[ -z "$(ls "$home/Send" | grep -v '^Old$')" ] || fail "send folder not emptied"
# Only what was written is sent: the order with other dates and its recipient stay pending.
[ "$(states "$home")" = "$sent_states" ] || fail "states after send: $(states "$home")"

"$bin/banksim" --mailbox "$mailbox" --login OFFICE01 --home "$home" --fail 100010000123 >/dev/null
[ -f "$mailbox/inbox/OFFICE01/RCV01" ] || fail "banksim left no result file"
printf 'stray\r\n' > "$mailbox/inbox/OFFICE01/NOTICE.TXT"
printf 'old\r\n' > "$home/Recv/LEFTOVER"  # emptied before the receive

out=$("$bin/selvane-cli" receive) || fail "receive: $out"
expect_line "$out" "status: 수신 처리중입니다."
expect_line "$out" "file: 서울구청	RCV01	2	자금 이체"
expect_line "$out" "file: 알수없음	NOTICE.TXT		수신 대상 파일 아님"
expect_line "$out" "status: 수신 자료 처리 완료."
printf '%s\n' "$out" | grep -q LEFTOVER && fail "receive folder not emptied: $out"
[ "$(states "$home")" = "$received_states" ] || fail "states after receive: $(states "$home")"

# Nothing more to receive: the component's message, and a failure.
if out=$("$bin/selvane-cli" receive); then fail "empty receive succeeded: $out"; fi
expect_line "$out" "status: 수신할 파일이 없습니다"

# --- test mode, no network ---
home=$root/offline
export NORVA_HOME="$home" NORVA_REGISTRY="$root/offline.reg"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\n"Port"="COM1"\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]\n"LoginID"="OFFICE01"\n' \
  > "$NORVA_REGISTRY"
make_program "$home"

out=$("$bin/selvane-cli" --yes send --test) || fail "test send: $out"
expect_line "$out" "question: 이 프로그램은 장애처리용으로 실행되었습니다.\n\nEDI 망에 접속하지 않고 처리를 진행하시겠습니까?\n -> yes"
expect_line "$out" "status: 송신 성공."
[ -f "$home/Send/SND01" ] || fail "test send moved the request file"
[ "$(states "$home")" = "$sent_states" ] || fail "states after test send: $(states "$home")"

answers=$root/answers
mkdir -p "$answers"
"$bin/banksim" --in "$home/Send" --out "$answers" --home "$home" --fail 100010000123 >/dev/null
cp "$answers/RCV01" "$home/Recv/"
printf 'stray\r\n' > "$home/Recv/NOTICE.TXT"
out=$("$bin/selvane-cli" --yes receive --test) || fail "test receive: $out"
expect_line "$out" "file: 서울구청	RCV01	2	자금 이체"
expect_line "$out" "file: 알수없음	NOTICE.TXT		수신 대상 파일 아님"
expect_line "$out" "status: 수신 자료 처리 완료."
[ "$(states "$home")" = "$received_states" ] || fail "states after test receive: $(states "$home")"

# No is the network receive: the folder is emptied and, without a mailbox, nothing arrives.
if out=$("$bin/selvane-cli" --no receive --test); then fail "test receive with No: $out"; fi
expect_line "$out" "status: 수신 처리할 파일이 없습니다."
[ -z "$(ls "$home/Recv" | grep -v '^Old$')" ] || fail "No left the receive folder as it was"

# --- the sample data of a newcomer ---
home=$root/demo
export NORVA_HOME="$home" NORVA_REGISTRY="$root/demo.reg"
rm -f "$NORVA_REGISTRY"
"$bin/mkprogram" "$home" >/dev/null
"$bin/selvane-cli" demo >/dev/null || fail "demo"
if out=$("$bin/selvane-cli" demo); then fail "second demo: $out"; fi
sqlite3 -separator ' ' "$home/Data/norva.db" "SELECT BankId, BankNo, Jumin FROM TBTransSub" |
  while read -r bank account jumin; do
    [ "$("$bin/selvane-cli" account "$bank" "$account")" = "valid=1 $account" ] \
      || fail "demo account $account"
    [ "$("$bin/selvane-cli" resident "$jumin")" = "valid=1" ] || fail "demo resident $jumin"
  done
out=$("$bin/selvane-cli" --yes send --test) || fail "demo send: $out"
expect_line "$out" "status: 송신 성공."

mkdir -p "$root/demo-answers"
"$bin/banksim" --in "$home/Send" --out "$root/demo-answers" --home "$home" >/dev/null
cp "$root/demo-answers/"* "$home/Recv/"
out=$("$bin/selvane-cli" --yes receive --test) || fail "demo receive: $out"
expect_line "$out" "status: 수신 자료 처리 완료."
[ "$(sqlite3 "$home/Data/norva.db" "SELECT group_concat(DISTINCT State || Result) FROM TBTransSub")" = "30000" ] \
  || fail "demo results"
echo ok
