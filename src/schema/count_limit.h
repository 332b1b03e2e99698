#pragma once
// The largest counts of the files (macros, tools) are lowered in the fuzz
// build: an input that names the highest count would make every run write
// thousands of default keys, which leaves a fuzzer a few runs a second,
// and the code handles a limit alike whatever its size.
namespace prefig::schema {

constexpr int CountLimit([[maybe_unused]] int shipped, [[maybe_unused]] int when_fuzzing) {
#ifdef PREFIG_FUZZ_SMALL_COUNTS
  return when_fuzzing;
#else
  return shipped;
#endif
}

}  // namespace prefig::schema
