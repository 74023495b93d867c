# Shared by the scripts that check how a build using wfpack behaves when run
# again.
cmake_policy(VERSION 3.25)

# Runs a command in DIR (or fails), storing what it printed in OUT_VAR, and
# logs it under TITLE.
function(wfpack_step title out_var dir)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${dir}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  message("---- ${title}: ${ARGN}\n${output}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${title} exited ${status}")
  endif()
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

# Waits until the clock has passed the modification time of every file under
# DIR, so that a file touched afterwards is newer than all of them even on a
# file system that keeps whole seconds only.
function(wfpack_wait_past_files dir)
  file(GLOB_RECURSE files LIST_DIRECTORIES false "${dir}/*")
  set(newest 0)
  foreach(file IN LISTS files)
    file(TIMESTAMP "${file}" time "%s" UTC)
    if(time GREATER newest)
      set(newest ${time})
    endif()
  endforeach()
  while(TRUE)
    string(TIMESTAMP now "%s" UTC)
    if(now GREATER newest)
      break()
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E sleep 0.1)
  endwhile()
endfunction()

# Counts the lines of TEXT that match REGEX.
function(wfpack_count_lines out_var text regex)
  wfpack_lines(lines "${text}")
  list(FILTER lines INCLUDE REGEX "${regex}")
  list(LENGTH lines count)
  set(${out_var} ${count} PARENT_SCOPE)
endfunction()

# Fails unless FILE's modification time, in seconds, is later than BEFORE.
function(wfpack_expect_newer file before)
  file(TIMESTAMP "${file}" after "%s" UTC)
  if(NOT after GREATER before)
    message(FATAL_ERROR "${file} was not rewritten")
  endif()
endfunction()

# Splits build output into its lines, without make's "[ 50%] " progress
# prefixes.
function(wfpack_lines out_var text)
  string(REPLACE ";" "," text "${text}")
  string(REGEX REPLACE "\\[ *[0-9]+%\\] " "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out_var} "${lines}" PARENT_SCOPE)
endfunction()
