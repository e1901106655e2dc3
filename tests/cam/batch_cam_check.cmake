# vormak-batch cad with CAM lines: for each NAME.cmds (run on the machine its first word
# names: mill or lathe, else mill) the editor written by --nc-out equals NAME.nc.expected and
# the panels and messages on stderr equal NAME.stderr. The NC files the command files load
# are copied to the work folder first, so the runs never touch the tree.
set(failures "")
file(GLOB command_files "${DATA}/*.cmds")
file(GLOB nc_files "${DATA}/*.nc")
file(COPY ${nc_files} DESTINATION "${WORK_DIR}/batch_cam")
foreach(cmds IN LISTS command_files)
  get_filename_component(name "${cmds}" NAME_WE)
  set(machine mill)
  if(name STREQUAL "lathe")
    set(machine lathe)
  endif()
  set(nc_out "${WORK_DIR}/batch_cam/${name}.out.nc")
  execute_process(COMMAND "${BATCH}" cad --machine ${machine} --commands "${cmds}"
                          --nc-out "${nc_out}"
                  WORKING_DIRECTORY "${WORK_DIR}/batch_cam"
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(APPEND failures "\n${name}: exit ${rc}: ${err}")
    continue()
  endif()
  file(READ "${nc_out}" got_nc)
  file(READ "${DATA}/${name}.nc.expected" want_nc)
  file(READ "${DATA}/${name}.stderr" want_err)
  if(NOT got_nc STREQUAL want_nc)
    string(APPEND failures "\n${name}: editor differs:\n${got_nc}")
  elseif(NOT err STREQUAL want_err)
    string(APPEND failures "\n${name}: panels differ:\n${err}")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
