# Runs the vormak-batch utilities on the small programs in batch/ and compares each result,
# byte for byte, with the expected file beside them.
# cmake -DBATCH=<vormak-batch> -DDATA=<batch folder> -DMACHINES=<machine folder>
#       -DWORK_DIR=<scratch folder> -P batch_utilities_check.cmake
set(mill --machine ${MACHINES}/mill.ini)
set(lathe --machine ${MACHINES}/lathe.ini)
set(failures "")

include(${CMAKE_CURRENT_LIST_DIR}/../support/batch_expect.cmake)

# check(NAME INPUT ARGS...): the result of `vormak-batch ARGS... INPUT` must be NAME.expected.
macro(check name input)
  expect_batch_output(${name} ${ARGN} "${DATA}/${input}")
endmacro()

check(renumber_mill mill_crlf.nc renumber ${mill})
check(renumber_lines lathe_lf.nc renumber --start 100 --increment 10 --lines 2-5 ${lathe})
check(change_equal mill_crlf.nc change --find X1.5 --to X2 ${mill})
check(change_less lathe_lf.nc change --find "X<0" --to X0 ${lathe})
check(change_cr plain_cr.nc change --find Y2 --to Y3)
check(shift mill_crlf.nc shift --add X=0.5 --add Y=-1 ${mill})
check(scale mill_crlf.nc scale --addresses XY --factor 2 ${mill})
check(remove mill_crlf.nc remove --addresses "N(" ${mill})
check(switch_axis mill_crlf.nc switch-axis --x Y --y X --reverse-x ${mill})
check(switch_address mill_crlf.nc switch-address --a X --b U ${mill})
check(order mill_crlf.nc order --order GXYZ --sort --strip XY ${mill})

# A run that changes nothing gives the file back byte for byte, whatever its line breaks.
foreach(input mill_crlf.nc lathe_lf.nc plain_cr.nc)
  execute_process(COMMAND "${BATCH}" change --find X987 --to X1 "${DATA}/${input}"
                  OUTPUT_FILE "${WORK_DIR}/batch_same_${input}" RESULT_VARIABLE rc)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK_DIR}/batch_same_${input}"
                          "${DATA}/${input}" RESULT_VARIABLE differ)
  if(NOT rc EQUAL 0 OR differ)
    set(failures "${failures}\nunchanged ${input}: exit ${rc}, differs ${differ}")
  endif()
endforeach()

# Mistakes in the options are usage errors; a missing file is a failure.
execute_process(COMMAND "${BATCH}" switch-axis --x Y "${DATA}/mill_crlf.nc"
                RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT rc EQUAL 2 OR NOT err MATCHES "Duplicate Address Choices Not Allowed")
  set(failures "${failures}\nduplicate axes: exit ${rc}, '${err}'")
endif()
expect_batch_exit("bad line range" 2 renumber --lines 5-2 "${DATA}/mill_crlf.nc")
expect_batch_exit("missing file" 1 scale --addresses X --factor 2 "${DATA}/no_such.nc")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
