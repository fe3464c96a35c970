#pragma once
// Every wait of the tests: a condition polled at a short interval, up to a deadline. No fixed sleeps.
// (Counted in plain milliseconds: <chrono> holds a "µs" that the code page of our texts can't take.)

#include <functional>

namespace pelmora::e2e {

// Generous: the machines that run the tests are small and shared, and a wait that succeeds returns
// as soon as its condition holds.
inline constexpr unsigned kPatienceMilliseconds = 10000;

// True as soon as the condition holds; false when it still does not at the deadline.
bool waitUntil(const std::function<bool()>& condition, unsigned timeoutMilliseconds = kPatienceMilliseconds);

// The first truthy value that produce() gives, or the last (falsy) one at the deadline.
template <typename Produce>
auto waitFor(Produce produce, unsigned timeoutMilliseconds = kPatienceMilliseconds) {
  decltype(produce()) value{};
  waitUntil([&] { return static_cast<bool>(value = produce()); }, timeoutMilliseconds);
  return value;
}

}  // namespace pelmora::e2e
