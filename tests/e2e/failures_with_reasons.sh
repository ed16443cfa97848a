#!/bin/sh
# Every failure is followed by its reason: a build, a send, an apply on a locked database, a
# settings file that is a folder or damaged.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program reasons
sql "UPDATE TBTrans SET A_Date = NULL"
cli_fails build
expect_line "$out" "error: 송신 자료 생성 실패. 작업일자나 이체일자가 없는 이체가 있습니다: 서울구청"
sql "UPDATE TBTrans SET A_Date = '2026-12-09'"

# The component's reason: no EDI user ID.
sed -i 's/"LoginID"="OFFICE01"/"LoginID"=""/' "$NORVA_REGISTRY"
cli_fails send
expect_line "$out" "error: 송신 실패. 사용자 ID가 등록되어 있지 않습니다 (사용자 ID: \"\")"

# A locked database while applying.
cli_ok --yes send --test
"$bin/banksim" --in "$home/Send" --out "$home/Recv" --home "$home" >/dev/null
lock_database
cli_fails apply
unlock_database
expect_prefix "$out" "error: 수신 자료 처리 실패. 데이터베이스가 사용 중입니다. 잠시 후 다시 하십시오: "
[ -f "$home/Recv/RCV01" ] || fail "the unapplied file left the receive folder"
cli_ok apply

# The settings file is a folder, or damaged: named, and the command goes on with defaults.
mkdir -p "$root/registry-folder"
NORVA_REGISTRY="$root/registry-folder" cli_ok check
expect_line "$out" "warning: 레지스트리 파일을 읽을 수 없습니다: $root/registry-folder"
printf 'garbage\n' > "$root/damaged.reg"
NORVA_REGISTRY="$root/damaged.reg" cli_ok check
expect_line "$out" "warning: 레지스트리 파일이 손상되었습니다: $root/damaged.reg 1번째 줄: 첫 줄이 REGEDIT4 가 아닙니다"
echo ok
