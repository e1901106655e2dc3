// vormak-batch renumber, change, shift, scale, remove, switch-axis, switch-address and order:
// the NC utilities on a program file, through the same engines as the dialogs.
#include <cstdio>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_nc_file.h"
#include "nctext/expression.h"
#include "nctext/order_blocks.h"
#include "nctext/text_functions.h"
#include "settings/number_text.h"
#include "settings/word_format.h"
#include "utilities/renumber.h"
#include "utilities/word_transforms.h"

namespace vormak::batch {

namespace {

constexpr const char* kRenumberUsage =
    "renumber [--start N] [--increment N] [--address L] [--existing-only] [--include-comments] "
    "[--include-o] FILE [--machine M] [--lines A-B] [-o OUT]";
constexpr const char* kChangeUsage =
    "change --find TEXT --to TEXT FILE [--machine M] [--lines A-B] [-o OUT]";
constexpr const char* kShiftUsage =
    "shift --add L=VALUE [--add L=VALUE ...] FILE [--machine M] [--lines A-B] [-o OUT]";
constexpr const char* kScaleUsage =
    "scale --addresses LETTERS --factor F FILE [--machine M] [--lines A-B] [-o OUT]";
constexpr const char* kRemoveUsage =
    "remove --addresses LETTERS FILE [--machine M] [--lines A-B] [-o OUT]";
constexpr const char* kSwitchAxisUsage =
    "switch-axis [--x L] [--y L] [--z L] [--reverse-x] [--reverse-y] [--reverse-z] FILE "
    "[--machine M] [--lines A-B] [-o OUT]";
constexpr const char* kSwitchAddressUsage =
    "switch-address --a L --b L [--reverse-a] [--reverse-b] FILE [--machine M] [--lines A-B] "
    "[-o OUT]";
constexpr const char* kOrderUsage =
    "order [--order TEXT] [--sort] [--strip LETTERS] FILE [--machine M] [--lines A-B] [-o OUT]";

// Letters typed for a machine with "Upper Case Only" are taken in upper case, as the dialogs
// take them.
std::string Letters(const Workbench& bench, const std::string& text) {
  return bench.settings.use[kUseUpperCase] ? UpperText(text) : text;
}

std::optional<double> NumberOption(const std::string& text) {
  if (auto number = ReadNumber(text)) return number;
  const EvalResult r = EvaluateText(text);
  if (r.failed()) return std::nullopt;
  return r.value;
}

}  // namespace

int RunRenumber(const Args& args) {
  const NcOptionNames names{{"--start", "--increment", "--address"},
                            {"--existing-only", "--include-comments", "--include-o"}};
  return RunOnFile(args, names, kRenumberUsage, [](const NcFileOptions& o, NcFileSession& s) {
    Workbench& bench = s.bench();
    RenumberOptions r;
    r.start = bench.settings.start_block;
    r.increment = bench.settings.block_increment;
    if (o.Has("--start")) {
      const auto start = ReadWholeNumber(o.Value("--start"));
      if (!start) return BadValue("start number", o.Value("--start"));
      r.start = *start;
    }
    if (o.Has("--increment")) {
      const auto increment = ReadWholeNumber(o.Value("--increment"));
      if (!increment) return BadValue("increment", o.Value("--increment"));
      r.increment = *increment;
    }
    r.letter = RenumberLetter(Letters(bench, o.Value("--address")));
    r.existing_only = o.Has("--existing-only");
    r.include_comments = o.Has("--include-comments");
    r.include_o = o.Has("--include-o");
    RenumberLines(bench, 1, s.Range(), r);
    return true;
  });
}

int RunChange(const Args& args) {
  const NcOptionNames names{{"--find", "--to"}, {}};
  return RunOnFile(args, names, kChangeUsage, [](const NcFileOptions& o, NcFileSession& s) {
    Workbench& bench = s.bench();
    const std::string find = Letters(bench, o.Value("--find"));
    const auto request = ParseChangeRequest(find, Letters(bench, o.Value("--to")));
    if (!request) return BadValue("--find/--to", find);
    ChangeValue(bench, 1, s.Range(), request->letter, request->mode, request->value, request->find);
    return true;
  });
}

int RunShift(const Args& args) {
  const NcOptionNames names{{"--add"}, {}};
  return RunOnFile(args, names, kShiftUsage, [](const NcFileOptions& o, NcFileSession& s) {
    Workbench& bench = s.bench();
    const auto it = o.values.find("--add");
    if (it == o.values.end()) return BadValue("shift", "(none given)");
    std::vector<std::pair<char, double>> shifts;
    for (const std::string& add : it->second) {
      const std::string text = Letters(bench, add);
      const size_t equals = text.find('=');
      const auto amount = equals == 1 ? NumberOption(text.substr(2)) : std::nullopt;
      if (!amount || !IsAddressLetter(text[0])) return BadValue("--add (want L=VALUE)", add);
      shifts.emplace_back(text[0], *amount);
    }
    for (const auto& [letter, amount] : shifts) {
      if (bench.stop_requested) break;
      ShiftAddress(bench, 1, s.Range(), letter, amount);
    }
    return true;
  });
}

int RunScale(const Args& args) {
  const NcOptionNames names{{"--addresses", "--factor"}, {}};
  return RunOnFile(args, names, kScaleUsage, [](const NcFileOptions& o, NcFileSession& s) {
    Workbench& bench = s.bench();
    const std::string letters = Letters(bench, o.Value("--addresses"));
    const auto factor = NumberOption(o.Value("--factor"));
    if (letters.empty()) return BadValue("--addresses", letters);
    if (!factor) return BadValue("--factor", o.Value("--factor"));
    for (const char letter : letters) {
      if (bench.stop_requested) break;
      ScaleAddress(bench, 1, s.Range(), letter, *factor);
    }
    return true;
  });
}

int RunRemove(const Args& args) {
  const NcOptionNames names{{"--addresses"}, {}};
  return RunOnFile(args, names, kRemoveUsage, [](const NcFileOptions& o, NcFileSession& s) {
    Workbench& bench = s.bench();
    const std::string letters = Letters(bench, o.Value("--addresses"));
    if (letters.empty()) return BadValue("--addresses", letters);
    for (const char letter : letters) RemoveAddressRange(bench, 1, s.Range(), letter, false);
    return true;
  });
}

int RunSwitchAxis(const Args& args) {
  const NcOptionNames names{{"--x", "--y", "--z"}, {"--reverse-x", "--reverse-y", "--reverse-z"}};
  return RunOnFile(args, names, kSwitchAxisUsage, [](const NcFileOptions& o, NcFileSession& s) {
    Workbench& bench = s.bench();
    AxisSwitch choice;
    const char* rows[3] = {"--x", "--y", "--z"};
    const char* reverse[3] = {"--reverse-x", "--reverse-y", "--reverse-z"};
    for (int axis = 0; axis < 3; ++axis) {
      const std::string letter = UpperText(o.Value(rows[axis], std::string(1, "XYZ"[axis])));
      if (letter.size() != 1 || std::string("XYZ").find(letter[0]) == std::string::npos) {
        return BadValue(rows[axis], letter);
      }
      choice.new_axis[axis] = letter[0];
      choice.reverse[axis] = o.Has(reverse[axis]);
    }
    if (DuplicateAxisChoice(choice)) {
      std::fprintf(stderr, "%s\n", kDuplicateAxisChoices);
      return false;
    }
    SwitchAxes(bench, 1, s.Range(), choice);
    return true;
  });
}

int RunSwitchAddress(const Args& args) {
  const NcOptionNames names{{"--a", "--b"}, {"--reverse-a", "--reverse-b"}};
  return RunOnFile(args, names, kSwitchAddressUsage, [](const NcFileOptions& o, NcFileSession& s) {
    Workbench& bench = s.bench();
    const std::string a = Letters(bench, o.Value("--a"));
    const std::string b = Letters(bench, o.Value("--b"));
    if (a.empty()) return BadValue("--a", a);
    if (b.empty()) return BadValue("--b", b);
    SwitchAddresses(bench, 1, s.Range(), a[0], b[0], o.Has("--reverse-a"), o.Has("--reverse-b"));
    return true;
  });
}

int RunOrder(const Args& args) {
  const NcOptionNames names{{"--order", "--strip"}, {"--sort"}};
  return RunOnFile(args, names, kOrderUsage, [](const NcFileOptions& o, NcFileSession& s) {
    Workbench& bench = s.bench();
    const std::string order = Letters(bench, o.Value("--order", bench.settings.address_order));
    const std::string strip = Letters(bench, o.Value("--strip"));
    // Without either choice the dialog's own default holds: sort only.
    int mode =
        (o.Has("--sort") ? kOrderSortAddresses : 0) | (o.Has("--strip") ? kOrderStripUnneeded : 0);
    if (mode == 0) mode = kOrderSortAddresses;
    OrderBlocks(bench, 1, s.Range(), order, strip, mode);
    return true;
  });
}

}  // namespace vormak::batch
