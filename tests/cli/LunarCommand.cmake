# selvane-cli lunar: the known conversions from arguments and from standard input, and bad dates.
# The lunar dates are the moon model's, the holiday flags those of the shipped holiday file
# (2003-01-31 is the model's 12/29 and the official Seollal eve).
# Run with -DCLI=<path of selvane-cli> -DWORK=<scratch folder>.
set(dates 2002-02-12 2002-02-11 2003-01-31 2002-09-20 2002-09-21 2002-09-22 2002-05-19
    2001-05-23 2004-03-21 2006-08-24 2020-05-23 2023-03-22 2001-05-22 1995-12-31 1996-02-04)
set(expected "2002-02-12 2002-1-1 leap=0 holiday=1
2002-02-11 2001-12-30 leap=0 holiday=1
2003-01-31 2002-12-29 leap=0 holiday=1
2002-09-20 2002-8-14 leap=0 holiday=1
2002-09-21 2002-8-15 leap=0 holiday=1
2002-09-22 2002-8-16 leap=0 holiday=1
2002-05-19 2002-4-8 leap=0 holiday=1
2001-05-23 2001-4-1 leap=1 holiday=0
2004-03-21 2004-2-1 leap=1 holiday=1
2006-08-24 2006-7-1 leap=1 holiday=0
2020-05-23 2020-4-1 leap=1 holiday=1
2023-03-22 2023-2-1 leap=1 holiday=0
2001-05-22 2001-4-29 leap=0 holiday=0
1995-12-31 1995-11-10 leap=0 holiday=1
1996-02-04 1995-12-16 leap=0 holiday=1
")

function(expect what rc output)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE actual_rc OUTPUT_VARIABLE actual
                  ${input})
  if(NOT actual_rc STREQUAL rc OR NOT actual STREQUAL output)
    message(FATAL_ERROR "${what}: exit ${actual_rc} (expected ${rc}), output:\n${actual}"
                        "expected:\n${output}")
  endif()
endfunction()

expect("dates as arguments" 0 "${expected}" lunar ${dates})

# Standard input, with CR LF line ends and blank lines between.
string(REPLACE ";" "\r\n\r\n" lines "${dates}")
file(WRITE ${WORK}/lunar-dates.txt "${lines}\r\n")
set(input INPUT_FILE ${WORK}/lunar-dates.txt)
expect("dates from standard input" 0 "${expected}" lunar -)

# A bad date stops the command after the lines of the dates before it.
file(WRITE ${WORK}/lunar-bad.txt "2002-12-31\n2002/02/12\n2002-02-12\n")
set(input INPUT_FILE ${WORK}/lunar-bad.txt)
expect("bad line on standard input" 2
       "2002-12-31 2002-11-28 leap=0 holiday=0\nerror: not a date (YYYY-MM-DD): 2002/02/12\n" lunar -)
set(input)
expect("month 13" 2 "error: not a date (YYYY-MM-DD): 2002-13-01\n" lunar 2002-13-01)
expect("February 29 of 4000" 2 "error: not a date (YYYY-MM-DD): 4000-02-29\n" lunar 4000-02-29)
expect("dash beside a date" 2
       "2002-12-31 2002-11-28 leap=0 holiday=0\nerror: not a date (YYYY-MM-DD): -\n"
       lunar 2002-12-31 -)
expect("no dates" 2 "error: usage: selvane-cli lunar DATE... | lunar -\n" lunar)
