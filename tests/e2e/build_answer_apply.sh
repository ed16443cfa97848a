#!/bin/sh
# An institution of bank 04 with an order and two recipients: `selvane-cli build` writes the
# request file, banksim answers it (one account failing), `selvane-cli apply` records the results.
set -eu
bin=$1
home=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$home"' EXIT
export NORVA_HOME="$home" NORVA_NOW=2026-12-10T09:00:00 NORVA_REGISTRY="$home/registry.reg"
fail() { echo "FAIL: $*"; exit 1; }

"$bin/mkprogram" "$home" >/dev/null
sqlite3 "$home/Data/norva.db" <<'SQL'
INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, RecvName, BCode)
  VALUES (1, '서울구청', '04', '123-45-6789', '001234', 'CORP01', 'SND01', 'RCV01', 'BK04');
INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, BankNo, BankID,
                     A_Date, To_date, State, KigwanName, LocalBank)
  VALUES (1, '0001', '01', 'BK04', 'CORP01', 'SND01', 'RCV01', '123-45-6789', '04',
          '2026-12-09', '2026-12-11', 1, '서울구청', '001234');
INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, State) VALUES
  (1, '0001', '01', '04', '123-4567-8901', '700101-1234567', 150000, '홍길동', 1),
  (1, '0001', '01', '04', '100-01-0000-123', '800202-2345678', 2500, '김영희', 1);
SQL

out=$("$bin/selvane-cli" build) || fail "build: $out"
[ "$out" = "$(printf 'status: 자금이체 파일 생성중입니다.\nfile: 서울구청\tSND01\t2\t자금 이체')" ] \
  || fail "build output: $out"

# The records after the envelope line, byte for byte.
expected=$(printf '%s\r\n' \
  'SC2CORP01    04261209261211123456789               1 0012QOREX                ' \
  'D04100010000123   400000000250011               8002022345678   202612111211  ' \
  'D0412345678901    400000015000011               7001011234567   202612111211  ' \
  'E00000040000002000000015250000000000000000000000000000000000000000000000  ' | od -c)
actual=$(tail -c +64 "$home/Send/SND01" | od -c)
[ "$expected" = "$actual" ] || fail "request records differ"
envelope=$(head -c 61 "$home/Send/SND01")
case "$envelope" in
  '<<NEHEAD>>1N0000000000'*'SND01 001BK04      ') ;;
  *) fail "envelope line: $envelope" ;;
esac

# The send marks what was written; banksim answers, failing the second account.
sqlite3 "$home/Data/norva.db" "UPDATE TBTrans SET State = 2; UPDATE TBTransSub SET State = 2;"
"$bin/banksim" --in "$home/Send" --out "$home/Recv" --home "$home" --fail 100010000123 >/dev/null
out=$("$bin/selvane-cli" apply) || fail "apply: $out"
echo "$out" | grep -q "^file: 서울구청	RCV01	2	자금 이체$" || fail "apply output: $out"
echo "$out" | grep -q "^status: 수신 자료 처리 완료.$" || fail "apply output: $out"
states=$(sqlite3 "$home/Data/norva.db" "SELECT State, Result, Recv_date FROM TBTransSub ORDER BY rowid; SELECT State, Recv_date FROM TBTrans")
[ "$states" = "$(printf '3|0000|2026-12-10\n3|9999|2026-12-10\n3|2026-12-10')" ] || fail "states: $states"
echo ok
