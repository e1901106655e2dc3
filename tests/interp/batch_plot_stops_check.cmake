# vormak-batch plot says on standard error why a run ended early, and standard output keeps
# only the moves when they are written there.
# cmake -DBATCH=<vormak-batch> -DDATA=<tests/data> -DWORK_DIR=<scratch> -P batch_plot_stops_check.cmake
set(machine "${DATA}/plot/mill.ini")

# A program that loops for ever is cut off at --max-lines: exit 1 and the count on stderr.
execute_process(COMMAND "${BATCH}" plot "${DATA}/batch_plot/endless.nc" --machine "${machine}"
                        --max-lines 1000
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err STREQUAL "stopped after 1000 lines\n")
  message(FATAL_ERROR "endless program: exit ${rc}, stderr:\n${err}")
endif()
if(NOT out MATCHES "^lines run 1000, moves 9[0-9][0-9],")
  message(FATAL_ERROR "endless program printed:\n${out}")
endif()

# A warning and a program stop with the moves on standard output: the CSV holds only its
# header and move rows; the messages and the summary go to standard error.
execute_process(COMMAND "${BATCH}" plot "${DATA}/plot/mill_program_stop.nc" --machine "${machine}"
                        --moves -
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "program stop: exit ${rc}: ${err}")
endif()
file(READ "${DATA}/plot/mill_program_stop.csv" want)
if(NOT out STREQUAL want)
  message(FATAL_ERROR "standard output is not the move trace:\n${out}")
endif()
if(NOT err MATCHES "Plot is in Arc Mode\\. Radius = 0  Press Enter\nstopped at M00 on line 5\n"
   OR NOT err MATCHES "lines run 5, moves 2")
  message(FATAL_ERROR "program stop: stderr:\n${err}")
endif()
