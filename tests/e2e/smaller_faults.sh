#!/bin/sh
# Import files that are no plain files, control characters in a name, bank codes and resident
# numbers of the wrong shape, and the mailbox of a new program folder.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program small
sql "DELETE FROM TBTransSub"
mkdir -p "$root/a-folder"
cli_fails import 1 0001 01 "$root/a-folder"
expect_line "$out" "error: 보통 파일이 아니어서 읽을 수 없습니다: $root/a-folder"
mkfifo "$root/a-fifo"
out=$(timeout 20 "$bin/selvane-cli" import 1 0001 01 "$root/a-fifo") && fail "a FIFO was imported"
expect_line "$out" "error: 보통 파일이 아니어서 읽을 수 없습니다: $root/a-fifo"
printf '%-2s %-20s %9s %-13s HO\000NG\r\n' 04 123456789012 1000 8001011234560 > "$root/nul.txt"
cli_fails import 1 0001 01 "$root/nul.txt"
expect_line "$out" "error: 1번째 줄의 성명(49-68)에 제어 문자가 있어 불러오기를 중단했습니다."
[ "$(sql "SELECT count(*) FROM TBTransSub")" = "0" ] || fail "a refused file imported rows"

# Bank codes of two digits; resident numbers of 13 digits with at most one hyphen after the 6th.
for bank in 4 004 ZZ; do
  if out=$(cli account "$bank" 123456789012); then fail "account $bank: $out"; fi
  expect_line "$out" "error: 은행코드는 두 자리 숫자입니다: $bank"
done
for number in 80010112345601 -8001011234560 800101-12345601 80010-11234560; do
  [ "$(cli resident "$number")" = "valid=0" ] || fail "resident $number passes"
done
[ "$(cli resident 800101-1234560)" = "valid=1" ] || fail "a good resident number fails"

# A new program folder has its mailbox: a send over the default network works out of the box.
home=$root/fresh
export NORVA_HOME="$home" NORVA_REGISTRY="$root/fresh.reg"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]\n"LoginID"="OFFICE01"\n' > "$NORVA_REGISTRY"
"$bin/mkprogram" "$home" >/dev/null
[ -d "$home/Mailbox" ] || fail "no Mailbox/ in a new program folder"
cli_ok demo
sed -i 's/"LoginID"="DEMO01"/"LoginID"="OFFICE01"/' "$NORVA_REGISTRY"
cli_ok send
expect_line "$out" "status: 송신 성공."
# A configured mailbox that is missing stays an error, with its reason.
printf '\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Network]\n"Mailbox"="%s/"\n' "$root/nowhere" >> "$NORVA_REGISTRY"
sql "UPDATE TBTrans SET State = 1; UPDATE TBTransSub SET State = 1"
cli_fails send
expect_line "$out" "error: 송신 실패. 디렉토리 설정이 되어 있지 않습니다 (우편함 폴더가 없습니다: $root/nowhere/)"
echo ok
