// A broken promise stops the fuzzer with a crash it records and reports.
#pragma once

inline void Check(bool promise) {
  if (!promise) __builtin_trap();
}
