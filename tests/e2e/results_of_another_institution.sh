#!/bin/sh
# A result file sets only recipients of the institution its header selects; a file whose header
# selects none, or that has no header, applies nothing and says why.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program two
# Institution 2 pays the same account the same amount, and is first in table order.
sql <<'SQL'
INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, RecvName, BCode)
  VALUES (0, '부산구청', '04', '999-99-9999', '009999', 'CORP00', 'SND00', 'RCV00', 'BK04');
INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, BankNo, BankID,
                     A_Date, To_date, State, KigwanName, LocalBank)
  VALUES (0, '0001', '01', 'BK04', 'CORP00', 'SND00', 'RCV00', '999-99-9999', '04',
          '2026-12-09', '2026-12-11', 2, '부산구청', '009999');
INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, State) VALUES
  (0, '0001', '01', '04', '123-4567-8901', '700101-1234567', 150000, '홍길동', 2);
SQL
cli_ok --yes send --test
"$bin/banksim" --in "$home/Send" --out "$home/Recv" --home "$home" >/dev/null
cli_ok apply
expect_line "$out" "file: 서울구청	RCV01	2	자금 이체"
[ "$(sql "SELECT KigwanId || ':' || State FROM TBTransSub ORDER BY KigwanId, rowid" | tr '\n' ' ')" = "0:2 1:3 1:3 " ] \
  || fail "another institution's recipient was answered"

# Without a header, or with a header of no institution: nothing applied.
sql "UPDATE TBTransSub SET State = 2, Result = NULL; UPDATE TBTrans SET State = 2"
pad() { printf '%-78s\r\n' "$1"; }
data="D0412345678901    4000000150000"
{ pad "$data"; pad "E00000030000001"; } > "$home/Recv/RCV00"
{ pad "SC2NOBODY    04"; pad "$data"; pad "E00000030000001"; } > "$home/Recv/RCV01"
cli_ok apply
expect_line "$out" "file: 	RCV00	1	일치하는 기관 없음, 적용하지 않음"
expect_line "$out" "file: 	RCV01	1	일치하는 기관 없음, 적용하지 않음"
expect_line "$out" "warning: 1번째 레코드 (D): 기관이 선택되지 않은 레코드"
expect_line "$out" "warning: 1번째 레코드 (S): 등록된 기관이 아님: 04 NOBODY"
expect_line "$out" "warning: 2번째 레코드 (D): 기관이 선택되지 않은 레코드"
[ "$(sql "SELECT group_concat(State) FROM TBTransSub")" = "2,2,2" ] || fail "applied without an institution"
echo ok
