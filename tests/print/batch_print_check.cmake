# vormak-batch print: every kind of page written as PDF, checked with poppler's pdfinfo and
# pdftotext for the number of pages and the text on them. Needs BATCH, DATA (the shipped data
# folder) and WORK_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/../support/batch_expect.cmake)
find_program(PDFINFO pdfinfo)
find_program(PDFTOTEXT pdftotext)
if(NOT PDFINFO OR NOT PDFTOTEXT)
  message(FATAL_ERROR "pdfinfo and pdftotext (poppler-utils) are needed: run scripts/setup")
endif()
set(failures "")
set(lathe ${DATA}/examples/lathe.nc)

# print_pdf(NAME ARGS...): `vormak-batch print ARGS... -o NAME.pdf` exits 0; sets ${NAME}_pages
# and ${NAME}_text (the whole text, layout kept).
macro(print_pdf name)
  set(_pdf "${WORK_DIR}/print_${name}.pdf")
  file(REMOVE "${_pdf}")
  execute_process(COMMAND "${BATCH}" print ${ARGN} -o "${_pdf}" RESULT_VARIABLE _rc
                  OUTPUT_VARIABLE _said ERROR_VARIABLE _err)
  set(${name}_pages 0)
  set(${name}_text "")
  if(NOT _rc EQUAL 0)
    string(APPEND failures "\n${name}: exit ${_rc}: ${_err}")
  else()
    execute_process(COMMAND "${PDFINFO}" "${_pdf}" OUTPUT_VARIABLE _info)
    string(REGEX MATCH "Pages: +([0-9]+)" _ "${_info}")
    set(${name}_pages "${CMAKE_MATCH_1}")
    execute_process(COMMAND "${PDFTOTEXT}" -layout "${_pdf}" - OUTPUT_VARIABLE ${name}_text)
    if(NOT _said MATCHES "${${name}_pages} page")
      string(APPEND failures "\n${name}: said '${_said}', the file has ${${name}_pages} pages")
    endif()
  endif()
endmacro()

macro(expect_pages name count)
  if(NOT "${${name}_pages}" STREQUAL "${count}")
    string(APPEND failures "\n${name}: ${${name}_pages} pages, want ${count}")
  endif()
endmacro()

macro(expect_text name pattern)
  if(NOT "${${name}_text}" MATCHES "${pattern}")
    string(APPEND failures "\n${name}: no '${pattern}' in the text")
  endif()
endmacro()

# The listing: file name, date and page in the header, every line numbered.
print_pdf(nc nc ${lathe} --machine lathe)
expect_pages(nc 1)
expect_text(nc "lathe.nc")
expect_text(nc "Page 1 of 1")
expect_text(nc "[0-9]+/[0-9]+/[0-9]+")
expect_text(nc " 4 +T0101 [(]TURNING TOOL[)]")
expect_text(nc "G00 X2. Z1. M09")

# A program too long for one sheet: the pages count on from 1 of m to m of m, nothing lost,
# and a block wider than the sheet carried on, not cut.
set(long_program "${WORK_DIR}/print_long.nc")
set(text "")
foreach(i RANGE 1 400)
  string(APPEND text "N${i} G01 X${i}.5 Y-${i}.25 F100.\n")
endforeach()
string(REPEAT "X1.2345Y6.789" 20 wide)
string(APPEND text "N401 ${wide}END\n")
file(WRITE "${long_program}" "${text}")
print_pdf(long nc "${long_program}")
if(long_pages LESS 3)
  string(APPEND failures "\nlong: ${long_pages} pages for 401 lines")
endif()
expect_text(long "Page 1 of ${long_pages}")
expect_text(long "Page ${long_pages} of ${long_pages}")
expect_text(long "400 +N400 G01 X400.5 Y-400.25 F100.")
expect_text(long "Y6.789END")

# Tools first, then the program: a sheet of the pictures of the tool files the program loads
# (each drawn, so its nose radius is written on it), then the tool list and the listing.
print_pdf(nc_tools nc-tools ${lathe} --machine lathe)
expect_text(nc_tools "Tool List.*4 +T0101.*1 +%")
expect_text(nc_tools "Tools of .*lathe.nc +Page 1")
expect_text(nc_tools "[(]TL OD_ROUGH_R[)].*[(]TL OD_FINISH_R[)]")
string(REGEX MATCHALL "R=[.0-9]+" nose_radii "${nc_tools_text}")
list(LENGTH nose_radii drawn_pictures)
if(NOT drawn_pictures EQUAL 2)
  string(APPEND failures "\nnc_tools: ${drawn_pictures} tool pictures drawn, want 2")
endif()
math(EXPR nc_and_pictures "${nc_pages} + 1")
expect_pages(nc_tools ${nc_and_pictures})
# A program that loads no tool file prints no picture sheet.
print_pdf(long_tools nc-tools "${long_program}")
if(long_tools_text MATCHES "Tools of")
  string(APPEND failures "\nlong_tools: a picture sheet without tool files")
endif()

# Columns: the letters over their columns, a heading on every page.
print_pdf(columns columns ${lathe} --machine lathe)
expect_text(columns "G +F +I +K +M")
print_pdf(columns_long columns "${long_program}" --columns XYN)
expect_text(columns_long "N +X +Y")
expect_text(columns_long "400 +400 +400.5 +-400.25")
string(REGEX MATCHALL "N +X +Y\n" headings "${columns_long_text}")
list(LENGTH headings heading_count)
if(NOT heading_count EQUAL columns_long_pages)
  string(APPEND failures "\ncolumns_long: ${heading_count} headings on ${columns_long_pages} pages")
endif()

print_pdf(tool_list tool-list ${lathe} --machine lathe)
expect_text(tool_list "4 +T0101 [(]TURNING TOOL[)]")
if(tool_list_text MATCHES "G00 X2. Z1. M09")
  string(APPEND failures "\ntool_list: holds lines that change no tool")
endif()

# The plot window: fitted on one sheet; at 300 mm a unit spread over several.
print_pdf(cad cad ${lathe} --machine lathe)
expect_pages(cad 1)
print_pdf(to_scale to-scale ${lathe} --machine lathe --scale 300)
if(to_scale_pages LESS 2)
  string(APPEND failures "\nto_scale: ${to_scale_pages} pages at 300 mm a unit")
endif()
expect_text(to_scale "Row 1 Column 1 +Page 1 of ${to_scale_pages}")
print_pdf(bitmap bitmap ${lathe} --machine lathe --size 400x300)
expect_pages(bitmap 1)

print_pdf(catalogue catalogue ${DATA}/tools/tools.txt --machine lathe)
expect_text(catalogue "Tool Catalog +Page 1")
expect_text(catalogue "Groove .125 Wide")
expect_text(catalogue "Drill 1/4")

# Bad input: what cannot be printed, files that are not there, a PDF that cannot be written.
expect_batch_exit(unknown_what 2 print program ${lathe} -o "${WORK_DIR}/x.pdf")
expect_batch_exit(no_output 2 print nc ${lathe})
expect_batch_exit(missing_file 1 print nc "${WORK_DIR}/no_such.nc" -o "${WORK_DIR}/x.pdf")
expect_batch_exit(missing_catalogue 1 print catalogue "${WORK_DIR}/no_tools.txt"
                  -o "${WORK_DIR}/x.pdf")
expect_batch_exit(unwritable 1 print nc ${lathe} -o "${WORK_DIR}/no_such_dir/x.pdf")

if(failures)
  message(FATAL_ERROR "vormak-batch print:${failures}")
endif()
