#!/bin/sh
# Institutions of the fisheries co-operative (07), the foreign-exchange bank (05) and Jeju Bank
# (35) next to one of the standard format (04), in one program folder: `selvane-cli build` writes
# each request file byte for byte, banksim answers them (two accounts failing), `selvane-cli
# apply` records every result. A Jeju institution whose user number is longer than 8 characters
# is refused with a warning and stays pending.
bin=$1
. "$(dirname "$0")/lib.sh"
make_program families

sql <<'SQL'
INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, RecvName, BCode) VALUES
  (2, '완도수협', '07', '101-01-012345', '0701', 'SUHYUP01', 'SND07', 'RCV07', 'SH00701'),
  (3, '외환기관', '05', '630-001234-567', '0501', 'KEB00001', 'SND05', 'RCV05', 'KE00501'),
  (4, '제주시청', '35', '700-01-123456', '3501', 'JEJU0001', 'SND35', 'RCV35', 'JJ03501'),
  (5, '서귀포시청', '35', '700-01-654321', '3502', 'JEJU00002', 'SNDJ2', 'RCVJ2', 'JJ03502');
INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, BankNo, BankID,
                     A_Date, To_date, State, KigwanName, LocalBank)
  SELECT KigwanID, '0001', '01', BCode, CorCode, SendName, RecvName, BankNo, BankID,
         '2026-12-09', '2026-12-11', 1, KiGwanName, LocalBank FROM KiGwan WHERE KigwanID > 1;
INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, State, JaGubun) VALUES
  (2, '0001', '01', '04', '222-3333-4444', '650505-1234567', 50000, '박어민', 1, NULL),
  (2, '0001', '01', '07', '101-02-000001', '650505-1234567', 30000, '김선장', 1, NULL),
  (3, '0001', '01', '05', '123-45-678901', '750707-2345678', 70000, '이환전', 1, NULL),
  (4, '0001', '01', '35', '12345678901', '800808-1234567', 80000, '고한라', 1, 3),
  (4, '0001', '01', '04', '333-4444-5555', '810909-2345678', 1000, '문오름', 1, NULL),
  (5, '0001', '01', '35', '99999999999', '820101-1234567', 5000, '강서귀', 1, 1);
SQL

cli_ok build
expect_line "$out" "file: 서울구청	SND01	2	자금 이체"
expect_line "$out" "file: 완도수협	SND07	2	자금 이체"
expect_line "$out" "file: 외환기관	SND05	1	자금 이체"
expect_line "$out" "file: 제주시청	SND35	2	자금 이체"
expect_line "$out" "warning: 사용자번호가 제주은행 송신 파일의 8자리보다 깁니다: 서귀포시청 JEJU00002 (이 기관의 이체는 보내지 않고 송신대기로 남깁니다)"
expect_no_line "$out" "SNDJ2"
[ ! -e "$home/Send/SNDJ2" ] || fail "the refused batch was written"

# The records after each envelope line, byte for byte (CP949).
records() {  # FILE
  tail -n +2 "$home/Send/$1" | od -c
}
expect_records() {  # FILE RECORDS...
  file=$1
  shift
  expected=$(printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP949 | od -c)
  [ "$expected" = "$(records "$file")" ] || fail "$file differs:
$(tail -n +2 "$home/Send/$file" | iconv -f CP949 -t UTF-8 | cat -A)"
}
expect_records SND07 \
  'SC2SUHYUP01  07261209121110101012345             1 0701QOREX 0          '"'"'%  ' \
  'D0422233334444    400000005000011               6505051234567   20261211    0 ' \
  'D0710102000001    400000003000011               6505051234567   20261211    0 ' \
  'E0000004000000200000000800000000000000000000000000000000000000000000      '
expect_records SND05 \
  'SC2KEB00001  052612091211630001234567            1 0501QOREX            '"'"'%  ' \
  'D0512345678901    400000007000011               7507072345678   20261211      ' \
  'E0000003000000100000000700000000000000000000000000000000000000000000      '
expect_records SND35 \
  'S35JEJU000111261211261211261209        70001123456                            ' \
  'D0433344445555    00000010008109092345678           생계          0011        ' \
  'D3512345678901    00000800008008081234567           생계          0311        ' \
  'E000004000000081000000000000000000000000000000000000000                       '
for f in SND07 SND05 SND35; do
  head -c 61 "$home/Send/$f" | grep -q "^<<NEHEAD>>1N0000000000 *OFFICE01  $f 001" || fail "$f envelope"
done

# Sent; banksim answers every request file, failing two accounts.
sql "UPDATE TBTrans SET State = 2 WHERE KigwanID < 5; UPDATE TBTransSub SET State = 2 WHERE KigwanId < 5"
"$bin/banksim" --in "$home/Send" --out "$home/Recv" --home "$home" --fail 10102000001,33344445555 \
  > "$root/banksim.txt" || fail "banksim: $(cat "$root/banksim.txt")"
expect_line "$(cat "$root/banksim.txt")" "answered: SND07 -> RCV07 (Fisheries)"
expect_line "$(cat "$root/banksim.txt")" "answered: SND05 -> RCV05 (ForeignExchange)"
expect_line "$(cat "$root/banksim.txt")" "answered: SND35 -> RCV35 (Jeju)"
# The fisheries answer's header carries the institution's bank ID on the network.
head -c 13 "$home/Recv/RCV07" | grep -q '^SC2SH00701' || fail "RCV07 header: $(head -c 80 "$home/Recv/RCV07")"

cli_ok apply
expect_line "$out" "file: 서울구청	RCV01	2	자금 이체"
expect_line "$out" "file: 완도수협	RCV07	2	자금 이체"
expect_line "$out" "file: 외환기관	RCV05	1	자금 이체"
expect_line "$out" "file: 제주시청	RCV35	2	자금 이체"
expect_line "$out" "status: 수신 자료 처리 완료."
results=$(sql "SELECT KigwanId, BankNo, State, Result, Recv_date FROM TBTransSub ORDER BY KigwanId, BankId, BankNo")
[ "$results" = "$(printf '%s\n' \
  '1|100-01-0000-123|3|0000|2026-12-10' '1|123-4567-8901|3|0000|2026-12-10' \
  '2|222-3333-4444|3|0000|2026-12-10' '2|101-02-000001|3|9999|2026-12-10' \
  '3|123-45-678901|3|0000|2026-12-10' \
  '4|333-4444-5555|3|9999|2026-12-10' '4|12345678901|3|0000|2026-12-10' \
  '5|99999999999|1||')" ] || fail "recipients: $results"
orders=$(sql "SELECT group_concat(State || ' ' || ifnull(Recv_date, ''), ',') FROM (SELECT * FROM TBTrans ORDER BY KigwanId)")
[ "$orders" = "3 2026-12-10,3 2026-12-10,3 2026-12-10,3 2026-12-10,1 " ] || fail "orders: $orders"
echo ok
