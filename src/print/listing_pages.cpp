#include "print/listing_pages.h"

#include <algorithm>

namespace vormak {

namespace {

int Digits(long long n) {
  int digits = 1;
  while (n >= 10) {
    n /= 10;
    ++digits;
  }
  return digits;
}

// Cuts the line into rows of at most `width` characters; an empty line is one empty row.
template <typename Emit>
void RowsOfLine(const std::vector<ListingLine>& lines, std::size_t index, std::size_t width,
                Emit emit) {
  const std::size_t length = lines[index].text.size();
  std::size_t begin = 0;
  do {
    const std::size_t piece = std::min(width, length - begin);
    emit(ListingRow{index, begin, piece, begin == 0});
    begin += piece;
  } while (begin < length);
}

}  // namespace

int NumberColumnWidth(const std::vector<ListingLine>& lines) {
  long long largest = 0;
  for (const ListingLine& line : lines) largest = std::max(largest, line.number);
  return largest > 0 ? Digits(largest) + 2 : 0;
}

std::vector<ListingPage> PaginateListing(const std::vector<ListingLine>& lines, PageGrid grid,
                                         int heading_rows) {
  const int number_width = NumberColumnWidth(lines);
  const std::size_t width = static_cast<std::size_t>(std::max(grid.columns - number_width, 1));
  const std::size_t headings =
      std::min(static_cast<std::size_t>(std::max(heading_rows, 0)), lines.size());
  // A heading that fills the page would leave no room for the lines: it is printed once.
  std::vector<ListingRow> heading;
  for (std::size_t i = 0; i < headings; ++i) {
    RowsOfLine(lines, i, width, [&](const ListingRow& row) { heading.push_back(row); });
  }
  const std::size_t rows = static_cast<std::size_t>(std::max(grid.rows, 1));
  const bool repeat = heading.size() < rows;

  std::vector<ListingPage> pages(1);
  if (repeat) pages.back().rows = heading;
  auto place = [&](const ListingRow& row) {
    if (pages.back().rows.size() >= rows) {
      pages.emplace_back();
      if (repeat) pages.back().rows = heading;
    }
    pages.back().rows.push_back(row);
  };
  if (!repeat) {
    for (const ListingRow& row : heading) place(row);
  }
  for (std::size_t i = headings; i < lines.size(); ++i) RowsOfLine(lines, i, width, place);
  return pages;
}

std::string RowText(const std::vector<ListingLine>& lines, const ListingRow& row,
                    int number_width) {
  const ListingLine& line = lines[row.line];
  std::string text;
  if (number_width > 0) {
    text.assign(static_cast<std::size_t>(number_width), ' ');
    if (row.first && line.number > 0) {
      const std::string number = std::to_string(line.number);
      text.replace(static_cast<std::size_t>(number_width) - 2 - number.size(), number.size(),
                   number);
    }
  }
  text.append(line.text, row.begin, row.length);
  return text;
}

std::string PrintableText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\t') {
      out.append(8 - out.size() % 8, ' ');
    } else if (c == '\r' || c == '\n' || (static_cast<unsigned char>(c) < 0x20)) {
      out.push_back(' ');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string PageOfText(int page, int pages) {
  return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

std::string CatalogueHeader(int page) {
  return (page == 1 ? "Tool Catalog  Page " : "Tool Catalog   Page ") + std::to_string(page);
}

}  // namespace vormak
