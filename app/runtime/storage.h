#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vclock {

class SettingsStore;

// What the program keeps and reads: the user's settings and the files in
// its own folder.
class Storage {
public:
    virtual ~Storage() = default;

    virtual SettingsStore& settings() = 0;

    // The bytes of a file in the program's own folder, or nothing when it
    // cannot be read. Only a bare name is looked up, and only a regular file
    // of at most program_files::kLargest bytes is read (app/files).
    std::optional<std::vector<std::uint8_t>> readProgramFile(const std::string& fileName);

protected:
    // A file of the program's folder, by a name already checked to be bare:
    // its bytes when it is a regular file of at most `largest` bytes. Opening
    // never blocks, whatever lies there (a pipe, a device, a folder).
    virtual std::optional<std::vector<std::uint8_t>> readFileBesideProgram(const std::string& bareName,
                                                                           std::size_t largest) = 0;
};

}  // namespace vclock
