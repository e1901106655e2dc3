# Writes the vormak-batch(1) manual page from the program's own --help, so the page lists
# exactly the subcommands the program has.
#   cmake -DBATCH=path/to/vormak-batch -DVERSION=x.y.z -DOUT=vormak-batch.1 -P ManPage.cmake
execute_process(COMMAND ${BATCH} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "vormak-batch --help failed: ${result}")
endif()

# troff: a backslash is written "\e", a minus sign "\-", and a line may not start with a dot.
function(roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^\\." "\\\\&." text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(page ".TH VORMAK\\-BATCH 1 \"\" \"Vormak ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\nvormak\\-batch \\- the Vormak CNC workbench's commands without a window\n")
string(APPEND page ".SH SYNOPSIS\n.B vormak\\-batch\n.I SUBCOMMAND\n[options] FILE\n.br\n")
string(APPEND page ".B vormak\\-batch \\-\\-help\n")
string(APPEND page ".SH DESCRIPTION\nRuns the engine commands of the Vormak workbench (NC utilities, "
                   "backplot, drawings, punch and read, calculator) on files, for scripts and checks. "
                   "Exit status 0 done, 1 failed, 2 bad usage.\n")
string(APPEND page ".SH SUBCOMMANDS\n")

string(REPLACE "\n" ";" lines "${help}")
set(notes "")
set(in_list FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^subcommands:")
    set(in_list TRUE)
  elseif(in_list AND line MATCHES "^  ([a-z][a-z0-9-]*)(.*)$")
    set(name "${CMAKE_MATCH_1}")
    roff("${name}" name_roff)
    string(STRIP "${line}" usage)
    roff("${usage}" usage_roff)
    string(APPEND page ".TP\n.B ${name_roff}\n${usage_roff}\n")
  elseif(in_list AND NOT line STREQUAL "" AND NOT line MATCHES "^usage:")
    roff("${line}" line_roff)
    string(APPEND notes "${line_roff}\n")
  endif()
endforeach()
if(NOT notes STREQUAL "")
  string(APPEND page ".SH OPTIONS\n${notes}")
endif()
string(APPEND page ".SH FILES\n.TP\n.I ~/.config/vormak/vormak.ini\nthe machines list and recent files\n"
                   ".TP\n.I share/vormak\nshipped machine files, examples, tools and help pages\n")
string(APPEND page ".SH SEE ALSO\n.BR vormak (1)\n")
file(WRITE "${OUT}" "${page}")
