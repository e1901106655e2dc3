# vormak-batch must start without the GUI libraries (a plain plot or utility run would pay for
# loading them); only vormak-batch-pictures links them.
#   cmake -DBATCH=<vormak-batch> -P batch_without_qt_check.cmake
execute_process(COMMAND ldd "${BATCH}" OUTPUT_VARIABLE libraries RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ldd ${BATCH} failed: ${result}")
endif()
if(libraries MATCHES "libQt|qscintilla")
  message(FATAL_ERROR "vormak-batch links the GUI libraries:\n${libraries}")
endif()
if(NOT libraries MATCHES "libc\\.so")
  message(FATAL_ERROR "ldd listed nothing for ${BATCH}:\n${libraries}")
endif()
message(STATUS "vormak-batch starts without Qt")
