// The C++ library ends a program whose exception nobody catches through a handler that names the
// exception on standard error, demangling its type with the help of printf. A GUI program has no
// standard error to write to, and the handler pulls some 77 KB of code into the exe (a quarter of
// it). This definition takes its place at link time; the program ends the same way, by abort.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
