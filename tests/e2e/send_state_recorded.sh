#!/bin/sh
# A send never leaves without its sent state, and a good send whose state cannot be stored says
# so and is recorded by the next build: a locked database, a full disk, a read-only data folder.
bin=$1
. "$(dirname "$0")/lib.sh"

# Locked past the busy timeout: nothing goes to the bank.
make_program locked
cli_ok check  # the database is in WAL mode from its first opening on
lock_database
cli_fails send
expect_prefix "$out" "error: 송신 실패. 데이터베이스가 사용 중입니다."
[ -z "$(ls "$mailbox/outbox/OFFICE01" 2>/dev/null)" ] || fail "a file went to the bank"
unlock_database
[ "$(states)" = "1,1,1" ] || fail "states after a locked send: $(states)"
# The same in test mode: the question is not even asked.
lock_database
cli_fails --yes send --test
expect_no_line "$out" "question:"
unlock_database
[ "$(states)" = "1,1,1" ] || fail "states after a locked test send: $(states)"

# The disk is full when the state is committed, after the file went: loud, recorded, and the
# next build stores the state instead of sending the batch again.
make_program full
cli_ok check
mount_small "$home/Data" 2048
fill_but "$home/Data" 36
cli_fails send
expect_line "$out" "error: 송신은 되었으나 상태를 기록하지 못했습니다. 다시 송신하지 마십시오."
[ -f "$mailbox/outbox/OFFICE01/SND01" ] || fail "the request did not go"
[ -n "$(ls "$home/Send/Old/" | grep '^SENT_.*\.sent$')" ] || fail "no record of the send"
unfill "$home/Data"
cli_fails send
expect_line "$out" "status: 지난 송신의 상태를 기록했습니다: SENT_20261210090000.sent"
expect_line "$out" "status: 송신할 자료가 없습니다."
[ "$(states)" = "2,2,2" ] || fail "states after the next build: $(states)"
[ "$(ls "$mailbox/outbox/OFFICE01")" = "SND01" ] || fail "sent twice"

# A data folder that cannot be written: nothing is sent.
make_program readonly
mount_small "$home/Data" 4096
mount -o remount,ro "$home/Data"
cli_fails send
expect_prefix "$out" "error: "
[ -z "$(ls "$mailbox/outbox/OFFICE01" 2>/dev/null)" ] || fail "a file went to the bank"
mount -o remount,rw "$home/Data"
[ "$(states)" = "1,1,1" ] || fail "states after a read-only send: $(states)"
echo ok
