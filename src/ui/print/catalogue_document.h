#pragma once
// Printed tool pictures in rows of three under a caption each: the tool catalogue (every tool
// of the tree, pages headed "Tool Catalog  Page 1", later "Tool Catalog   Page n") and the
// tools a program loads, printed before its listing.

#include <functional>
#include <string>
#include <vector>

#include "ui/print/print_document.h"

namespace vormak {

class Workbench;
struct Catalogue;

struct CataloguePicture {
  std::string caption;
  std::string detail;  // the group and the tool file
  std::string file;    // as the catalogue names it
};

// The tools of the tree in tree order.
std::vector<CataloguePicture> CataloguePictures(const Catalogue& catalogue);

// The pictures of the tool files a program loads with "TL ", in program order; the caption is
// the line as written, the detail its line number and the file.
std::vector<CataloguePicture> ProgramToolPictures(Workbench& bench);

class CatalogueDocument : public PrintDocument {
 public:
  using Header = std::function<std::string(int page)>;
  // `header` gives each page's heading; the catalogue's own by default.
  CatalogueDocument(Workbench& bench, std::vector<CataloguePicture> pictures,
                    Header header = {});
  int Layout(const QPaintDevice& device) override;
  void PaintPage(QPainter& painter, int page, int pages) override;

 private:
  Workbench& bench_;
  std::vector<CataloguePicture> pictures_;
  Header header_text_;
  double width_ = 0;
  double dpi_ = 96;
  double header_ = 0;
  double cell_width_ = 0;
  double cell_height_ = 0;
  int box_ = 1;
  int per_page_ = 1;
};

}  // namespace vormak
