// Word values: AddressValue on any block with any address, and the letter formats writing
// and reading any value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_host.h"
#include "nctext/block_words.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vormak;
  const uint8_t flags = TakeByte(data, size);
  const uint8_t which = TakeByte(data, size);
  FuzzHost host;
  host.warning_answer = (flags & 4) != 0 ? Answer::kCancel : Answer::kOk;
  Workbench bench(host);
  bench.settings.use.Set(kUseCheckSyntax, (flags & 1) != 0);
  const std::string address =
      which % 27 == 26 ? std::string("=") : std::string(1, 'A' + which % 26);
  const std::string block(reinterpret_cast<const char*>(data), size);
  const double value = AddressValue(bench, address, block, (flags & 2) != 0);
  if (!std::isfinite(value)) std::abort();

  // The same bytes as a stored letter format, a value to write and a text to read.
  const LetterFormat format = ReadLetterFormat('X', block);
  bench.word_formats.Get(1, 'X') = format;
  double any = 0;
  if (size >= sizeof any) std::memcpy(&any, data, sizeof any);
  const std::string text = FormatAddressValue(bench.word_formats, 'X', 1, any);
  if (text.empty()) std::abort();
  const double read = ReadAddressValue(bench.word_formats, 'X', block, 1);
  if (!std::isfinite(read)) std::abort();
  if (std::isfinite(any) && std::fabs(any) < std::pow(10.0, format.integer_digits) - 1 &&
      format.decimal_digits <= 4) {
    // What the format writes, the format reads back to within its last decimal.
    const double back = ReadAddressValue(bench.word_formats, 'X', text, 1);
    if (std::fabs(back - any) >
        std::pow(10.0, -format.decimal_digits) * 0.5001 + 1e-9 * std::fabs(any)) {
      std::abort();
    }
  }
  return 0;
}
