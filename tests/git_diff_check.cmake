# Runs the README's recipe for reviewing a change with git diff: in a
# scratch repository, gpif.c is shown through "wfpack --show -w" and the
# generated gpif_dat.c is left alone. Two commits change one wait of the
# example; the diff must show the changed cell and the changed Time: line,
# and nothing on standard error, though the tables no longer match their
# description.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/repo")
# No configuration from outside the scratch directory.
set(ENV{HOME} "${WORK_DIR}")
set(ENV{GIT_CONFIG_GLOBAL} "${WORK_DIR}/gitconfig")
set(ENV{GIT_CONFIG_NOSYSTEM} 1)
file(WRITE "${WORK_DIR}/gitconfig"
  "[user]\n\tname = wfpack test\n\temail = test@wfpack.invalid\n")

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK_DIR}/repo"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} exited ${status}:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

# Commits gpif.c with the gpif_dat.c that wfpack makes of it.
function(commit message)
  run("${WFPACK}" -q -w gpif.c)
  run("${GIT}" add -A)
  run("${GIT}" commit -q -m "${message}")
endfunction()

run("${GIT}" init -q)
file(WRITE "${WORK_DIR}/repo/.gitattributes" "gpif.c diff=gpif\n")
run("${GIT}" config diff.gpif.textconv "'${WFPACK}' --show -w")
file(READ "${SOURCE}" source)
file(WRITE "${WORK_DIR}/repo/gpif.c" "${source}")
commit("The example")
# Wait 2 becomes Wait 5 in the FIFO read and write of bank 0.
string(REPLACE "0x01,     0x02,     0x01,     0x38,"
  "0x01,     0x05,     0x01,     0x38," source "${source}")
file(WRITE "${WORK_DIR}/repo/gpif.c" "${source}")
commit("A longer strobe")

run("${GIT}" diff HEAD~1 HEAD)
foreach(line
    "\n+IF/Wait  Wait 1    Wait 5    Wait 1    IF        Wait 1"
    "\n-Time: at least 5 cycles from interval 0 to Idle, 104.2 ns at 48 MHz"
    "\n+Time: at least 8 cycles from interval 0 to Idle, 166.7 ns at 48 MHz")
  string(FIND "${out}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The diff lacks '${line}':\n${out}")
  endif()
endforeach()
# The generated file's diff is of its bytes, not a view of them.
string(FIND "${out}" "diff --git a/gpif_dat.c" generated)
string(SUBSTRING "${out}" ${generated} -1 generated_diff)
if(generated EQUAL -1 OR generated_diff MATCHES "Time:"
    OR NOT generated_diff MATCHES "\n\\+\t0x01,0x05,")
  message(FATAL_ERROR "gpif_dat.c is not diffed as it is:\n${out}")
endif()
if(NOT err STREQUAL "")
  message(FATAL_ERROR "git diff printed on standard error:\n${err}")
endif()
