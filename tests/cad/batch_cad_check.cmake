# vormak-batch cad on command files: the live elements on stdout equal NAME.expected, the
# panels, messages and read-outs on stderr equal NAME.stderr, and the drawing written with -o
# reads back with the same elements, slot by slot and kind by kind (the drawing file keeps
# four decimals and no Result state). Then the exit codes of bad command files and bad usage.

# "slot,kind" of every listed element.
function(slots_and_kinds listing out)
  string(REGEX MATCHALL "\n[0-9]+,[0-9]+," pairs "${listing}")
  set(${out} "${pairs}" PARENT_SCOPE)
endfunction()
include(${CMAKE_CURRENT_LIST_DIR}/../support/batch_expect.cmake)

set(failures "")
file(GLOB command_files "${DATA}/*.cmds")
foreach(cmds IN LISTS command_files)
  get_filename_component(name "${cmds}" NAME_WE)
  set(drawing "${WORK_DIR}/batch_cad_${name}.cdl")
  execute_process(COMMAND "${BATCH}" cad --commands "${cmds}" -o "${drawing}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  file(READ "${DATA}/${name}.expected" want_out)
  file(READ "${DATA}/${name}.stderr" want_err)
  if(NOT rc EQUAL 0)
    string(APPEND failures "\n${name}: exit ${rc}: ${err}")
  elseif(NOT out STREQUAL want_out)
    string(APPEND failures "\n${name}: elements differ:\n${out}")
  elseif(NOT err STREQUAL want_err)
    string(APPEND failures "\n${name}: panels differ:\n${err}")
  else()
    execute_process(COMMAND "${BATCH}" cad "${drawing}" --commands "${DATA}/empty.txt"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE again ERROR_QUIET)
    slots_and_kinds("${again}" got_kinds)
    slots_and_kinds("${want_out}" want_kinds)
    if(NOT got_kinds STREQUAL want_kinds)
      string(APPEND failures "\n${name}: the written drawing reads back as:\n${again}")
    endif()
  endif()
endforeach()

expect_batch_exit("bad command line" 1 cad --commands "${DATA}/bad/unknown.txt")
expect_batch_exit("pick without numbers" 1 cad --commands "${DATA}/bad/pick.txt")
expect_batch_exit("no command file" 2 cad)
expect_batch_exit("unknown option" 2 cad --commands "${DATA}/empty.txt" --colour red)

if(failures)
  message(FATAL_ERROR "batch cad:${failures}")
endif()
