# Shared by the scripts that run vormak-batch on small programs and compare what it writes with
# the expected file beside them. Needs BATCH, DATA and WORK_DIR; failures gather in `failures`.

# expect_batch_output(NAME ARGS...): `vormak-batch ARGS... -o OUT` exits 0 and OUT equals
# DATA/NAME.expected byte for byte.
macro(expect_batch_output name)
  set(_out "${WORK_DIR}/batch_${name}.out")
  execute_process(COMMAND "${BATCH}" ${ARGN} -o "${_out}" RESULT_VARIABLE _rc ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    string(APPEND failures "\n${name}: exit ${_rc}: ${_err}")
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${_out}" "${DATA}/${name}.expected"
                    RESULT_VARIABLE _differ)
    if(_differ)
      string(APPEND failures "\n${name}: ${_out} differs from ${name}.expected")
    endif()
  endif()
endmacro()

# expect_batch_exit(WHAT CODE ARGS...): `vormak-batch ARGS...` exits with CODE.
macro(expect_batch_exit what code)
  execute_process(COMMAND "${BATCH}" ${ARGN} RESULT_VARIABLE _rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT _rc EQUAL ${code})
    string(APPEND failures "\n${what}: exit ${_rc}, want ${code}")
  endif()
endmacro()
