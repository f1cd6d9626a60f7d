#include "app/runtime/storage.h"

#include "app/files/program_files.h"

namespace vclock {

std::optional<std::vector<std::uint8_t>> Storage::readProgramFile(const std::string& fileName) {
    if (!program_files::isBareName(fileName)) return std::nullopt;
    return readFileBesideProgram(fileName, program_files::kLargest);
}

}  // namespace vclock
