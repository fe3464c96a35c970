#pragma once
// What the fuzz targets share. Each target feeds libFuzzer's bytes to one byte-level function and
// checks what must hold of the result; a property that fails is a finding like a crash.

#include <cstdio>
#include <cstdlib>

namespace pelmora::fuzz {

// Names the property that failed and aborts, so that libFuzzer keeps the input as a finding.
inline void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property does not hold: %s\n", property);
  std::abort();
}

}  // namespace pelmora::fuzz
