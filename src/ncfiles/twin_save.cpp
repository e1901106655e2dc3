// Joining the two turret panes back into one program file: the sections of each turret, the
// pairing of their P numbers, and the order in which the sections are written.
#include <map>
#include <unordered_map>

#include "ncfiles/nc_files.h"
#include "ncfiles/twin_lines.h"
#include "ncfiles/twin_turret.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_file_io.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kMessageCaption = "Vormak";

struct Section {
  const std::vector<std::string>* lines = nullptr;
  long long sync = 0;  // the P number of its first sync block; 0 without one
  bool has_sync = false;
  size_t first = 0;  // line indexes within the pane
  size_t last = 0;
};

struct TurretSections {
  size_t preamble_end = 0;  // lines above the first marker belong to no section
  std::vector<Section> sections;
};

// The sections of one turret pane. A section after the first must carry a P number, or the
// joined file could not put it back in its place; that refuses the save with the caret there.
std::optional<TurretSections> FindSections(Workbench& bench, const std::vector<std::string>& lines,
                                           int pane, const char* marker, const char* refusal) {
  const char comment = TwinCommentChar(bench);
  TurretSections found;
  found.preamble_end = lines.size();
  auto unsynced = [&found] {
    return found.sections.size() >= 2 && !found.sections.back().has_sync;
  };
  auto refuse = [&]() -> std::optional<TurretSections> {
    bench.host().Information(refusal, kMessageCaption);
    GoToLine(bench, pane, static_cast<int>(found.sections.back().first) + 1);
    return std::nullopt;
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (Holds(line, marker)) {
      if (unsynced()) return refuse();
      if (found.sections.empty()) found.preamble_end = i;
      found.sections.push_back({&lines, 0, false, i, i});
    }
    if (found.sections.empty()) continue;
    Section& section = found.sections.back();
    section.last = i;
    if (!section.has_sync && IsSaveSync(line, comment)) {
      section.sync = SyncNumberOf(bench, line);
      section.has_sync = true;
    }
  }
  // The last section is held to the same rule: without a number it would be written next to
  // the first section instead of at the end, and the program would load back reordered.
  if (unsynced()) return refuse();
  return found;
}

// Every P number of a turret-B section that has a partner must find it in one turret-A
// section, and partnered and unpartnered numbers may not be mixed in one section.
bool PartnersPairUp(Workbench& bench, const TurretSections& a, const TurretSections& b) {
  const char comment = TwinCommentChar(bench);
  std::unordered_map<long long, size_t> section_of;
  for (size_t k = 0; k < a.sections.size(); ++k) {
    const Section& s = a.sections[k];
    for (size_t i = s.first; i <= s.last; ++i) {
      const std::string& line = (*s.lines)[i];
      if (IsSaveSync(line, comment)) section_of.try_emplace(SyncNumberOf(bench, line), k);
    }
  }
  for (const Section& s : b.sections) {
    std::optional<size_t> partner_section;
    bool unpartnered = false;
    for (size_t i = s.first; i <= s.last; ++i) {
      const std::string& line = (*s.lines)[i];
      if (!IsSaveSync(line, comment)) continue;
      const auto partner = section_of.find(SyncNumberOf(bench, line));
      bool fits = true;
      if (partner == section_of.end()) {
        fits = !partner_section;
        unpartnered = true;
      } else {
        fits = !unpartnered && (!partner_section || *partner_section == partner->second);
        partner_section = partner->second;
      }
      if (!fits) {
        bench.host().Information(kUnmatchedSync, kMessageCaption);
        GoToLine(bench, 2, static_cast<int>(i) + 1);
        return false;
      }
    }
  }
  return true;
}

// Turret A's sections in their order, each turret-B section placed by its P number: after
// the section with the same number, else before the first with a larger one, else last.
std::vector<const Section*> SectionOrder(const TurretSections& a, const TurretSections& b) {
  std::vector<const Section*> order;
  for (const Section& s : a.sections) order.push_back(&s);
  for (const Section& s : b.sections) {
    size_t at = order.size();
    bool placed = false;
    for (size_t k = 1; k < order.size() && !placed; ++k) {
      if (order[k]->sync == s.sync) {
        at = k + 1;
        placed = true;
      }
    }
    for (size_t k = 1; k < order.size() && !placed; ++k) {
      if (order[k]->sync > s.sync) {
        at = k;
        placed = true;
      }
    }
    order.insert(order.begin() + static_cast<long>(at), &s);
  }
  return order;
}

void AppendNonEmpty(std::vector<std::string>& out, const std::vector<std::string>& lines,
                    size_t first, size_t end) {
  for (size_t i = first; i < end; ++i) {
    if (!lines[i].empty()) out.push_back(lines[i]);
  }
}

}  // namespace

std::optional<std::vector<std::string>> JoinTwinPanes(Workbench& bench, const TwinPanes& panes) {
  ShowPrompt(bench, "Finding Sections");
  const auto a = FindSections(bench, panes.a, 1, "G13", kSectionWithoutSyncA);
  if (!a) return std::nullopt;
  const auto b = FindSections(bench, panes.b, 2, "G14", kSectionWithoutSyncB);
  if (!b) return std::nullopt;
  ShowPrompt(bench, "Checking For Matching P Numbers");
  if (!PartnersPairUp(bench, *a, *b)) return std::nullopt;
  ShowPrompt(bench, "Checking For Duplicate P Numbers");
  if (!CheckSyncNumbers(bench, panes)) return std::nullopt;
  ShowPrompt(bench, "Inserting Into One File");
  std::vector<std::string> joined;
  joined.reserve(panes.a.size());
  // The lines above each turret's first section (the program start, say) lead the file, turret
  // A's first, so nothing outside a section is lost.
  AppendNonEmpty(joined, panes.a, 0, a->preamble_end);
  AppendNonEmpty(joined, panes.b, 0, b->preamble_end);
  ShowPrompt(bench, "Removing Blank Lines");
  for (const Section* s : SectionOrder(*a, *b))
    AppendNonEmpty(joined, *s->lines, s->first, s->last + 1);
  return joined;
}

bool SaveTwinTurretFile(Workbench& bench, const std::string& path) {
  Host& host = bench.host();
  const TwinPanes panes = ReadTwinPanes(bench);
  const auto lines = JoinTwinPanes(bench, panes);
  if (!lines) return false;
  ShowPrompt(bench, "Saving: " + path);
  if (ReadOnlyCheck(host, 1, path)) {
    ClearPrompt(bench);
    return false;
  }
  try {
    ReplacingFileWriter out(path);
    const std::string brk = LineBreakText(bench.Pane(1)->GetLineBreakStyle());
    for (const std::string& line : *lines) {
      out.Write(line);
      out.Write(brk);
    }
    // The old file becomes the backup only once the new one is complete.
    BackupBeforeSave(bench, path);
    out.Commit();
  } catch (const EditError& failure) {
    ReportFileFailure(host, failure);
    ReadOnlyCheck(host, 1, path);
    ClearPrompt(bench);
    return false;
  }
  ShowPrompt(bench, "Saved: " + path);
  // What is on disk now is what the panes hold, alignment lines aside.
  for (int pane = 1; pane <= 2; ++pane) bench.Pane(pane)->ClearModified();
  return true;
}

}  // namespace vormak
