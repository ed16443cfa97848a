#!/bin/sh
# Institutions of the NongHyup central bank (11) and of a member co-operative (12) next to one of
# the standard format (04) in one program folder: `selvane-cli build` writes each request file
# (compared byte for byte; a member-format account that does not fit is held back), `send` puts
# them on the mailbox network, banksim answers with two accounts failing, `receive` applies the
# results, a central account whose own first digit is 0 included.
bin=$1
. "$(dirname "$0")/lib.sh"
make_program nonghyup
sql <<'SQL'
INSERT INTO TBLargeItem (LargeItmId, LargeItmNm) VALUES ('02', '기초생활급여');
INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, RecvName, BCode) VALUES
  (2, '농협중앙기관', '11', '301-0123-4567-81', '001', 'NHC00001', 'NHC01', 'NHR01', 'NH11'),
  (3, '단위농협기관', '12', '351-0123-4567-89', '002', 'NHM0001', 'NHM01', 'NHR02', 'NH12');
INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, BankNo, BankID,
                     A_Date, To_date, State, KigwanName, LocalBank)
  SELECT KigwanID, '0001', '02', BCode, CorCode, SendName, RecvName, BankNo, BankID,
         '2026-12-09', '2026-12-11', 1, KiGwanName, LocalBank FROM KiGwan WHERE KigwanID IN (2, 3);
INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, State, JaGubun) VALUES
  (2, '0001', '02', '11', '302-12-345678', '820303-1234567', 150000, '이순신', 1, 1),
  (2, '0001', '02', '11', '012-1234-5678-91', '810202-1234567', 3000, '강감찬', 1, 66),
  (2, '0001', '02', '12', '351-1234-5678-93', '830404-2345678', 2500, '유관순', 1, 1),
  (2, '0001', '02', '04', '123-4567-8901', '800101-1234567', 7000, '안중근', 1, 2),
  (3, '0001', '02', '12', '351-9876-5432-13', '700101-1234567', 100, '윤봉길', 1, 1),
  (3, '0001', '02', '11', '301-98-765432', '700101-1234567', 2500, '김구', 1, 6),
  (3, '0001', '02', '11', '302-1234-5678-91', '700101-1234567', 5000, '최영', 1, 1),
  (3, '0001', '02', '04', '123-45-6789-012', '700101-1234567', 7, '정약용', 1, NULL);
SQL

cli_ok build
expect_line "$out" "file: 서울구청	SND01	2	자금 이체"
expect_line "$out" "file: 농협중앙기관	NHC01	4	자금 이체"
expect_line "$out" "file: 단위농협기관	NHM01	3	자금 이체"
# "0" + 16 characters do not fit the member format's 16: held back, never cut.
expect_line "$out" "warning: 계좌번호가 송신 파일의 칸보다 깁니다: 최영 11 302-1234-5678-91"

# The records after the envelope line, byte for byte (the item names read back from CP949).
records() { tail -c +64 "$home/Send/$1" | iconv -f CP949 -t UTF-8 | od -c; }
# Fields of the central records: user number, fund category, bank, account (bank 11 widened to
# "000" + 11 or "00" + 13 digits), sequence, amount, resident number, item name, payment date.
expected=$(printf '%s\r\n' \
  "S""11""NHC00001""11""261211""261211""261209""NEWNORVA""$(printf '%39s' '')" \
  "D""NHC00001""02""04""12345678901    ""000001""0000007000""8001011234567   ""기초생활급"" 261211 " \
  "D""NHC00001""66""11""000121234567891""000002""0000003000""8102021234567   ""기초생활급"" 261211 " \
  "D""NHC00001""01""11""00030212345678 ""000003""0000150000""8203031234567   ""기초생활급"" 261211 " \
  "D""NHC00001""01""12""3511234567893  ""000004""0000002500""8304042345678   ""기초생활급"" 261211 " \
  "E""NHC00001""000006""000000162500""000002""000000153000""000001""000000002500""00001""0000007000" \
  | od -c)
[ "$expected" = "$(records NHC01)" ] || fail "central request records differ: $(records NHC01)"
# Member records: sequence, bank, account (hyphens kept at 11 and 12), amount, "9", the answer's
# blanks, the record check (day 11), fund category, item name; the end with the groups 12, 11,
# others and the batch check.
expected=$(printf '%s\r\n' \
  "11""12""261211""000000""1""70""NHM0001""1111""351-0123-4567-89""$(printf '%27s' '')""NEW  " \
  "22""0000001""04""123456789012    ""000000000007""9""  ""0162""$(printf '%18s' '')""00""기초생활급여" \
  "22""0000002""11""00301-98-765432 ""000000002500""9""  ""2619""$(printf '%18s' '')""06""기초생활급여" \
  "22""0000003""12""351-9876-5432-13""000000000100""9""  ""1026""$(printf '%18s' '')""01""기초생활급여" \
  "33""000003""000000002607""000001""000000000100""000001""000000002500""000001""000000000007""3509" \
  | od -c)
[ "$expected" = "$(records NHM01)" ] || fail "member request records differ: $(records NHM01)"
for file in NHC01 NHM01; do
  case "$(head -c 61 "$home/Send/$file")" in
    "<<NEHEAD>>1N0000000000"*"OFFICE01  $file 001NH1"?"      ") ;;
    *) fail "envelope line of $file: $(head -c 61 "$home/Send/$file")" ;;
  esac
done

cli_ok send
expect_line "$out" "status: 송신 성공."
# The held-back recipient stays pending; every other one is sent.
[ "$(states)" = "2,2,2,2,2,2,2,2,2,2,2,1,2" ] || fail "states after send: $(states)"

"$bin/banksim" --mailbox "$mailbox" --login OFFICE01 --home "$home" \
  --fail 0121234567891,30198765432 > "$root/banksim.out" || fail "banksim: $(cat "$root/banksim.out")"
expect_line "$(cat "$root/banksim.out")" "answered: NHC01 -> NHR01 (NongHyupCentral)"
expect_line "$(cat "$root/banksim.out")" "answered: NHM01 -> NHR02 (NongHyupMember)"

cli_ok receive
expect_line "$out" "file: 서울구청	RCV01	2	자금 이체"
expect_line "$out" "file: 농협중앙기관	NHR01	4	자금 이체"
expect_line "$out" "file: 단위농협기관	NHR02	3	자금 이체"
expect_line "$out" "status: 수신 자료 처리 완료."
expect_no_line "$out" "warning:"
results=$(sql "SELECT Name, State, ifnull(Result, '-'), ifnull(Recv_date, '-') FROM TBTransSub WHERE KigwanId > 1 ORDER BY rowid")
[ "$results" = "이순신|3|0000|2026-12-10
강감찬|3|0099|2026-12-10
유관순|3|0000|2026-12-10
안중근|3|0000|2026-12-10
윤봉길|3|0000|2026-12-10
김구|3|0099|2026-12-10
최영|1|-|-
정약용|3|0000|2026-12-10" ] || fail "results: $results"
[ "$(sql "SELECT group_concat(State || Recv_date, ',') FROM TBTrans")" = "32026-12-10,32026-12-10,32026-12-10" ] \
  || fail "orders: $(sql "SELECT State, Recv_date FROM TBTrans")"
echo ok
