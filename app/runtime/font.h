#pragma once

#include <string>

namespace vclock {

struct Font {
    std::string family;    // the layout's name ("MS Sans Serif", "Arial"); backends substitute
    double pointSize = 8.25;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

}  // namespace vclock
