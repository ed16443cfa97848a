// Writes lunar-dates.txt, the lunar table the holiday generator reads: for each lunar year the
// solar dates of its 1/1, 4/8 and 8/15 (the months that are not leap). The dates come from the
// Korea Astronomy and Space Science Institute's table as the npm package korean-lunar-calendar
// transcribes it; run it only to widen or check the table:
//   npm install --prefix tools/holidaygen korean-lunar-calendar@0.4.0
//   node tools/holidaygen/lunar-dates.js > tools/holidaygen/lunar-dates.txt
"use strict";
const KoreanLunarCalendar = require("korean-lunar-calendar");

const FIRST = 2000;
const LAST = 2050;

function Solar(year, month, day) {
  const calendar = new KoreanLunarCalendar();
  if (!calendar.setLunarDate(year, month, day, false))
    throw new Error(`no solar date for lunar ${year}-${month}-${day}`);
  const s = calendar.getSolarCalendar();
  const pad = (n) => String(n).padStart(2, "0");
  return `${s.year}-${pad(s.month)}-${pad(s.day)}`;
}

const lines = [
  "# Solar dates of lunar 1/1, 4/8 and 8/15 of each lunar year (months that are not leap),",
  "# from the Korea Astronomy and Space Science Institute's table (npm korean-lunar-calendar 0.4.0).",
  "# Written by tools/holidaygen/lunar-dates.js; read by holidaygen.",
  "# year 1/1 4/8 8/15",
];
for (let year = FIRST; year <= LAST; ++year)
  lines.push(`${year} ${Solar(year, 1, 1)} ${Solar(year, 4, 8)} ${Solar(year, 8, 15)}`);
process.stdout.write(lines.join("\n") + "\n");
