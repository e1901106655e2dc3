#pragma once
// Qt's fills and painter calls can return with the upper halves of the AVX registers still
// marked in use. Until something clears them, each of our SSE instructions (all of the
// engine's arithmetic on doubles) waits on those halves on recent Intel cores: a million-block
// run went a quarter slower after the picture program had filled one image. Long engine loops
// call this where they start and after handing control to the window, and the raster canvas
// after each of its painter calls. A no-op where there is no AVX.

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace vormak {

namespace detail {
__attribute__((target("avx"))) inline void ZeroUpperHalves() { _mm256_zeroupper(); }
}  // namespace detail

inline void ClearVectorUpperHalves() {
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) detail::ZeroUpperHalves();
}

}  // namespace vormak

#else

namespace vormak {
inline void ClearVectorUpperHalves() {}
}  // namespace vormak

#endif
