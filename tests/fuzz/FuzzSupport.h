// What every fuzz target shares: a private data directory, the input written as a data file,
// and checks that stop the run loudly when an invariant breaks.
//
// A new format joins by one file tests/fuzz/fuzz_<name>.cpp and a folder of small seeds in
// tests/fuzz/corpus/<name>; the build and `make fuzz` find both by their names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzsupport {

// Enters a fresh data directory (once per process), empties it, resets the data layer to the
// French file names, and writes the input as `file`.
void Prepare(const std::string& file, const std::uint8_t* data, std::size_t size);

// Aborts, so libFuzzer records the input, when the condition is false.
void Check(bool condition, const char* what);

// Aborts when a temporary of a safe rewrite is left in the data directory.
void CheckNoTemporary();

// Bytes of the file, empty when it does not exist.
std::string Bytes(const std::string& file);

} // namespace fuzzsupport

#define FUZZ_CHECK(condition) ::fuzzsupport::Check((condition), #condition)
