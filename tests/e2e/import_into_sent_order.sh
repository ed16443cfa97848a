#!/bin/sh
# The command line imports into no order that was already sent or received: its new recipients
# would never be sent.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program sent
sql "INSERT INTO TBCath (Name, ReLen, BankPos, BankLen, AccPos, AccLen, WonPos, WonLen, JuminPos, JuminLen, NamePos, NameLen)
     VALUES ('CSV', 0, 1, 2, 4, 12, 17, 8, 26, 13, 40, 10)"
printf '04 123456789012 %8s 8001011234560 HONG\r\n' 1000 > "$root/one.txt"
printf '%-2s %-20s %9s %-13s %-20s\r\n' 04 123456789019 1000 8001011234560 HONG > "$root/list.txt"
for state in 2 3; do
  sql "UPDATE TBTrans SET State = $state"
  cli_fails import 1 0001 01 "$root/list.txt"
  expect_line "$out" "error: 송수신 완료는 수정 하실 수 없습니다."
  cli_fails convert 1 0001 01 CSV "$root/one.txt"
  expect_line "$out" "error: 송수신 완료는 수정 하실 수 없습니다."
done
[ "$(sql "SELECT count(*) FROM TBTransSub")" = "2" ] || fail "recipients added to a sent order"
echo ok
