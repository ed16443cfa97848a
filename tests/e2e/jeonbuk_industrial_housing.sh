#!/bin/sh
# Institutions of Jeonbuk Bank (37), Industrial Bank (03) and Housing bank (06) beside one of the
# standard format in one program folder: `selvane-cli build` writes their request files (Jeonbuk
# two, by the recipients' bank; Industrial and Housing only their own bank's recipients, the
# others named in a warning and left pending), banksim answers, `selvane-cli apply` records the
# results. Then result files that come back by hand: one for a Jeonbuk institution without orders
# makes its order and recipients, and headers that select no institution apply and make nothing.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program families
stored() { cli account "$1" "$2" | cut -d' ' -f2; }  # BANK DIGITS: the account as stored
a37=$(stored 37 1002333444556)
a04=$(stored 04 12345678902)
a03=$(stored 03 98765432101015)
a11=$(stored 11 3010123456781)
a06=$(stored 06 12345678901)
sql <<SQL
INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, RecvName, BCode) VALUES
  (2, '전주시청', '37', '1-002-33-3444555', '001234', 'CORP37', 'SND37', 'RCV37', 'BK37'),
  (3, '기업구청', '03', '123-456789-01-012', '001234', 'CORP03', 'SND03', 'RCV03', 'BK03'),
  (4, '주택구청', '06', '123-45-6789', '001234', 'CORP06', 'SND06', 'RCV06', 'BK06'),
  (5, '완주군청', '37', '1-002-33-3444555', '001234', 'CORP38', 'SND38', 'RCV38', 'BK38');
INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, BankNo, BankID,
                     A_Date, To_date, State, KigwanName, LocalBank)
  SELECT KigwanID, '0001', '01', BCode, CorCode, SendName, RecvName, BankNo, BankID,
         '2026-12-09', '2026-12-11', 1, KiGwanName, LocalBank FROM KiGwan WHERE KigwanID IN (2, 3, 4);
INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, State) VALUES
  (2, '0001', '01', '37', '$a37', '700101-1234567', 150000, '정전북', 1),
  (2, '0001', '01', '04', '$a04', '800202-2345678', 2500, '김국민', 1),
  (3, '0001', '01', '03', '$a03', '700101-1234567', 7000, '박기업', 1),
  (3, '0001', '01', '11', '$a11', '650315-1234560', 3000, '이농협', 1),
  (4, '0001', '01', '04', '$a04', '800202-2345678', 2500, '최국민', 1),
  (4, '0001', '01', '06', '$a06', '650315-1234560', 10000, '한주택', 1);
SQL

cli_ok build
expect_line "$out" "file: 서울구청	SND01	2	자금 이체"
expect_line "$out" "file: 전주시청	SND37	2	자금 이체"
expect_line "$out" "file: 기업구청	SND03	1	자금 이체"
expect_line "$out" "file: 주택구청	SND06	1	자금 이체"
expect_line "$out" "warning: 기업구청: 기업은행 계좌가 아닌 수급자 1명은 보내지 않았습니다."
expect_line "$out" "warning: 주택구청: 주택은행 계좌가 아닌 수급자 1명은 보내지 않았습니다."
[ "$(ls "$home/Send" | grep -v '^Old$' | tr '\n' ' ')" = "SND01 SND03 SND06 SND37 SND37_1 " ] \
  || fail "request files: $(ls "$home/Send")"

# The records after each file's envelope line, byte for byte (CP949).
sp() { printf '%*s' "$1" ''; }
item=$(printf '%s' '생계' | iconv -f UTF-8 -t CP949)
z40=0000000000000000000000000000000000000000
records() {  # FILE: the file without its envelope line, as od shows it
  head -c 63 "$home/Send/$1" | head -c 10 | grep -q '<<NEHEAD>>' || fail "$1 has no envelope line"
  tail -c +64 "$home/Send/$1" | od -c
}
expect_records() {  # FILE RECORD...
  file=$1
  shift
  [ "$(printf '%s\r\n' "$@" | od -c)" = "$(records "$file")" ] || {
    tail -c +64 "$home/Send/$file" | iconv -f CP949 -t UTF-8 >&2
    fail "records of $file differ"
  }
}
header37="SC2CORP37    037261209261211""1002333444555  $(sp 9)1 $(sp 4)QOREX $(sp 14)"
expect_records SND37 \
  "$header37" \
  "D0371002333444556   0000015000011$(sp 15)7001011234567     01$(sp 6)$item" \
  "E00000030000001""0000000150000$z40$(sp 10)"
expect_records SND37_1 \
  "$header37" \
  "D00412345678902     0000000250011$(sp 15)8002022345678     01$(sp 6)$item" \
  "E00000030000001""0000000002500$z40$(sp 10)"
expect_records SND03 \
  "1103821211$(sp 6)12345678901012 03$(sp 5)$(sp 11)1 $(sp 4)QOREX $(sp 17)" \
  "22038200000198765432101015""000000070007001011234567$(sp 11)$(sp 15)" \
  "33038200000010000000007000$(sp 52)"
expect_records SND06 \
  "SC2CORP06    062612091211123456789$(sp 6)$(sp 9)1 0012QOREX $(sp 17)" \
  "D0612345678901    350000001000011$(sp 15)6503151234560   202612111211  " \
  "E00000030000001""0000000010000${z40}0033$(sp 6)"

# The send marks what was written; banksim answers both Jeonbuk files into one result file.
cli_ok --yes send --test
"$bin/banksim" --in "$home/Send" --out "$home/Recv" --home "$home" \
  --fail 12345678902,98765432101015 >/dev/null || fail "banksim"
cli_ok apply
expect_line "$out" "file: 서울구청	RCV01	2	자금 이체"
[ "$(printf '%s\n' "$out" | grep -cxF "file: 전주시청	RCV37	1	자금 이체")" = 2 ] \
  || fail "one line per Jeonbuk file: $out"
expect_line "$out" "file: 기업구청	RCV03	1	자금 이체"
expect_line "$out" "file: 주택구청	RCV06	1	자금 이체"
expect_line "$out" "status: 수신 자료 처리 완료."
expect_no_line "$out" "warning:"
results=$(sql "SELECT KigwanId, Name, State, ifnull(Result, '-') FROM TBTransSub WHERE KigwanId > 1 ORDER BY rowid")
[ "$results" = "2|정전북|3|0000
2|김국민|3|9999
3|박기업|3|9999
3|이농협|1|-
4|최국민|1|-
4|한주택|3|0000" ] || fail "results: $results"
[ "$(sql "SELECT group_concat(State) FROM TBTrans")" = "3,3,3,3" ] || fail "orders not received"

# A Jeonbuk result for an institution without orders makes them; headers of no institution (a
# Jeonbuk BCode no institution has, an Industrial account that is not the institution's) apply
# and make nothing.
rec() { printf '%-78s\r\n' "$1"; }
{
  rec "SC2$(printf '%-10s' BK38)037261209261211""1002333444555"
  rec "D0371002333444557   0000005000011 0000$(sp 10)7101011234567     01"
  rec "E00000030000001""0000000050000"
} > "$home/Recv/RCV38"
{
  rec "SC2$(printf '%-10s' BK99)037261209261211""1002333444555"
  rec "D0371002333444558   0000005000011 0000$(sp 10)7101011234567     01"
  rec "E00000030000001""0000000050000"
} > "$home/Recv/RCV37"
{
  rec "1103821211$(sp 6)99999999999999 03"
  rec "22038200000198765432101015""00000007000"
  rec "33038200000010000000007000"
} > "$home/Recv/RCV03"
sql "UPDATE TBTransSub SET State = 2, Result = NULL WHERE KigwanId = 3 AND BankId = '03';
     UPDATE TBTrans SET State = 2 WHERE KigwanId = 3"
cli_ok apply
expect_line "$out" "file: 완주군청	RCV38	1	자금 이체"
expect_line "$out" "file: 	RCV37	1	일치하는 기관 없음, 적용하지 않음"
expect_line "$out" "file: 	RCV03	1	일치하는 기관 없음, 적용하지 않음"
expect_line "$out" "warning: 1번째 레코드 (S): 등록된 기관이 아님: 37 BK99"
expect_line "$out" "warning: 1번째 레코드 (1): 헤더의 은행코드나 출금계좌가 이 파일을 받는 기관과 다름: 03 99999999999999"
made=$(sql "SELECT t.KigwanId, t.DongID, t.LargeItmID, t.Bigo, t.State, t.ECount, t.TotalSum, s.BankNo, s.Jumin, s.State, s.Result
            FROM TBTrans t JOIN TBTransSub s ON s.KigwanId = t.KigwanId AND s.DongId = t.DongID AND s.LargeitmId = t.LargeItmID
            WHERE t.KigwanId = 5")
[ "$made" = "5||01|수신시 생성|3|1|50000.0|$(stored 37 1002333444557)|710101-1234567|3|0000" ] \
  || fail "made from the file: $made"
[ "$(sql "SELECT count(*) FROM TBTransSub WHERE BankNo = '$(stored 37 1002333444558)'")" = 0 ] \
  || fail "a recipient made without an institution"
[ "$(sql "SELECT State FROM TBTransSub WHERE Name = '박기업'")" = 2 ] || fail "a disagreeing header applied"
echo ok
