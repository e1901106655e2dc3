#include <cstdio>

#include "app/batch_commands.h"

namespace vormak::batch {

int RunSettings(const Args& args) {
  std::fprintf(stderr, "vormak-batch settings: not built yet\n");
  return 1;
}

}  // namespace vormak::batch
