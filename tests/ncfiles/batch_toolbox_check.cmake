# vormak-batch toolbox and motion-code on one line of a program.
# cmake -DBATCH=<vormak-batch> -DDATA=<tests/data> -DWORK_DIR=<scratch> -P batch_toolbox_check.cmake
set(program "${DATA}/twin/toolbox.nc")
set(out "${WORK_DIR}/batch_toolbox.nc")

function(expect_line what line want)
  file(STRINGS "${out}" lines)
  list(GET lines ${line} got)
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "${what}: line ${line} is '${got}', want '${want}'")
  endif()
endfunction()

execute_process(COMMAND "${BATCH}" toolbox "${program}" --line 3 --command "(NEW)" -o "${out}"
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "toolbox comment: exit ${rc}")
endif()
expect_line("toolbox comment" 2 "N30 X7. (NEW)")
expect_line("toolbox comment" 0 "N10 G00 X5. Y5.")

execute_process(COMMAND "${BATCH}" toolbox "${program}" --line 1 --command "'(CHK)'" -o "${out}"
                RESULT_VARIABLE rc)
expect_line("toolbox literal" 0 "N10 G00 X5. Y5.(CHK)")

execute_process(COMMAND "${BATCH}" motion-code "${program}" --line 2 --g 3 -o "${out}"
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "motion-code: exit ${rc}")
endif()
file(STRINGS "${out}" lines)
list(GET lines 1 got)
if(NOT got MATCHES "^N[0-9.]+ G3[.]? Z-1[.] F100[.]$")
  message(FATAL_ERROR "motion-code: line 2 is '${got}'")
endif()

# Kinds that need the window, a line past the end and a code above 3 are refused.
foreach(args "toolbox;${program};--line;1;--command;~HOME" "toolbox;${program};--line;9;--command;M08"
        "motion-code;${program};--line;1;--g;4")
  execute_process(COMMAND "${BATCH}" ${args} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "'${args}': exit ${rc}, want 2")
  endif()
endforeach()
