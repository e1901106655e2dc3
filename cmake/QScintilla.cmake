# Debian's libqscintilla2-qt6-dev ships no CMake package: find the library and the Qsci/
# headers under the Qt 6 include root ourselves.
get_target_property(_qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
find_path(QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h
          HINTS ${_qt_core_includes} /usr/include/x86_64-linux-gnu/qt6 /usr/include/qt6
          PATH_SUFFIXES .. ../..)
find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt6 REQUIRED)
if(NOT QSCINTILLA_INCLUDE_DIR)
  message(FATAL_ERROR "QScintilla headers (Qsci/qsciscintilla.h) not found: run scripts/setup")
endif()
add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
set_target_properties(QScintilla::QScintilla PROPERTIES
  IMPORTED_LOCATION ${QSCINTILLA_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QSCINTILLA_INCLUDE_DIR}
  INTERFACE_LINK_LIBRARIES "Qt6::Widgets;Qt6::PrintSupport")
