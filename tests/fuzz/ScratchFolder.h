#pragma once
// Loaders that take a path read their fuzz input from a file in one private
// folder per process (in memory where the system has /dev/shm), removed at
// exit.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// The folder, created on first use.
const std::string& ScratchFolder();
// Writes data as the file name inside the folder and returns its path.
std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);

} // namespace fuzz
