# Runs `vormak-batch settings` on an empty machine file and on a missing one.
# cmake -DBATCH=<vormak-batch> -DWORK_DIR=<scratch folder> -P batch_settings_check.cmake
set(empty "${WORK_DIR}/batch_settings_empty.ini")
file(WRITE "${empty}" "")
execute_process(COMMAND "${BATCH}" settings "${empty}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit ${rc} on an empty machine file: ${err}")
endif()
foreach(line
    "NCExtension=nc" "CommPort=2" "CommBaudRate=600" "CommParity=NONE" "SystemType=1"
    "CommentChar=(" "EndCommentChar=)" "DecelFactor=0.00002" "RapidFeed=400.0"
    "Use=1,1,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
    "ToolBox20=" "Macro6=" "EXEC4=None" "A=000.0000,1,0,0" "Z=000.0000,1,0,0"
    "MaxRPM=3000.0" "HomeXYZ=100.0,100.0,100.0" "StartTop=0" "FontStyle=0,0,0,0")
  string(FIND "\n${out}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing line '${line}' in:\n${out}")
  endif()
endforeach()
string(FIND "${out}" "NCExtension=" first)
string(REGEX MATCH "FontColor=16711680\n$" last "${out}")
if(NOT first EQUAL 0 OR NOT last)
  message(FATAL_ERROR "keys not in file order:\n${out}")
endif()

execute_process(COMMAND "${BATCH}" settings "${WORK_DIR}/no_such_machine.ini"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Can't Open ini File: .*no_such_machine.ini")
  message(FATAL_ERROR "missing file: exit ${rc}, stderr '${err}'")
endif()
