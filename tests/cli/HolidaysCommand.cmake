# selvane-cli holidays: a year of the shipped file, the office file of a program folder with a
# damaged line, a year of the model, and bad years.
# Run with -DCLI=<path of selvane-cli> -DWORK=<scratch folder>.
function(expect what rc output)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE actual_rc OUTPUT_VARIABLE actual)
  if(NOT actual_rc STREQUAL rc OR NOT actual STREQUAL output)
    message(FATAL_ERROR "${what}: exit ${actual_rc} (expected ${rc}), output:\n${actual}"
                        "expected:\n${output}")
  endif()
endfunction()

set(home ${WORK}/holidays-home)
file(REMOVE_RECURSE ${home})
file(MAKE_DIRECTORY ${home})

set(shipped_2025 "2025-01-01 신정
2025-01-27 임시공휴일
2025-01-28 설날 전날
2025-01-29 설날
2025-01-30 설날 다음날
2025-03-03 대체공휴일(삼일절)
2025-05-01 근로자의 날
2025-05-05 어린이날, 부처님오신날
2025-05-06 대체공휴일(어린이날·부처님오신날)
2025-06-03 제21대 대통령선거
2025-06-06 현충일
2025-08-15 광복절
2025-10-03 개천절
2025-10-06 추석
2025-10-07 추석 다음날
2025-10-08 대체공휴일(추석)
2025-10-09 한글날
2025-12-25 기독탄신일
")
expect("a shipped year" 0 "${shipped_2025}" --home ${home} holidays 2025)

file(WRITE ${home}/holidays.local.txt "-2025-01-27\n2025-02-31 없는 날\n2025-12-26 사무소 휴무\n")
string(REPLACE "2025-01-27 임시공휴일\n" "" office_2025 "${shipped_2025}")
expect("the office file, a damaged line reported" 0
       "warning: 공휴일 파일에서 읽지 못한 줄이 있습니다. 그 줄은 빼고 나머지로 공휴일을 판단합니다.\\n${home}/holidays.local.txt 2번째 줄: 없는 날짜입니다 (2025-02-31)
${office_2025}2025-12-26 사무소 휴무
" --home ${home} holidays 2025)

# After 2050 the lists and the moon model: no substitutes, no Hangul Day.
file(REMOVE ${home}/holidays.local.txt)
expect("a model year" 0 "2051-03-01 삼일절
2051-05-01 노동절
2051-05-05 어린이날
2051-05-17 부처님오신날
2051-06-06 현충일
2051-08-15 광복절
2051-09-18 추석 전날
2051-09-19 추석
2051-09-20 추석 다음날
2051-10-03 개천절
2051-12-25 기독탄신일
" --home ${home} holidays 2051)

expect("a short year" 2 "error: not a year (YYYY, 0001 to 9999): 25\n" holidays 25)
expect("not digits" 2 "error: not a year (YYYY, 0001 to 9999): 20x5\n" holidays 20x5)
expect("year 0" 2 "error: not a year (YYYY, 0001 to 9999): 0000\n" holidays 0000)
expect("no year" 2 "error: usage: selvane-cli holidays YEAR\n" holidays)
