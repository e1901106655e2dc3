# vormak-batch check: faults listed one a line with their line numbers, exit 1 when there are
# any, 0 for a clean program; warnings answered OK go to standard error only.
# cmake -DBATCH=<vormak-batch> -DDATA=<check folder> -DWORK_DIR=<scratch folder>
#       -P batch_check.cmake
set(failures "")

set(out "${WORK_DIR}/batch_check_faults.out")
execute_process(COMMAND "${BATCH}" check "${DATA}/faults.nc" -o "${out}"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${out}" "${DATA}/faults.expected"
                RESULT_VARIABLE differ)
if(NOT rc EQUAL 1 OR differ)
  set(failures "${failures}\nfaults: exit ${rc}, ${out} differs ${differ}")
endif()
if(NOT err MATCHES "line 6: Double Addresses in G1 X1 X2")
  set(failures "${failures}\nfaults: the double-address warning is not on stderr: '${err}'")
endif()

execute_process(COMMAND "${BATCH}" check "${DATA}/faults.nc" --lines 1-3
                RESULT_VARIABLE rc OUTPUT_VARIABLE stdout)
if(NOT rc EQUAL 0 OR NOT stdout STREQUAL "")
  set(failures "${failures}\nlines 1-3: exit ${rc}, '${stdout}'")
endif()

execute_process(COMMAND "${BATCH}" check "${DATA}/clean.nc" RESULT_VARIABLE rc
                OUTPUT_VARIABLE stdout ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT stdout STREQUAL "" OR NOT err STREQUAL "")
  set(failures "${failures}\nclean: exit ${rc}, '${stdout}', '${err}'")
endif()

execute_process(COMMAND "${BATCH}" check RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 2)
  set(failures "${failures}\nno file: exit ${rc}")
endif()

if(failures)
  message(FATAL_ERROR "vormak-batch check:${failures}")
endif()
