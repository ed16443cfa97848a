#!/bin/sh
# A result file cut before its end record applies nothing and says so; every record passed over
# is named; a count that differs from the end record's is shown.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program cut
cli_ok --yes send --test
"$bin/banksim" --in "$home/Send" --out "$root/answers" --home "$home" >/dev/null
head -c 240 "$root/answers/RCV01" > "$home/Recv/RCV01"  # header and two data records
cli_ok apply
expect_line "$out" "file: 서울구청	RCV01		끝 레코드 없음, 적용하지 않음 (재수신하십시오)"
[ "$(states)" = "2,2,2" ] || fail "a cut file was applied: $(states)"
[ -f "$home/Recv/Old/RCV01" ] || fail "the cut file is not kept"

# A whole file with a record that matches nobody: the rest applies, the record is named.
sed 's/^D04100010000123   /D04999999999999   /' "$root/answers/RCV01" > "$home/Recv/RCV01"
cli_ok apply
expect_line "$out" "file: 서울구청	RCV01	2	자금 이체 (적용 1건, 끝 레코드 건수와 다름, 건너뜀 1건)"
expect_line "$out" "warning: RCV01: 적용하지 않은 레코드 1건"
expect_line "$out" "warning: 2번째 레코드 (D): 일치하는 송신완료 수신자 없음: 04 999-99-9999-999 2500"
[ "$(states)" = "3,3,2" ] || fail "states: $(states)"
echo ok
