#pragma once
// Printed listings: the text of a program, a tool list or a column table laid out on pages of
// a fixed number of character cells. Each line keeps its editor line number in a column of its
// own; a line longer than the page is carried on in the following rows without a number, so
// nothing of a block is cut off the paper.

#include <cstddef>
#include <string>
#include <vector>

namespace vormak {

// One line of what is printed; `number` 0 prints no line number (headings, tool lists).
struct ListingLine {
  long long number = 0;
  std::string text;
};

// The body of a page in character cells (below the page header).
struct PageGrid {
  int columns = 80;
  int rows = 60;
};

// One printed row: a piece of line `line` (an index into the listing) from `begin` for
// `length` characters; `first` when it is the line's first row, which carries the number.
struct ListingRow {
  std::size_t line = 0;
  std::size_t begin = 0;
  std::size_t length = 0;
  bool first = true;
};

struct ListingPage {
  std::vector<ListingRow> rows;
};

// Where the line numbers stand: as many digits as the largest number, then two blanks; no
// column at all when no line carries a number.
int NumberColumnWidth(const std::vector<ListingLine>& lines);

// The pages of the listing. Every page repeats `heading_rows` rows of the listing's first
// lines (a column table's heading); the rest of the lines follow in order, a line wider than
// the page continued on the next rows. An empty listing still prints one empty page.
std::vector<ListingPage> PaginateListing(const std::vector<ListingLine>& lines, PageGrid grid,
                                         int heading_rows = 0);

// The text of one row as printed: the number right-aligned in its column (blank on carried
// rows), then the piece of the line.
std::string RowText(const std::vector<ListingLine>& lines, const ListingRow& row, int number_width);

// Tabs become blanks up to the next multiple of eight and control characters a blank, so that
// the columns of a monospaced page stand where the editor shows them.
std::string PrintableText(const std::string& text);

// "Page n of m".
std::string PageOfText(int page, int pages);

// The printed tool catalogue's header: "Tool Catalog  Page 1" on the first page, with three
// blanks before "Page" on the later ones.
std::string CatalogueHeader(int page);

}  // namespace vormak
