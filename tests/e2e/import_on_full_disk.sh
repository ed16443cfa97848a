#!/bin/sh
# An import whose commit fails on a full disk reports the failure with its reason and stores
# nothing; it never says it imported.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program full
sql "DELETE FROM TBTransSub"
cli_ok check
line() { printf '%-2s %-20s %9s %-13s %-20s\r\n' "$@"; }
{ line 04 123456789012 150000 8001011234560 HONG; line 04 123456789013 2500 8001011234560 KIM; } > "$root/list.txt"
mount_small "$home/Data" 2048
fill_but "$home/Data" 36
cli_fails import 1 0001 01 "$root/list.txt"
expect_prefix "$out" "error: 변경한 자료를 저장하지 못했습니다: "
expect_no_line "$out" "건을 불러왔습니다"
unfill "$home/Data"
[ "$(sql "SELECT count(*) FROM TBTransSub")" = "0" ] || fail "rows stored after a failed import"
cli_ok import 1 0001 01 "$root/list.txt"
expect_prefix "$out" "status: 2건을 불러왔습니다."
echo ok
