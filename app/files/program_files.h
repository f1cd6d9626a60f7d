#pragma once

#include <cstddef>
#include <string_view>

namespace vclock::program_files {

// The rules for the files the clock reads beside itself, the same on every
// platform. Those files are two small icons (about 4 KB each), so anything
// far larger is not one of them and is not read.
inline constexpr std::size_t kLargest = 1 << 20;

// A bare file name: not empty, not "." or "..", and nothing that names a
// folder, a drive or a stream (no '/', '\', ':' or control character), so
// a read can never reach outside the program's own folder.
bool isBareName(std::string_view name);

}  // namespace vclock::program_files
