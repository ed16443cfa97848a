#!/bin/sh
# Amounts that are no whole number of won above zero, and bank codes that are no bank, never
# reach the request file: the build holds such recipients back with a warning naming each.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program unpayable
sql <<'SQL'
INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, State) VALUES
  (1, '0001', '01', '04', '111-11-1111-111', '700101-1234567', -2500, '가', 1),
  (1, '0001', '01', '04', '222-22-2222-222', '700101-1234567', 1500.7, '나', 1),
  (1, '0001', '01', 'ZZ', '333', '700101-1234567', 1000, '다', 1),
  (1, '0001', '01', ' 4', '444', '700101-1234567', 1000, '라', 1),
  (1, '0001', '01', '99', '555', '700101-1234567', 1000, '마', 1);
SQL
cli_ok build
expect_line "$out" "file: 서울구청	SND01	2	자금 이체"
expect_line "$out" "warning: 이체금액이 1원 이상의 원 단위 금액이 아닙니다: 가 04 111-11-1111-111 -2500"
expect_line "$out" "warning: 이체금액이 1원 이상의 원 단위 금액이 아닙니다: 나 04 222-22-2222-222 1500.7"
expect_line "$out" "warning: 등록되지 않은 은행코드입니다: 다 ZZ 333"
expect_line "$out" "warning: 등록되지 않은 은행코드입니다: 라  4 444"
expect_line "$out" "warning: 등록되지 않은 은행코드입니다: 마 99 555"
[ "$(grep -c '^D' "$home/Send/SND01")" = "2" ] || fail "request records: $(cat "$home/Send/SND01")"
grep -q '^E00000040000002000000015250000' "$home/Send/SND01" || fail "end record counts them"
# Sent, the held-back recipients stay pending.
cli_ok --yes send --test
[ "$(states)" = "2,2,2,1,1,1,1,1" ] || fail "states: $(states)"

# The conversion refuses them; the fixed-position import lists them in its error file.
make_program imports
sql "DELETE FROM TBTransSub"
sql "INSERT INTO TBCath (Name, ReLen, BankPos, BankLen, AccPos, AccLen, WonPos, WonLen, JuminPos, JuminLen, NamePos, NameLen)
     VALUES ('CSV', 0, 1, 2, 4, 12, 17, 8, 26, 13, 40, 10)"
for amount in 1500.7 1e3 -2500; do
  printf '04 123456789012 %8s 8001011234560 HONG\r\n' "$amount" > "$root/one.txt"
  cli_fails convert 1 0001 01 CSV "$root/one.txt"
  expect_line "$out" "info: \"$amount\"는 적절하지 않은 이체금액 데이타입니다."
done
line() { printf '%-2s %-20s %9s %-13s %-20s\r\n' "$@"; }
{ line ZZ 123456789012 1000 8001011234560 HONG; line 04 123456789013 -2500 8001011234560 KIM; } > "$root/list.txt"
cli_ok import 1 0001 01 "$root/list.txt"
iconv -f CP949 -t UTF-8 "$home/역삼동_생계.txt" > "$root/errors.txt"
grep -q '은행코드 에러' "$root/errors.txt" || fail "bank code not listed: $(cat "$root/errors.txt")"
grep -q '금액 에러' "$root/errors.txt" || fail "amount not listed: $(cat "$root/errors.txt")"
echo ok
