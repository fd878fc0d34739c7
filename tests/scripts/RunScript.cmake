# Runs one golden host script and compares what it printed with the expected files beside it:
# NAME.out for standard output, and NAME.err (when present) for standard error, whose presence
# also means the script must stop with exit status 2. Usage:
#   cmake -DHOST=... -DSCRIPT=.../NAME.vps -DWORK=<dir> [-DSTDIN=ON] -P RunScript.cmake
get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(dir ${SCRIPT} DIRECTORY)
file(MAKE_DIRECTORY ${WORK})
set(actualOut ${WORK}/${name}.out)
set(actualErr ${WORK}/${name}.err)

if(STDIN)
  # Standard input: `load` files are found relative to the current folder.
  execute_process(COMMAND ${HOST} INPUT_FILE ${SCRIPT} WORKING_DIRECTORY ${dir}
                  OUTPUT_FILE ${actualOut} ERROR_FILE ${actualErr} RESULT_VARIABLE status)
else()
  execute_process(COMMAND ${HOST} ${SCRIPT} WORKING_DIRECTORY ${WORK}
                  OUTPUT_FILE ${actualOut} ERROR_FILE ${actualErr} RESULT_VARIABLE status)
endif()

set(failures "")
# diff writes straight to the test's output, so the difference reads as diff printed it.
function(compare expected actual what)
  execute_process(COMMAND diff -u --label expected/${what} --label actual/${what}
                          ${expected} ${actual}
                  RESULT_VARIABLE differs)
  if(differs)
    set(failures "${failures}${what} differs (diff above)\n" PARENT_SCOPE)
  endif()
endfunction()

compare(${dir}/${name}.out ${actualOut} ${name}.out)
if(EXISTS ${dir}/${name}.err)
  set(expectedStatus 2)
  compare(${dir}/${name}.err ${actualErr} ${name}.err)
else()
  set(expectedStatus 0)
  file(READ ${actualErr} stderrText)
  if(NOT stderrText STREQUAL "")
    string(APPEND failures "unexpected standard error:\n${stderrText}")
  endif()
endif()
if(NOT status STREQUAL expectedStatus)
  string(APPEND failures "exit status ${status}, expected ${expectedStatus}\n")
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "golden script ${name} failed:\n${failures}")
endif()
