# Runs vormak-batch compnc on the programs in data/compnc and compares each result, byte for
# byte, with the expected file beside them (values checked by hand against the drawn corners).
# cmake -DBATCH=<vormak-batch> -DDATA=<compnc folder>
#       -DWORK_DIR=<scratch folder> -P batch_compnc_check.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../support/batch_expect.cmake)
set(failures "")

expect_batch_output(contour_left compnc "${DATA}/contour.nc" --lines 3-10 --offset 0.5 --side left
                    --machine ${DATA}/mill.ini)
expect_batch_output(contour_copies compnc "${DATA}/contour.nc" --lines 4-10 --offset 0.5
                    --side right --times 2 --leave-original --machine ${DATA}/mill.ini)
expect_batch_output(lathe_right compnc "${DATA}/lathe.nc" --lines 2-6 --offset 0.4 --side right
                    --machine ${DATA}/lathe.ini)

# A side that is neither left nor right is a usage error.
expect_batch_exit("bad side" 2 compnc "${DATA}/contour.nc" --offset 1 --side up)

if(failures)
  message(FATAL_ERROR "compnc results differ:${failures}")
endif()
