// vormak-batch: the engine's commands without a window.
#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Usage() {
  std::fprintf(stderr, "usage: vormak-batch SUBCOMMAND [options] FILE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "--version") {
    std::printf("vormak-batch 0.1\n");
    return 0;
  }
  return Usage();
}
