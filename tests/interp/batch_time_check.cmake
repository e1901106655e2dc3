# vormak-batch plot --time and --block-times on a program whose times were worked out by hand:
# G01 X10 at F100 0.1 + 0.002; a rapid of 40 at 400 0.1 + 0.008; a quarter circle of radius 10
# at F200 5*pi/200 + 0.004; G04 P3000 0.05; TTM 2 minutes; two loop passes of 5 at F50, each
# 0.1 + 0.001. Total 2.544540 minutes, shown as 0 Hr 2 Min 33 Sec.
# cmake -DBATCH=<vormak-batch> -DDATA=<time folder> -DMACHINE=<mill.ini> -DWORK_DIR=<scratch>
#       -P batch_time_check.cmake
set(out "${WORK_DIR}/batch_time_blocks.csv")
execute_process(COMMAND "${BATCH}" plot "${DATA}/mill_time.nc" --machine "${MACHINE}" --time
                        --block-times "${out}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE summary ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "plot --time: exit ${rc}: ${err}")
endif()
if(NOT summary MATCHES "total minutes: 2\\.544540\n" OR
   NOT summary MATCHES "Total Time: 0 Hr 2 Min 33 Sec\n")
  message(FATAL_ERROR "plot --time printed:\n${summary}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${out}" "${DATA}/mill_time.expected"
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "block times ${out} differ from mill_time.expected")
endif()
