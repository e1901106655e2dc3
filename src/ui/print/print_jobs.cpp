#include "ui/print/print_jobs.h"

#include <algorithm>
#include <filesystem>

#include "cam/tool_catalogue.h"
#include "interp/tool_load.h"
#include "nctext/edit_control.h"
#include "print/column_table.h"
#include "print/program_tools.h"
#include "settings/file_access.h"
#include "ui/print/catalogue_document.h"
#include "ui/print/drawing_documents.h"
#include "ui/print/listing_document.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

void AppendPane(const EditControl& pane, int first, int last, std::vector<ListingLine>& lines) {
  lines.reserve(lines.size() + static_cast<std::size_t>(std::max(last - first + 1, 0)));
  for (int line = first; line <= last; ++line) {
    lines.push_back({line, PrintableText(pane.GetLine(line))});
  }
}

// The main program; in twin-turret mode both turrets, each under its own heading.
std::vector<ListingLine> ProgramLines(Workbench& bench) {
  std::vector<ListingLine> lines;
  const EditControl* second = bench.Pane(2);
  const bool twin = bench.settings.twin_turrets && second != nullptr && second->LineCount() > 0;
  if (twin) lines.push_back({0, "Turret A"});
  if (const EditControl* first = bench.Pane(1)) AppendPane(*first, 1, first->LineCount(), lines);
  if (twin) {
    lines.push_back({0, ""});
    lines.push_back({0, "Turret B"});
    AppendPane(*second, 1, second->LineCount(), lines);
  }
  return lines;
}

// The pane's selected lines when the selection spans lines, else the whole pane.
std::vector<ListingLine> PaneLines(Workbench& bench, int pane_number) {
  std::vector<ListingLine> lines;
  const EditControl* pane = bench.Pane(pane_number);
  if (pane == nullptr) return lines;
  const TextSelection selection = pane->GetSelection();
  int first = std::min(selection.start.line, selection.end.line);
  int last = std::max(selection.start.line, selection.end.line);
  if (first == last || first < 1) {
    first = 1;
    last = pane->LineCount();
  }
  AppendPane(*pane, first, std::min(last, pane->LineCount()), lines);
  return lines;
}

std::vector<ListingLine> ToolsThenProgram(Workbench& bench) {
  std::vector<ListingLine> lines{{0, "Tool List"}};
  if (const EditControl* pane = bench.Pane(1)) {
    const auto tools = ToolListListing(ProgramToolLines(*pane, CommentCharsOf(bench.settings)));
    lines.insert(lines.end(), tools.begin(), tools.end());
  }
  lines.push_back({0, ""});
  const auto program = ProgramLines(bench);
  lines.insert(lines.end(), program.begin(), program.end());
  return lines;
}

std::string ProgramTitle(const Workbench& bench) {
  return bench.nc_file_name.empty() ? "Untitled" : bench.nc_file_name;
}

std::string DrawingTitle(const Workbench& bench) {
  if (!bench.cad_file_name.empty()) return bench.cad_file_name;
  return ProgramTitle(bench);
}

}  // namespace

std::optional<PrintWhat> PrintWhatOf(const std::string& name) {
  static const std::pair<const char*, PrintWhat> kNames[] = {{"nc", PrintWhat::kNc},
                                                             {"nc-tools", PrintWhat::kNcTools},
                                                             {"editor", PrintWhat::kEditor},
                                                             {"columns", PrintWhat::kColumns},
                                                             {"cad", PrintWhat::kCad},
                                                             {"to-scale", PrintWhat::kToScale},
                                                             {"bitmap", PrintWhat::kBitmap},
                                                             {"tool-list", PrintWhat::kToolList},
                                                             {"catalogue", PrintWhat::kCatalogue}};
  for (const auto& [text, what] : kNames) {
    if (name == text) return what;
  }
  return std::nullopt;
}

std::unique_ptr<PrintDocument> MakePrintDocument(Workbench& bench, const PrintRequest& request,
                                                 std::string* error) {
  const std::string date = bench.host().DateText();
  const CommentChars chars = CommentCharsOf(bench.settings);
  switch (request.what) {
    case PrintWhat::kNc:
      return std::make_unique<ListingDocument>(ProgramTitle(bench), date, ProgramLines(bench));
    case PrintWhat::kNcTools: {
      auto listing =
          std::make_unique<ListingDocument>(ProgramTitle(bench), date, ToolsThenProgram(bench));
      std::vector<CataloguePicture> pictures = ProgramToolPictures(bench);
      if (pictures.empty()) return listing;
      // The pictures of the tools the program loads come first, then the listing.
      const std::string title = ProgramTitle(bench);
      auto sheet = std::make_unique<CatalogueDocument>(
          bench, std::move(pictures),
          [title](int page) { return "Tools of " + title + "   Page " + std::to_string(page); });
      return std::make_unique<ChainedDocument>(std::move(sheet), std::move(listing));
    }
    case PrintWhat::kEditor:
      return std::make_unique<ListingDocument>(request.pane == 1 ? ProgramTitle(bench) : "", date,
                                               PaneLines(bench, request.pane));
    case PrintWhat::kColumns: {
      const EditControl* pane = bench.Pane(1);
      if (pane == nullptr) break;
      return std::make_unique<ListingDocument>(
          ProgramTitle(bench), date, ColumnListing(*pane, chars, request.letters), 1, true);
    }
    case PrintWhat::kToolList: {
      const EditControl* pane = bench.Pane(1);
      if (pane == nullptr) break;
      return std::make_unique<ListingDocument>(ProgramTitle(bench), date,
                                               ToolListListing(ProgramToolLines(*pane, chars)));
    }
    case PrintWhat::kCad:
      return std::make_unique<DrawingDocument>(bench, DrawingTitle(bench));
    case PrintWhat::kToScale:
      return std::make_unique<DrawingDocument>(bench, DrawingTitle(bench),
                                               std::max(request.paper_per_unit, 1e-6));
    case PrintWhat::kBitmap:
      return std::make_unique<BitmapDocument>(request.bitmap, DrawingTitle(bench));
    case PrintWhat::kCatalogue: {
      const std::string path = JoinPath(ToolDirectory(bench), kCatalogueFileName);
      Catalogue catalogue;
      if (!LoadCatalogue(path, catalogue)) {
        if (error) *error = "Cannot open " + path;
        return nullptr;
      }
      return std::make_unique<CatalogueDocument>(bench, CataloguePictures(catalogue));
    }
  }
  if (error) *error = "Nothing to print";
  return nullptr;
}

}  // namespace vormak
