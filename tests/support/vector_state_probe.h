#pragma once
// Reads whether the upper halves of the AVX registers are marked in use (XGETBV with ECX=1),
// and marks them so, on processors that can say; elsewhere the probe answers nothing.

#include <optional>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>

namespace vormak::test {

inline bool CanProbeUpperHalves() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__builtin_cpu_supports("avx") || !__get_cpuid_count(0xD, 1, &a, &b, &c, &d)) return false;
  return (a & 4) != 0;  // XGETBV with ECX=1
}

inline std::optional<bool> UpperHalvesInUse() {
  if (!CanProbeUpperHalves()) return std::nullopt;
  unsigned lo = 0, hi = 0;
  asm volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
  return (lo & 4) != 0;
}

// Fills a whole YMM register with ones, as library code using AVX leaves one behind.
__attribute__((target("avx"))) inline void MarkUpperHalvesInUse() {
  asm volatile("vpcmpeqd %%ymm0, %%ymm0, %%ymm0" ::: "xmm0");
}

}  // namespace vormak::test

#else

namespace vormak::test {
inline std::optional<bool> UpperHalvesInUse() { return std::nullopt; }
inline void MarkUpperHalvesInUse() {}
}  // namespace vormak::test

#endif
