# `cmake --install` into a fresh prefix gives a program that starts from there: the programs,
# the shipped data and help, the desktop file, icons, MIME type and the manual page.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DGUI=ON|OFF -P install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/vormak-batch
    share/vormak/machines/mill.ini
    share/vormak/examples/example.nc
    share/vormak/examples/demo.scr
    share/vormak/help/index.html
    share/vormak/help/tutorial.html
    share/applications/vormak.desktop
    share/mime/packages/vormak.xml
    share/icons/hicolor/scalable/apps/vormak.svg
    share/icons/hicolor/scalable/apps/vormak-mill.svg
    share/icons/hicolor/scalable/apps/vormak-lathe.svg
    share/icons/hicolor/scalable/apps/vormak-edm.svg
    share/man/man1/vormak-batch.1
    share/doc/vormak/LICENSE)
if(GUI)
  list(APPEND expected bin/vormak bin/vormak-batch-pictures)
endif()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

# The manual page names every subcommand the installed program lists.
execute_process(COMMAND "${PREFIX}/bin/vormak-batch" --help OUTPUT_VARIABLE help
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "installed vormak-batch --help failed: ${result}")
endif()
file(READ "${PREFIX}/share/man/man1/vormak-batch.1" man)
if(NOT man MATCHES "^\\.TH VORMAK\\\\-BATCH 1")
  message(FATAL_ERROR "vormak-batch.1 has no title line")
endif()
string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "${help}")
list(LENGTH names count)
if(count LESS 20)
  message(FATAL_ERROR "vormak-batch --help lists only ${count} subcommands")
endif()
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  string(REPLACE "-" "\\\\-" roff_name "${name}")
  if(NOT man MATCHES "\\.B ${roff_name}\n")
    message(FATAL_ERROR "vormak-batch.1 does not describe ${name}")
  endif()
endforeach()

file(READ "${PREFIX}/share/applications/vormak.desktop" desktop)
foreach(line "Exec=vormak %f" "Icon=vormak" "MimeType=text/x-vormak-nc;application/x-vormak-cdl;")
  string(FIND "${desktop}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "vormak.desktop lacks ${line}")
  endif()
endforeach()
file(READ "${PREFIX}/share/mime/packages/vormak.xml" mime)
foreach(glob "*.nc" "*.cdl")
  string(FIND "${mime}" "<glob pattern=\"${glob}\"/>" at)
  if(at LESS 0)
    message(FATAL_ERROR "vormak.xml has no glob ${glob}")
  endif()
endforeach()

# The installed programs find their data beside them, not in the source tree.
set(home "${PREFIX}-home")
file(REMOVE_RECURSE "${home}")
file(MAKE_DIRECTORY "${home}")
set(run_env ${CMAKE_COMMAND} -E env --unset=VORMAK_HOME HOME=${home} XDG_CONFIG_HOME=${home}/config
            QT_QPA_PLATFORM=offscreen)
execute_process(
  COMMAND ${run_env} "${PREFIX}/bin/vormak-batch" plot "${PREFIX}/share/vormak/examples/example.nc"
          --machine mill --time
  OUTPUT_VARIABLE plotted RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT plotted MATCHES "total minutes:")
  message(FATAL_ERROR "installed vormak-batch plot failed (${result}): ${plotted}")
endif()
if(GUI)
  execute_process(COMMAND ${run_env} "${PREFIX}/bin/vormak" --grab "${home}/start.png"
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT EXISTS "${home}/start.png")
    message(FATAL_ERROR "installed vormak did not start (${result}): ${errors}")
  endif()
  # The first start made the settings folder from the installed machine files.
  file(READ "${home}/config/vormak/vormak.ini" ini)
  if(NOT ini MATCHES "Machine1=")
    message(FATAL_ERROR "the installed program wrote no machines list: ${ini}")
  endif()
endif()
file(REMOVE_RECURSE "${home}")
file(REMOVE_RECURSE "${PREFIX}")
