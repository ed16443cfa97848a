#!/bin/sh
# The program deletes only the files it wrote: a send folder set to a folder of documents keeps
# them (and nothing of them is sent), the receive folder's files go to Recv/Old instead of away,
# the result folder is left alone, and one folder named twice is refused.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program folders
mkdir -p "$root/docs"
printf 'minutes' > "$root/docs/minutes.hwp"
printf 'kept' > "$home/Result/NOTES.TXT"
cat >> "$NORVA_REGISTRY" <<REG

[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]
"SendDir"="$root/docs"
REG
cli_fails send
expect_line "$out" "error: 송신 자료 생성 실패. 송신 폴더에 이 프로그램의 송신 파일이 아닌 파일이 있습니다: minutes.hwp ($root/docs/)"
[ -f "$root/docs/minutes.hwp" ] || fail "a document was deleted"
[ -z "$(ls "$mailbox/outbox/OFFICE01" 2>/dev/null)" ] || fail "something was sent"
rm "$root/docs/minutes.hwp"
cli_ok send
[ -f "$home/Result/NOTES.TXT" ] || fail "the result folder was emptied"

# Received files are moved aside before a receive, never deleted.
printf 'last month' > "$home/Recv/RCV01"
cli_fails receive
[ "$(cat "$home/Recv/Old/RCV01")" = "last month" ] || fail "an unread result file was deleted"

# The send folder named as the receive folder too.
cat >> "$NORVA_REGISTRY" <<REG

[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]
"RecvDir"="$root/docs"
REG
printf 'answer\r\n' > "$root/docs/RCV01"
cli_fails receive
expect_line "$out" "error: 수신 실패. 송신 폴더와 수신 폴더가 같은 폴더입니다: $root/docs/ 통신환경설정에서 서로 다른 폴더를 지정하십시오."
[ -f "$root/docs/RCV01" ] || fail "a file was moved or deleted"
echo ok
