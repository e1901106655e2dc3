# vormak-batch tool, catalogue and plot --crash-check on the shipped tools and a small stock.
# cmake -DBATCH=<vormak-batch> -DDATA=<tests/data/tools> -DWORK_DIR=<scratch> -P batch_tools_check.cmake
set(failures "")

execute_process(COMMAND "${BATCH}" tool "TM 10,2" --machine mill
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(want "loaded\nName=10.0x2.0\nCenterX=.0\nCenterZ=.0\nRadius=5.0\nAngleOfWidth=.0\nWidth=.0\n"
         "Orientation=0\nComment=\n4,.0,.0,.0,5.0,.0,.0,1.0,.0\n"
         "3,.0,.0,.0,5.0,180.0,360.0,2.0,.0\n3,.0,.0,.0,5.0,180.0,360.0,3.0,.0\n"
         "30,.0,.0,.0,.0,.0,.0,.0,.0\nsolid circle,.0,.0,5.0\n")
string(JOIN "" want ${want})
if(NOT rc EQUAL 0 OR NOT out STREQUAL want)
  string(APPEND failures "\ntool TM: exit ${rc}:\n${out}${err}")
endif()

execute_process(COMMAND "${BATCH}" tool "(TL GROOVE_125)"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Width=\\.125\n" OR NOT out MATCHES "Comment=GROOVE")
  string(APPEND failures "\ntool TL GROOVE_125: exit ${rc}:\n${out}${err}")
endif()

execute_process(COMMAND "${BATCH}" tool "TL NO_SUCH_TOOL"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT out MATCHES "^not loaded\n" OR NOT err MATCHES "Cannot open NO_SUCH_TOOL")
  string(APPEND failures "\ntool TL missing: exit ${rc}:\n${out}${err}")
endif()

execute_process(COMMAND "${BATCH}" catalogue RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^Lathe OD Turning,3\n  OD Rough 80 Deg Right,3,OD_ROUGH_R -> "
   OR out MATCHES "missing")
  string(APPEND failures "\ncatalogue: exit ${rc}:\n${out}")
endif()

execute_process(COMMAND "${BATCH}" plot "${DATA}/crash.nc" --machine mill --drawing
                        "${DATA}/stock.cdl" --crash-check --size 400x300
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT out MATCHES "line 3: Rapid move hits part\n")
  string(APPEND failures "\nplot crash.nc: exit ${rc}:\n${out}${err}")
endif()

execute_process(COMMAND "${BATCH}" plot "${DATA}/clear.nc" --machine mill --drawing
                        "${DATA}/stock.cdl" --crash-check --solid --tools --size 400x300
                        --png "${WORK_DIR}/batch_tools_solid.png"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR out MATCHES "hits part")
  string(APPEND failures "\nplot clear.nc: exit ${rc}:\n${out}${err}")
endif()

if(failures)
  message(FATAL_ERROR "batch tools:${failures}")
endif()
