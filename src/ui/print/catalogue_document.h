#pragma once
// The printed tool catalogue: every tool of the tree with its picture and caption, in rows of
// three on portrait pages headed "Tool Catalog  Page 1", later "Tool Catalog   Page n".

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

class CatalogueDocument : public PrintDocument {
 public:
  CatalogueDocument(Workbench& bench, std::vector<CataloguePicture> pictures);
  int Layout(const QPaintDevice& device) override;
  void PaintPage(QPainter& painter, int page, int pages) override;

 private:
  Workbench& bench_;
  std::vector<CataloguePicture> pictures_;
  double width_ = 0;
  double dpi_ = 96;
  double header_ = 0;
  double cell_width_ = 0;
  double cell_height_ = 0;
  int box_ = 1;
  int per_page_ = 1;
};

}  // namespace vormak
