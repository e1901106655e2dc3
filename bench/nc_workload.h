#pragma once
// Workloads for the editor benchmarks: a long milling program as a machine shop would send
// it, about 30 bytes a block.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace vormak::bench {

inline std::string GenerateNcProgram(int blocks, const char* line_break = "\r\n") {
  std::string text;
  text.reserve(static_cast<size_t>(blocks) * 34);
  text += "%";
  text += line_break;
  char block[96];
  for (int n = 1; n < blocks; ++n) {
    const double x = (n % 5000) * 0.013;
    const double y = (n % 3700) * -0.021;
    const int length =
        std::snprintf(block, sizeof block, "N%d G01 X%.3f Y%.3f F%d", n, x, y, 100 + (n % 9) * 50);
    text.append(block, static_cast<size_t>(length));
    text += line_break;
  }
  return text;
}

// The program written to a scratch file; removed again when the workload goes.
class NcProgramFile {
 public:
  NcProgramFile(int blocks, const std::string& name)
      : path_((std::filesystem::temp_directory_path() / name).string()) {
    const std::string text = GenerateNcProgram(blocks);
    bytes_ = text.size();
    std::ofstream(path_, std::ios::binary).write(text.data(), static_cast<long>(text.size()));
  }
  ~NcProgramFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }
  size_t bytes() const { return bytes_; }

 private:
  std::string path_;
  size_t bytes_ = 0;
};

inline constexpr int kMillionBlocks = 1'000'000;

}  // namespace vormak::bench
