#include <cstdint>
#include <vector>

#include "app/pointer/butterfly_pointer.h"
#include "tests/decode/picture_files.h"
#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

// A one-colour 32 x 32 icon file, its colour telling the wing frames apart.
Bytes wingsFile(std::uint32_t rgb) {
    PictureSpec image{32, 32, 24, {}, std::vector<std::uint32_t>(32 * 32, rgb), {}};
    return writeIco({image});
}

constexpr std::uint32_t kWingsUp = 0x2060c0;    // buttfly01.ico
constexpr std::uint32_t kWingsDown = 0xc06020;  // buttfly00.ico

class ButterflyPointerTest : public ClockFixture {
protected:
    ButterflyPointerTest() {
        sim.setProgramFile("buttfly01.ico", wingsFile(kWingsUp));
        sim.setProgramFile("buttfly00.ico", wingsFile(kWingsDown));
        form.start();
    }

    // The colour of the exit control's pointer icon, 0 for the layout's own.
    std::uint32_t wings() {
        const IconHandle& icon = element("imgexit0").mouseIcon();
        if (icon == embeddedArtwork().butterfly) return 0;
        return icon->best(32)->picture->at(0, 0) & 0xffffff;
    }
    void runButterfly(int turns) { sim.advance(300LL * turns); }
};

TEST_F(ButterflyPointerTest, ShowsTheLayoutsIconUntilTheFirstTurnThenAlternatesBeginningWithWingsUp) {
    sim.advance(299);
    EXPECT_EQ(wings(), 0u);
    EXPECT_EQ(form.butterfly().buttflyphase(), 0);
    std::vector<std::uint32_t> seen;
    sim.advance(1);
    seen.push_back(wings());
    for (int turn = 0; turn < 3; ++turn) {
        runButterfly(1);
        seen.push_back(wings());
    }
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{kWingsUp, kWingsDown, kWingsUp, kWingsDown}));
    EXPECT_EQ(form.butterfly().buttflyphase(), 0);
}

TEST_F(ButterflyPointerTest, ReadsTheFileAfreshOnEveryTurn) {
    runButterfly(2);
    const int reads = sim.fileReads();
    sim.setProgramFile("buttfly01.ico", wingsFile(0x00ff00));
    runButterfly(1);
    EXPECT_EQ(sim.fileReads(), reads + 1);
    EXPECT_EQ(wings(), 0x00ff00u);
}

TEST_F(ButterflyPointerTest, AFileThatIsMissingOrNotAnIconLeavesThePreviousIconAndTheClockRunning) {
    const Bytes good = wingsFile(kWingsUp);
    Bytes noImages = good;
    put16(noImages, ico::kCount, 0);
    Bytes offsetOutside = good;
    put32(offsetOutside, ico::kEntries + ico::kEntryOffset, 0xfffffff0u);
    Bytes sizeHuge = good;
    put32(sizeHuge, ico::kEntries + ico::kEntrySize, 0x7fffffffu);
    struct Case {
        const char* name;
        std::optional<Bytes> file;  // buttfly00.ico; nothing: missing
    };
    const std::vector<Case> cases = {
        {"missing", std::nullopt},
        {"empty", Bytes{}},
        {"cut inside the directory", Bytes(good.begin(), good.begin() + 10)},
        {"cut inside the image", Bytes(good.begin(), good.end() - 100)},
        {"no images", noImages},
        {"image offset outside the file", offsetOutside},
        {"image size past the end", sizeHuge},
        {"a bitmap, not an icon", writeBmp({4, 4, 24, {}, std::vector<std::uint32_t>(16, 0xffffff), {}})},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.file) {
            sim.setProgramFile("buttfly00.ico", *c.file);
        } else {
            sim.removeProgramFile("buttfly00.ico");
        }
        ASSERT_EQ(form.butterfly().buttflyphase(), 0);
        runButterfly(1);
        ASSERT_EQ(wings(), kWingsUp);
        const int leaf = form.tick().secondframe();
        runButterfly(1);  // the broken file's turn
        EXPECT_EQ(wings(), kWingsUp);
        EXPECT_EQ(form.butterfly().buttflyphase(), 0) << "the phase turns on all the same";
        EXPECT_NE(form.tick().secondframe(), leaf) << "the clock goes on";
    }
}

TEST_F(ButterflyPointerTest, ThePointerShowsOnlyOverTheExitControlsAreaAndNotWhilePressed) {
    runButterfly(1);
    const Rect area = element("imgexit0").visibleRect();
    EXPECT_EQ(element("imgexit0").width(), 2500);
    EXPECT_EQ(element("imgexit0").height(), 3000);
    const Icon* icon = element("imgexit0").mouseIcon().get();
    EXPECT_EQ(form.window().pointerAt({area.left + 5, area.top + 5}), icon);
    EXPECT_EQ(form.window().pointerAt({area.right() - 1, area.bottom() - 1}), icon);
    EXPECT_EQ(form.window().pointerAt({area.right() + 1, area.top + 5}), nullptr);
    EXPECT_EQ(form.window().pointerAt({area.left + 5, area.bottom() + 1}), nullptr);
    sim.press(form.window(), {area.left + 5, area.top + 5});
    runButterfly(1);
    EXPECT_EQ(form.window().pointerAt({area.left + 5, area.top + 5}), nullptr) << "the arrow once pressed";
}

}  // namespace
}  // namespace vclock::testing
