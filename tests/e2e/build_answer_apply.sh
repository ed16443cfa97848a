#!/bin/sh
# An institution of bank 04 with an order and two recipients: `selvane-cli build` writes the
# request file, banksim answers it (one account failing), `selvane-cli apply` records the results.
bin=$1
. "$(dirname "$0")/lib.sh"
make_program apply

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
