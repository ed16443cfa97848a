#!/bin/sh
# selvane-cli lunar over every day of 2000-2050 flags exactly the weekends and the days of the
# shipped holiday file. Arguments: the folder of selvane-cli, the shipped holiday file.
set -eu
bin=$1
shipped=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every date with its weekday; 2000-01-01 was a Saturday.
awk 'BEGIN {
  split("31 28 31 30 31 30 31 31 30 31 30 31", len, " ")
  n = 0
  for (y = 2000; y <= 2050; y++)
    for (m = 1; m <= 12; m++) {
      days = len[m] + (m == 2 && (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)))
      for (d = 1; d <= days; d++) {
        printf "%04d-%02d-%02d %d\n", y, m, d, (n % 7 == 0 || n % 7 == 1)
        n++
      }
    }
}' > "$work/days"
cut -d' ' -f1 "$work/days" | "$bin/selvane-cli" --home "$work" lunar - > "$work/lunar"
[ "$(wc -l < "$work/lunar")" -eq "$(wc -l < "$work/days")" ] || {
  echo "FAIL: lunar printed $(wc -l < "$work/lunar") lines for $(wc -l < "$work/days") dates"
  head -3 "$work/lunar"; exit 1; }

grep -v '^#' "$shipped" | cut -d' ' -f1 > "$work/shipped"
awk 'FILENAME == ARGV[1] { holiday[$1] = 1; next }
     FILENAME == ARGV[2] { weekend[$1] = $2; next }
     { want = (weekend[$1] || ($1 in holiday)) ? 1 : 0; got = substr($4, 9) + 0
       if (want != got) { print "FAIL: " $0 " (expected holiday=" want ")"; bad = 1 }
       checked++ }
     END { if (checked != 18628) { print "FAIL: checked " checked " days"; bad = 1 }
           exit bad }' "$work/shipped" "$work/days" "$work/lunar"
