#!/bin/sh
# selvane-cli print without a display: the statement's PDF (read back with pdftotext) and the
# unpaid list file for a selection, for every choice, and the two messages that stop it.
set -eu
bin=$1
home=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$home"' EXIT
export NORVA_HOME="$home" NORVA_REGISTRY="$home/registry.reg"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "FAIL: $*"; exit 1; }
squeezed() { pdftotext -layout "$1" - | tr -d ' \n\f'; }

"$bin/mkprogram" "$home" >/dev/null
sqlite3 "$home/Data/norva.db" <<'SQL'
INSERT INTO TBManager (DongID, DongNm) VALUES ('0001', '역삼동'), ('0002', '삼성동');
INSERT INTO TBLargeItem (LargeItmId, LargeItmNm) VALUES ('01', '생계'), ('02', '주거');
INSERT INTO TBResultCd (BankID, ResultCd, Result_NM) VALUES ('04', '9999', '계좌없음');
INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, State, Result) VALUES
  (1, '0001', '01', '04', '123-4567-8901', '700101-1234561', 1234567, '홍길동', 3, '0000'),
  (1, '0001', '01', '04', '100-01-0000-123', '800202-2345671', 2500, '김영희', 3, '9999'),
  (1, '0001', '01', '88', '110-123-456789', '650315-1234560', 98000, '박철수', 2, NULL),
  (1, '0002', '01', '04', '555-66', '750505-1111111', 10000, '이삼성', 3, '0000'),
  (1, '0001', '02', '04', '777-88', '760606-2222222', 20000, '최주거', 3, '0000');
SQL

# The dong's recipients of the item.
out=$("$bin/selvane-cli" print 1 역삼동 생계 --pdf "$home/out.pdf" 2>"$home/stderr") \
  || fail "print: $out $(cat "$home/stderr")"
[ "$out" = "$(printf 'file: %s\nfile: %s\nstatus: 지급내역서 3건 1쪽 (이체지급 1건, 미지급 2건)' \
  "$home/역삼동생계Error.Txt" "$home/out.pdf")" ] || fail "print output: $out"
expected=$(printf '%s\r\n' \
  '04 100010000123    000002500 8002022345671 김영희' \
  '88 110123456789    000098000 6503151234560 박철수' | iconv -f UTF-8 -t CP949 | od -c)
[ "$(od -c < "$home/역삼동생계Error.Txt")" = "$expected" ] || fail "unpaid list differs"
text=$(squeezed "$home/out.pdf")
[ "$text" = "지급내역서동명:역삼동-생계연번성명주민등록번호은행계좌번호금액결과\
1김영희800202-2345671국민은행100-01-0000-1232,500계좌없음\
2홍길동700101-1234561국민은행123-4567-89011,234,567정상처리\
3박철수650315-1234560신한은행110-123-45678998,000\
이체지급1건1,234,567원계3건1,335,067원별도지급0건0원미지급2건100,500원-1-" ] \
  || fail "statement text: $text"

# Every choice makes a statement; the rows each lists, by name.
for case in '0 삼성동 생계 김영희홍길동박철수이삼성' '1 전체동 생계 김영희홍길동박철수이삼성' \
            '2 전체동 생계 홍길동이삼성' '3 역삼동 생계 김영희박철수' '4 역삼동 주거 김영희홍길동박철수최주거' \
            '5 삼성동 주거 최주거'; do
  set -- $case
  "$bin/selvane-cli" print "$1" "$2" "$3" --pdf "$home/choice$1.pdf" >/dev/null 2>&1 \
    || fail "choice $1 failed"
  names=$(pdftotext -layout "$home/choice$1.pdf" - | awk '$1 ~ /^[0-9]+$/ && NF > 3 { printf "%s", $2 }')
  [ "$names" = "$4" ] || fail "choice $1 lists $names"
done
case "$(squeezed "$home/choice0.pdf")" in
  지급내역서동명:전체연번*) ;;
  *) fail "choice 0 heading" ;;
esac

# No dong of that name: nothing is written.
status=0
out=$("$bin/selvane-cli" print 1 없는동 생계 --pdf "$home/none.pdf" 2>/dev/null) || status=$?
[ "$status" = 1 ] && [ "$out" = "error: 동 및 항목을 선택하여주세요" ] || fail "no dong: $status $out"
[ ! -e "$home/none.pdf" ] && [ ! -e "$home/없는동생계Error.Txt" ] || fail "no dong wrote a file"

# Entry 4 with every dong finds nothing: the empty list is written, no statement.
status=0
out=$("$bin/selvane-cli" print 4 전체동 생계 --pdf "$home/empty.pdf" 2>/dev/null) || status=$?
[ "$status" = 1 ] || fail "no data exit $status"
[ "$out" = "$(printf 'file: %s\nerror: 출력할 조건에 맞는 자료가 존재 하지 않습니다.' "$home/전체동생계Error.Txt")" ] \
  || fail "no data: $out"
[ -f "$home/전체동생계Error.Txt" ] && [ ! -s "$home/전체동생계Error.Txt" ] || fail "no data list"
[ ! -e "$home/empty.pdf" ] || fail "no data wrote a statement"

# Bad usage.
status=0
"$bin/selvane-cli" print 6 역삼동 생계 --pdf "$home/bad.pdf" >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "choice 6 exit $status"
status=0
"$bin/selvane-cli" print 1 역삼동 생계 >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "no --pdf exit $status"
echo ok
