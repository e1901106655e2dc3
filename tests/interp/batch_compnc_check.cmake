# Runs vormak-batch compnc on the programs in data/compnc and compares each result, byte for
# byte, with the expected file beside them (values checked by hand against the drawn corners).
# cmake -DBATCH=<vormak-batch> -DDATA=<compnc folder>
#       -DWORK_DIR=<scratch folder> -P batch_compnc_check.cmake
set(failures "")

function(check name input)
  set(out "${WORK_DIR}/compnc_${name}.out")
  execute_process(COMMAND "${BATCH}" compnc "${DATA}/${input}" ${ARGN} -o "${out}"
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    set(failures "${failures}\n${name}: exit ${rc}: ${err}" PARENT_SCOPE)
    return()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${out}" "${DATA}/${name}.expected"
                  RESULT_VARIABLE differ)
  if(differ)
    set(failures "${failures}\n${name}: ${out} differs from ${name}.expected" PARENT_SCOPE)
  endif()
endfunction()

check(contour_left contour.nc --lines 3-10 --offset 0.5 --side left --machine ${DATA}/mill.ini)
check(contour_copies contour.nc --lines 4-10 --offset 0.5 --side right --times 2
      --leave-original --machine ${DATA}/mill.ini)
check(lathe_right lathe.nc --lines 2-6 --offset 0.4 --side right --machine ${DATA}/lathe.ini)

# A side that is neither left nor right is a usage error.
execute_process(COMMAND "${BATCH}" compnc "${DATA}/contour.nc" --offset 1 --side up
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 2)
  set(failures "${failures}\nbad side: exit ${rc}, want 2")
endif()

if(failures)
  message(FATAL_ERROR "compnc results differ:${failures}")
endif()
