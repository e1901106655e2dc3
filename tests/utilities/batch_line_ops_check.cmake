# Runs the line operations, break arcs, rotate and reformat of vormak-batch on the programs in
# batch/ written with CR-LF, LF and CR line breaks; each result must be NAME.expected (a CR-LF
# file) with the same line breaks as its input, byte for byte.
# cmake -DBATCH=<vormak-batch> -DDATA=<batch folder> -DMACHINES=<machine folder>
#       -DWORK_DIR=<scratch folder> -P batch_line_ops_check.cmake
set(mill --machine ${MACHINES}/mill.ini)
set(lathe --machine ${MACHINES}/lathe.ini)
set(failures "")

include(${CMAKE_CURRENT_LIST_DIR}/../support/batch_expect.cmake)

# The bytes of `path` as hex pairs, each followed by a blank, with the CR-LF breaks made
# `breaks` (CRLF, LF or CR), in `out_var`.
function(hex_with_breaks path breaks out_var)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
  if(breaks STREQUAL "LF")
    string(REPLACE "0d 0a " "0a " hex "${hex}")
  elseif(breaks STREQUAL "CR")
    string(REPLACE "0d 0a " "0d " hex "${hex}")
  endif()
  set(${out_var} "${hex}" PARENT_SCOPE)
endfunction()

# check(NAME BASE ARGS...): `vormak-batch ARGS... BASE_crlf.nc` gives NAME.expected; the same
# run on BASE_lf.nc and BASE_cr.nc gives it with LF and CR breaks.
macro(check name base)
  foreach(breaks CRLF LF CR)
    string(TOLOWER ${breaks} _suffix)
    set(_got "${WORK_DIR}/lineops_${name}_${_suffix}.out")
    execute_process(COMMAND "${BATCH}" ${ARGN} "${DATA}/${base}_${_suffix}.nc" -o "${_got}"
                    RESULT_VARIABLE _rc ERROR_VARIABLE _err)
    if(NOT _rc EQUAL 0)
      string(APPEND failures "\n${name} ${breaks}: exit ${_rc}: ${_err}")
    else()
      hex_with_breaks("${DATA}/${name}.expected" ${breaks} _want)
      hex_with_breaks("${_got}" CRLF _have)
      if(NOT _have STREQUAL _want)
        string(APPEND failures "\n${name} ${breaks}: ${_got} differs from ${name}.expected")
      endif()
    endif()
  endforeach()
endmacro()

foreach(op comment uncomment remove-spaces add-spaces remove-blanks reverse remove-time)
  check(lines_${op} lines ${op} --lines 2-10 ${mill})
endforeach()

check(arcs_break arcs break-arcs ${mill})
check(arcs_break_cancel arcs break-arcs --cancel ${mill})

# A file whose lines end differently: each piece of a broken arc takes the arc's break, every
# other line keeps its own.
expect_batch_output(arcs_mixed break-arcs ${mill} "${DATA}/arcs_mixed.nc")
expect_batch_output(arcs_mixed_blanks remove-blanks ${mill} "${DATA}/arcs_mixed.nc")

# Each warning is one line of standard error.
execute_process(COMMAND "${BATCH}" break-arcs "${DATA}/arcs_crlf.nc" ${mill} OUTPUT_QUIET
                ERROR_VARIABLE err)
if(NOT err STREQUAL "Radius does not match endpoint by -.001 in G03 X0 Y10.001 I-10. J0\n")
  string(APPEND failures "\nbreak-arcs warning: '${err}'")
endif()

check(shape_rotate shape rotate --angle 90 --centre 5,5 --copies 1 --leave-original --lines 3-7
      ${mill})
check(shape_reformat shape reformat --target ${MACHINES}/edm.ini ${mill})

expect_batch_exit("rotate bad angle" 2 rotate --angle x "${DATA}/shape_crlf.nc")
expect_batch_exit("rotate bad axis" 2 rotate --angle 5 --axis W "${DATA}/shape_crlf.nc")
expect_batch_exit("reformat without target" 2 reformat "${DATA}/shape_crlf.nc")
expect_batch_exit("reformat bad target" 1 reformat --target "${DATA}/no_such.ini"
                  "${DATA}/shape_crlf.nc")
expect_batch_exit("unknown option" 2 reverse --angle 3 "${DATA}/lines_crlf.nc")
expect_batch_exit("missing file" 1 comment "${DATA}/no_such.nc")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
