#!/bin/sh
# Start-up defaults only the EDI values that are missing: a missing Comm key does not cost the
# office its EDI user ID.
bin=$1
. "$(dirname "$0")/lib.sh"

make_program login
cat > "$NORVA_REGISTRY" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Selvane.exe\NetPost32\UserInfo]
"LoginID"="OFFICE01"
"HeaderCheck"=dword:00000001
REG
cli_ok check
grep -q '^"LoginID"="OFFICE01"$' "$NORVA_REGISTRY" || fail "the EDI user ID is gone: $(cat "$NORVA_REGISTRY")"
grep -q '^"HeaderCheck"=dword:00000001$' "$NORVA_REGISTRY" || fail "a flag was reset"
grep -qi '^"Port"="COM1"$' "$NORVA_REGISTRY" || fail "the missing values were not defaulted"
echo ok
