// Listings laid out on pages: numbers, carried rows, repeated headings, page breaks.
#include <gtest/gtest.h>

#include "print/listing_pages.h"

namespace vormak {
namespace {

std::vector<ListingLine> Numbered(int count, const std::string& text = "G01 X1") {
  std::vector<ListingLine> lines;
  for (int i = 1; i <= count; ++i) lines.push_back({i, text});
  return lines;
}

std::vector<std::string> PageTexts(const std::vector<ListingLine>& lines, const ListingPage& page) {
  std::vector<std::string> texts;
  const int width = NumberColumnWidth(lines);
  for (const ListingRow& row : page.rows) texts.push_back(RowText(lines, row, width));
  return texts;
}

TEST(ListingPages, FullPagesBreakExactlyAndTheLastHoldsTheRest) {
  const auto lines = Numbered(125);
  const auto pages = PaginateListing(lines, {80, 50});
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].rows.size(), 50u);
  EXPECT_EQ(pages[1].rows.size(), 50u);
  EXPECT_EQ(pages[2].rows.size(), 25u);
  EXPECT_EQ(pages[1].rows.front().line, 50u);
  EXPECT_EQ(PaginateListing(Numbered(100), {80, 50}).size(), 2u);
}

TEST(ListingPages, NumbersStandRightAlignedInAColumnAsWideAsTheLargest) {
  auto lines = Numbered(120, "X1");
  const auto pages = PaginateListing(lines, {80, 200});
  const auto texts = PageTexts(lines, pages[0]);
  EXPECT_EQ(NumberColumnWidth(lines), 5);
  EXPECT_EQ(texts[0], "  1  X1");
  EXPECT_EQ(texts[119], "120  X1");
  // Nothing numbered: no number column at all.
  const std::vector<ListingLine> plain{{0, "T1"}, {0, "T2"}};
  EXPECT_EQ(NumberColumnWidth(plain), 0);
  EXPECT_EQ(PageTexts(plain, PaginateListing(plain, {80, 10})[0])[1], "T2");
}

TEST(ListingPages, ALineWiderThanThePageGoesOnInUnnumberedRows) {
  std::vector<ListingLine> lines{{1, std::string(25, 'A') + std::string(5, 'B')}, {2, ""}};
  const auto pages = PaginateListing(lines, {13, 10});  // 3 for the number, 10 for the text
  const auto texts = PageTexts(lines, pages[0]);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], "1  AAAAAAAAAA");
  EXPECT_EQ(texts[1], "   AAAAAAAAAA");
  EXPECT_EQ(texts[2], "   AAAAABBBBB");
  EXPECT_EQ(texts[3], "2  ");  // an empty line is still a row
}

TEST(ListingPages, CarriedRowsCrossPageBreaks) {
  std::vector<ListingLine> lines{{1, "x"}, {2, std::string(30, 'Y')}};
  const auto pages = PaginateListing(lines, {13, 2});
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1].rows.size(), 2u);
  EXPECT_FALSE(pages[1].rows[0].first);
  EXPECT_EQ(pages[1].rows[1].begin, 20u);
}

TEST(ListingPages, TheHeadingIsRepeatedOnEveryPage) {
  std::vector<ListingLine> lines{{0, "N  G  X"}};
  for (int i = 1; i <= 7; ++i) lines.push_back({i, "row"});
  const auto pages = PaginateListing(lines, {40, 4}, 1);
  ASSERT_EQ(pages.size(), 3u);  // three rows of body a page
  for (const auto& page : pages) EXPECT_EQ(page.rows.front().line, 0u);
  EXPECT_EQ(pages[2].rows.size(), 2u);
  // A heading that would fill the page is printed once, not on every page.
  const auto once = PaginateListing(lines, {40, 1}, 1);
  EXPECT_EQ(once.size(), 8u);
}

TEST(ListingPages, AnEmptyListingIsOneEmptyPage) {
  const auto pages = PaginateListing({}, {80, 60});
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].rows.empty());
}

TEST(ListingPages, TabsAlignToEightAndControlCharactersBlank) {
  EXPECT_EQ(PrintableText("N10\tG01\tX1"), "N10     G01     X1");
  EXPECT_EQ(PrintableText(std::string("A\x01"
                                      "B\r",
                                      4)),
            "A B ");
  EXPECT_EQ(PageOfText(2, 17), "Page 2 of 17");
  EXPECT_EQ(CatalogueHeader(1), "Tool Catalog  Page 1");
  EXPECT_EQ(CatalogueHeader(12), "Tool Catalog   Page 12");
}

}  // namespace
}  // namespace vormak
