# Runs the loader in the 8051 simulator: converts SOURCE, the example, with
# --loader and OPTION, builds it with MAIN by SDCC and runs that in S51,
# which stops after each of main's calls. Each stop's row below says what
# the call returned and wrote; every other byte must stay as it was.
include("${CMAKE_CURRENT_LIST_DIR}/run_wfpack.cmake")
set(WFPACK_OPTIONS --loader ${OPTION})
wfpack_convert("${SOURCE}" gpif.c)
configure_file("${MAIN}" "${WORK_DIR}/main.c" COPYONLY)

set(sdcc "${SDCC}" -mmcs51 --model-large -Dcode=__code -Dxdata=__xdata)
wfpack_run(${sdcc} -c gpif_dat.c)
wfpack_run(${sdcc} -c gpif_load.c)
wfpack_run(${sdcc} main.c gpif_load.rel gpif_dat.rel -o main.ihx)
# No global name but the two functions' (and their parameters' in memory).
file(STRINGS "${WORK_DIR}/gpif_load.rel" globals REGEX "^S .* Def")
list(FILTER globals EXCLUDE REGEX
  "^S (\\.__\\.ABS\\.|_gpif_dat_load(_flowstate)?(_PARM_[0-9])?) ")
if(globals)
  message(FATAL_ERROR "gpif_load.c defines more than its functions: ${globals}")
endif()

# main writes each result to 0xe000, where a breakpoint stops the run.
string(REPEAT "run\ndump /h xram 0xe400 0xe47f 1\ndump /h xram 0xe600 0xe6ff 1
dump /h xram 0xe000 0xe000 1\n" 8 stops)
file(WRITE "${WORK_DIR}/commands" "break xram w 0xe000\n${stops}kill\n")
wfpack_run("${S51}" -t 8052 -e "exec \"commands\"" main.ihx)
string(REGEX MATCHALL "\n0x[0-9a-f]+ +[0-9a-f][0-9a-f]" cells "${run_output}")

# Each stop: what the call returned, then ADDRESS=BYTE, or ADDRESS:OFFSET:N
# for N of the image's bytes from OFFSET on.
set(head 0xe601:0:1 0xe6f5=ff 0xe6f3:1:1 0xe6c3:2:1 0xe6c1:3:1 0xe6c2:4:1
  0xe6c0:6:1 0xe6f4:7:1)
set(stop_0 a5)                         # nothing loaded yet
set(stop_1 00 ${head} 0xe400:8:128)    # load(0): bank 0's WaveData
set(stop_2 00 ${head} 0xe400:172:128)  # load(2): bank 2's
set(stop_3 01)                         # load(1): not in the image
set(stop_4 01)                         # load(8)
set(stop_5 00 0xe6c6:318:8)            # load_flowstate(2, 2): at 300 + 2 * 9
set(stop_6 01)                         # load_flowstate(1, 0)
set(stop_7 01)                         # load_flowstate(2, 4)

file(READ "${WORK_DIR}/gpif_dat.bin" image HEX)
string(REGEX MATCHALL ".." image "${image}")
list(LENGTH cells count)
if(NOT count EQUAL 3080)  # 8 stops of 385 bytes
  message(FATAL_ERROR "s51 dumped ${count} bytes, not 3080:\n${run_output}")
endif()
foreach(stop RANGE 7)
  math(EXPR first "${stop} * 385")
  list(SUBLIST cells ${first} 385 dump)
  set(writes ${stop_${stop}})
  list(POP_FRONT writes expected_0xe000)
  foreach(write IN LISTS writes)
    if(write MATCHES "(.*)=(.*)")
      set(expected_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    elseif(write MATCHES "(.*):(.*):(.*)")
      set(address ${CMAKE_MATCH_1})
      set(offset ${CMAKE_MATCH_2})
      math(EXPR last "${CMAKE_MATCH_3} - 1")
      foreach(i RANGE ${last})
        math(EXPR at "${address} + ${i}" OUTPUT_FORMAT HEXADECIMAL)
        math(EXPR from "${offset} + ${i}")
        list(GET image ${from} expected_${at})
      endforeach()
    endif()
  endforeach()
  foreach(cell IN LISTS dump)
    string(REGEX MATCH "(0x[0-9a-f]+) +(..)" cell "${cell}")
    if(NOT DEFINED expected_${CMAKE_MATCH_1})  # as before the first call
      set(expected_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    elseif(NOT expected_${CMAKE_MATCH_1} STREQUAL CMAKE_MATCH_2)
      message(FATAL_ERROR "at stop ${stop}, ${CMAKE_MATCH_1} holds "
        "${CMAKE_MATCH_2}, not ${expected_${CMAKE_MATCH_1}}:\n${run_output}")
    endif()
  endforeach()
endforeach()
