#!/bin/sh
# A result file is read once: afterwards it is in Recv/Old, and next month's order of the same
# recipients is not answered by it, neither by apply nor by a test-mode receive.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program once
cli_ok --yes send --test
"$bin/banksim" --in "$home/Send" --out "$home/Recv" --home "$home" --fail 100010000123 >/dev/null
printf 'stray\r\n' > "$home/Recv/NOTICE.TXT"
cli_ok apply
expect_line "$out" "file: 서울구청	RCV01	2	자금 이체"
[ -z "$(ls "$home/Recv" | grep -v '^Old$')" ] || fail "files left in Recv: $(ls "$home/Recv")"
[ "$(ls "$home/Recv/Old" | tr '\n' ' ')" = "NOTICE.TXT RCV01 " ] || fail "not kept in Recv/Old"

# Next month: the same recipients sent again.
sql "UPDATE TBTrans SET State = 2; UPDATE TBTransSub SET State = 2, Result = NULL"
cli_ok apply
expect_no_line "$out" "RCV01"
cli_fails --yes receive --test
expect_line "$out" "status: 수신 처리할 파일이 없습니다."
[ "$(sql "SELECT group_concat(State || ifnull(Result, '-')) FROM TBTransSub")" = "2-,2-" ] \
  || fail "last month's results applied again"
echo ok
