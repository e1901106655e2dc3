# vormak-batch twin: the panes as CSV, the joined program, and the exit status of a refused save.
# cmake -DBATCH=<vormak-batch> -DDATA=<tests/data> -DEXAMPLES=<data/examples> -DWORK_DIR=<scratch>
#       -P batch_twin_check.cmake
set(machine twin_lathe)
set(out "${WORK_DIR}/batch_twin.min")
set(csv "${WORK_DIR}/batch_twin.csv")

# The shipped example saves back as it was, and its partner P numbers share a CSV row.
execute_process(COMMAND "${BATCH}" twin "${EXAMPLES}/twin_shaft.min" --machine ${machine}
                        --panes "${csv}" -o "${out}"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "example: exit ${rc}: ${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${out}" "${EXAMPLES}/twin_shaft.min"
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "the example did not save back unchanged: ${out}")
endif()
file(STRINGS "${csv}" rows)
list(GET rows 0 header)
if(NOT header STREQUAL "line,a,b")
  message(FATAL_ERROR "CSV header: ${header}")
endif()
foreach(p 100 110 120 130)
  file(READ "${csv}" text)
  if(NOT text MATCHES "\n[0-9]+,N[0-9]+ P${p},N[0-9]+ P${p}\n")
    message(FATAL_ERROR "P${p} is not lined up:\n${text}")
  endif()
endforeach()

# --lineup-only writes the CSV to standard output and nothing else.
execute_process(COMMAND "${BATCH}" twin "${DATA}/twin/bar_feed.min" --machine ${machine}
                        --lineup-only
                RESULT_VARIABLE rc OUTPUT_VARIABLE text)
if(NOT rc EQUAL 0 OR NOT text MATCHES "^line,a,b\n1,%,\n" OR NOT text MATCHES "\n[0-9]+,P02,P02\n")
  message(FATAL_ERROR "lineup-only: exit ${rc}:\n${text}")
endif()

# A turret-B section mixing partnered and unpartnered numbers: refused, exit 1, file untouched.
file(WRITE "${out}" "OLD\n")
execute_process(COMMAND "${BATCH}" twin "${DATA}/twin/unpaired.min" --panes "${csv}" -o "${out}"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ "${out}" kept)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Unmatched P number in Syncronized Turret Aborting Save"
   OR NOT kept STREQUAL "OLD\n")
  message(FATAL_ERROR "unpaired: exit ${rc}, stderr: ${err}, file: ${kept}")
endif()

# A P0 is warned about; OK goes on with the save, Cancel stops it.
execute_process(COMMAND "${BATCH}" twin "${DATA}/twin/bad_number.min" --panes "${csv}" -o -
                RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT err MATCHES "^Bad P Number in X12\\. P0\n" OR NOT text MATCHES "X12\\. P0")
  message(FATAL_ERROR "bad number, OK: exit ${rc}: ${err}")
endif()
execute_process(COMMAND "${BATCH}" twin "${DATA}/twin/bad_number.min" --cancel --panes "${csv}"
                        -o -
                RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR text MATCHES "X12")
  message(FATAL_ERROR "bad number, Cancel: exit ${rc}: ${text}")
endif()

# Plotted on the twin-turret machine, the example moves both turrets.
set(moves "${WORK_DIR}/batch_twin_moves.csv")
execute_process(COMMAND "${BATCH}" plot "${EXAMPLES}/twin_shaft.min" --machine ${machine}
                        --moves "${moves}"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "plot of the example: exit ${rc}: ${err}")
endif()
file(READ "${moves}" text)
foreach(turret 1 2)
  if(NOT text MATCHES "\n[0-9]+,${turret},")
    message(FATAL_ERROR "turret ${turret} made no move in the plot:\n${text}")
  endif()
endforeach()
