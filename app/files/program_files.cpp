#include "app/files/program_files.h"

namespace vclock::program_files {

bool isBareName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name) {
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
    }
    return true;
}

}  // namespace vclock::program_files
