// Compiled with our settings and never linked: check-compiled-code looks into its object. The copy
// goes into a buffer whose size the compiler knows, for a length it can't know; with
// fortification in effect it must become a call of the checking __memcpy_chk, which ends the
// process instead of writing past the buffer.
#include <cstddef>
#include <cstring>

void useProbeBuffer(const char* buffer);  // never defined: nothing links this object

void copyIntoProbeBuffer(const char* input, std::size_t length) {
  char buffer[16];
  std::memcpy(buffer, input, length);
  useProbeBuffer(buffer);
}
