# vormak-batch script on small programs: realistic scripts against their expected text, the
# variables file, the exit codes of faults, and plot with a pre-process script.
include(${CMAKE_CURRENT_LIST_DIR}/../support/batch_expect.cmake)
set(failures "")

expect_batch_output(tidy script ${DATA}/tidy.scr ${DATA}/tidy.nc --machine ${MACHINES}/mill.ini)

# A feed change walking down the program; the comment line keeps its F400.
expect_batch_output(feeds script ${DATA}/feeds.scr ${DATA}/feeds.nc --vars "${WORK_DIR}/script_feeds.vars")
file(READ "${WORK_DIR}/script_feeds.vars" vars)
if(NOT vars STREQUAL "#1=5\n#2=2\n")
  string(APPEND failures "\nfeeds vars: ${vars}")
endif()

# The chained script returns after its CHAIN line; its EXIT skips its own last line.
expect_batch_output(chain script ${DATA}/chain.scr ${DATA}/chain.nc --vars "${WORK_DIR}/script_chain.vars")
file(READ "${WORK_DIR}/script_chain.vars" vars)
if(NOT vars STREQUAL "#1=5\n#2=6\n#3=60\n")
  string(APPEND failures "\nchain vars: ${vars}")
endif()

# Faults: exit 1 with the reason on standard error, the program written unchanged (standard
# output reaches CMake with its CR-LF made into LF).
foreach(case "badjump;Bad JUMP in  JUMP 44" "nochain;File Not Found" "endless;stopped after 1000 steps")
  list(GET case 0 name)
  list(GET case 1 want)
  execute_process(COMMAND "${BATCH}" script ${DATA}/${name}.scr ${DATA}/chain.nc --max-steps 1000
                  RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE err)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "${want}" OR NOT text STREQUAL "G00 X0\nM30\n")
    string(APPEND failures "\n${name}: exit ${rc}, stderr '${err}', stdout '${text}'")
  endif()
endforeach()
expect_batch_exit("missing script" 1 script ${DATA}/none.scr ${DATA}/chain.nc)
expect_batch_exit("no file" 2 script ${DATA}/tidy.scr)
expect_batch_exit("bad caret" 2 script ${DATA}/tidy.scr ${DATA}/tidy.nc --caret x)
expect_batch_exit("bad selection" 2 script ${DATA}/tidy.scr ${DATA}/tidy.nc --select 3-1)

# plot with the machine's pre-process script: only the lines holding X are plotted.
file(READ "${MACHINE}" ini)
file(WRITE "${WORK_DIR}/script_mill.ini" "${ini}\nScriptPathName=${DATA}\nCustomScript=xonly\n")
execute_process(COMMAND "${BATCH}" plot ${DATA}/xonly.nc --machine "${WORK_DIR}/script_mill.ini"
                --moves - RESULT_VARIABLE rc OUTPUT_VARIABLE moves ERROR_VARIABLE err)
string(REGEX MATCHALL "\n[0-9]+," lines "${moves}")
string(REPLACE "\n" "" lines "${lines}")
if(NOT rc EQUAL 0 OR NOT lines STREQUAL "1,;3,;5,")
  string(APPEND failures "\nplot pre-process: exit ${rc} ${err} moves ${moves}")
endif()

if(failures)
  message(FATAL_ERROR "vormak-batch script:${failures}")
endif()
