#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/decode/picture_files.h"
#include "tests/fuzz/input_checks.h"

// The libFuzzer targets need Clang; these run the same checks in every build,
// on a few thousand mutations of valid inputs drawn from a fixed seed.
namespace vclock::fuzz {
namespace {

using testing::Bytes;
using testing::PictureSpec;
using Check = bool (*)(std::span<const std::uint8_t>);

constexpr int kMutationsPerInput = 1500;

// Breaks inputs the ways files and typed text break: flipped bits, changed
// bytes, fields set to boundary values, cuts, inserted and repeated runs.
class Mutator {
public:
    explicit Mutator(std::string alphabet) : alphabet_(std::move(alphabet)) {}

    Bytes mutate(Bytes input) {
        const std::uint32_t edits = 1 + below(3);
        for (std::uint32_t i = 0; i < edits; ++i) edit(input);
        return input;
    }

private:
    // std::mt19937's sequence is fixed by the standard; the distributions' are not, so none is used.
    std::uint32_t below(std::size_t bound) { return bound == 0 ? 0 : static_cast<std::uint32_t>(random_() % bound); }

    std::uint8_t anyByte() {
        return alphabet_.empty() ? static_cast<std::uint8_t>(random_()) : static_cast<std::uint8_t>(alphabet_[below(alphabet_.size())]);
    }

    void edit(Bytes& input) {
        static constexpr std::uint32_t kBoundaries[] = {0, 1, 2, 40, 255, 256, 257, 16384, 16385, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
        const std::size_t at = below(input.size() + 1);
        switch (below(6)) {
            case 0:
                if (at < input.size()) input[at] ^= static_cast<std::uint8_t>(1u << below(8));
                break;
            case 1:
                if (at < input.size()) input[at] = anyByte();
                break;
            case 2:
                if (at + 4 <= input.size()) testing::put32(input, at, kBoundaries[below(std::size(kBoundaries))]);
                break;
            case 3: input.resize(at); break;
            case 4: input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), 1 + below(8), anyByte()); break;
            default: {
                const Bytes run(input.begin() + static_cast<std::ptrdiff_t>(at), input.end());
                for (std::uint32_t n = below(4); n > 0; --n) input.insert(input.end(), run.begin(), run.end());
                break;
            }
        }
    }

    std::mt19937 random_{20260101};
    std::string alphabet_;
};

// Checks every input and kMutationsPerInput mutants of each.
void checkMutants(const char* what, const std::vector<Bytes>& inputs, Check check, Mutator mutator) {
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        ASSERT_TRUE(check(inputs[i])) << what << " input " << i << " unmutated";
        for (int n = 0; n < kMutationsPerInput; ++n) {
            const Bytes mutant = mutator.mutate(inputs[i]);
            ASSERT_TRUE(check(mutant)) << what << " input " << i << ", mutation " << n << ", " << mutant.size() << " bytes";
        }
    }
}

PictureSpec ramp(int width, int height, int bitsPerPixel) {
    PictureSpec spec{width, height, bitsPerPixel, {}, {}, {}};
    const std::uint32_t colours = bitsPerPixel <= 8 ? 1u << bitsPerPixel : 0x1000000;
    if (bitsPerPixel <= 8) {
        for (std::uint32_t i = 0; i < colours; ++i) spec.palette.push_back(i * 0x030507 % 0x1000000);
    }
    for (int i = 0; i < width * height; ++i) {
        spec.pixels.push_back(static_cast<std::uint32_t>(i) * 37 % colours);
        spec.masked.push_back(i % 3 == 0);
    }
    return spec;
}

TEST(Mutations, BitmapFiles) {
    const std::vector<Bytes> inputs = {testing::writeBmp(ramp(7, 5, 8)), testing::writeBmp(ramp(5, 3, 24), true),
                                       testing::writeBmp(PictureSpec{3, 2, 8, {0xFF0000, 0xFF}, {0, 1, 1, 0, 0, 1}, {}})};
    checkMutants("bitmap", inputs, bmpInputHolds, Mutator(""));
}

TEST(Mutations, IconFiles) {
    const std::vector<Bytes> inputs = {testing::writeIco({ramp(16, 16, 4), ramp(8, 8, 4)}),
                                       testing::writeIco({ramp(9, 9, 8), ramp(5, 5, 1)}),
                                       testing::writeIco({ramp(6, 6, 24), ramp(3, 3, 32)})};
    checkMutants("icon", inputs, icoInputHolds, Mutator(""));
}

TEST(Mutations, DateText) {
    std::vector<Bytes> inputs;
    for (const char* text : {"12:00:00 PM", "7:30 pm", "19:30", "7 PM", "3/25/2001 7:30:00 AM", "25/03/2001 19:30:15",
                             "25.03.2001", "2001-03-25", "  23:59:59  "}) {
        inputs.emplace_back(text, text + std::char_traits<char>::length(text));
    }
    checkMutants("date text", inputs, dateTextInputHolds, Mutator("0123456789:/.- \tAPMapm\xC3\xA4\xFF"));
}

}  // namespace
}  // namespace vclock::fuzz
