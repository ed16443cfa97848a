#!/bin/sh
# A layout conversion that stops at a bad line removes the lines it converted, so that the
# mended file converts whole on the next run instead of clashing with its own earlier rows.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program convert
sql "DELETE FROM TBTransSub"
sql "INSERT INTO TBCath (Name, ReLen, BankPos, BankLen, AccPos, AccLen, WonPos, WonLen, JuminPos, JuminLen, NamePos, NameLen)
     VALUES ('CSV', 0, 1, 2, 4, 12, 17, 8, 26, 13, 40, 10)"
rec() { printf '%-2s %-12s %8s %-13s %-10s\r\n' "$@"; }
{ rec 04 123456789012 150000 8001011234560 HONG
  rec 04 123456789013 -2500 8001011234560 KIM
  rec 04 123456789014 7000 8001011234560 LEE; } > "$root/list.txt"
cli_fails convert 1 0001 01 CSV "$root/list.txt"
expect_line "$out" "info: \"-2500\"는 적절하지 않은 이체금액 데이타입니다."
expect_line "$out" "info: 자료 변환을 중단하여 이번에 변환한 1건을 지웠습니다."
[ "$(sql "SELECT count(*) FROM TBTransSub")" = "0" ] || fail "rows kept after a stop"
sed -i 's/ -2500 /  2500 /' "$root/list.txt"
cli_ok convert 1 0001 01 CSV "$root/list.txt"
expect_line "$out" "info: 총 3 건의 자료가 변환되었습니다."
[ "$(sql "SELECT count(*) FROM TBTransSub")" = "3" ] || fail "the mended file did not convert whole"
echo ok
