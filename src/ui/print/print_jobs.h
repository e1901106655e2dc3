#pragma once
// The print commands' documents, made from the workbench as it stands: the program listing
// (with its tool list first, or as columns), the active pane, the tool list, the plot window
// fitted, at scale or as its picture, and the tool catalogue.

#include <QImage>
#include <memory>
#include <optional>
#include <string>

#include "ui/print/print_document.h"

namespace vormak {

class Workbench;

enum class PrintWhat {
  kNc,
  kNcTools,
  kEditor,
  kColumns,
  kCad,
  kToScale,
  kBitmap,
  kToolList,
  kCatalogue
};

struct PrintRequest {
  PrintWhat what = PrintWhat::kNc;
  int pane = 1;               // the pane Print Editor prints (its selected lines, if any)
  std::string letters;        // the columns of the column print; empty: every letter used
  double paper_per_unit = 1;  // Print To Scale: millimetres of paper per drawing unit
  QImage bitmap;              // Print Bitmap: the plot window's picture
};

// The names vormak-batch print takes: nc, nc-tools, columns, cad, to-scale, tool-list,
// catalogue (and editor, bitmap).
std::optional<PrintWhat> PrintWhatOf(const std::string& name);

// Null, with the reason in `error`, when there is nothing to print that way (no catalogue).
std::unique_ptr<PrintDocument> MakePrintDocument(Workbench& bench, const PrintRequest& request,
                                                 std::string* error);

}  // namespace vormak
