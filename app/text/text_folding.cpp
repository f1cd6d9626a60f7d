#include "app/text/text_folding.h"

namespace vclock {
namespace {

std::size_t lengthOfAny(std::string_view text, std::size_t at, const auto& sequences) {
    if (at == text.size() || static_cast<unsigned char>(text[at]) < 0x80) return 0;  // all are non-ASCII
    for (const std::string_view s : sequences) {
        if (text.substr(at, s.size()) == s) return s.size();
    }
    return 0;
}

// Walks a text one folded character at a time: a blank for each run of
// blanks, nothing for marks, any other byte as it stands.
class FoldedReader {
public:
    explicit FoldedReader(std::string_view text) : text_(text) {}

    // The next folded byte; nothing at the end.
    std::optional<char> next() {
        skipMarks();
        if (at_ == text_.size()) return std::nullopt;
        if (blankLength() == 0) return text_[at_++];
        while (at_ < text_.size()) {
            if (const std::size_t n = blankLength()) {
                at_ += n;
            } else if (const std::size_t m = lengthOfAny(text_, at_, kDirectionMarks)) {
                at_ += m;
            } else {
                break;
            }
        }
        return ' ';
    }

private:
    void skipMarks() {
        while (const std::size_t n = lengthOfAny(text_, at_, kDirectionMarks)) at_ += n;
    }
    std::size_t blankLength() const {
        if (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) return 1;
        return lengthOfAny(text_, at_, kWideBlanks);
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string foldedText(std::string_view text) {
    std::string out;
    FoldedReader in(text);
    while (const std::optional<char> c = in.next()) {
        if (*c == ' ' && out.empty()) continue;
        out += *c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::optional<std::size_t> matchFolded(std::string_view folded, std::string_view word) {
    FoldedReader in(word);
    std::size_t at = 0;
    while (const std::optional<char> c = in.next()) {
        if (at == folded.size() || lower(folded[at]) != lower(*c)) return std::nullopt;
        ++at;
    }
    return at;
}

}  // namespace vclock
