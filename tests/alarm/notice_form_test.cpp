#include "alarm/notice_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/sim/sim_runtime.h"
#include "app/version.h"
#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

class NoticeFormTest : public ::testing::Test {
protected:
    NoticeFormTest() { sim.setClock(2026, 12, 10, 7, 30, 0); }

    Window& window() { return notice.window(); }
    Element& element(const std::string& name) { return window().element(name); }
    Point centreOf(const std::string& name) {
        const Rect r = element(name).visibleRect();
        return {r.left + r.width / 2, r.top + r.height / 2};
    }

    SimRuntime sim;
    NoticeForm notice{sim, embeddedArtwork()};
};

TEST_F(NoticeFormTest, IsAFixedDialogWithoutTitleBarIconOrTaskbarButton) {
    EXPECT_EQ(window().name(), "frmabout");
    EXPECT_EQ(window().caption(), "");
    EXPECT_EQ(window().borderStyle(), BorderStyle::FixedDialog);
    EXPECT_FALSE(window().showInTaskbar());
    EXPECT_EQ(window().icon(), nullptr);
    EXPECT_EQ(window().clientWidth(), 7380);
    EXPECT_EQ(window().clientHeight(), 4755);
    EXPECT_EQ(window().backColor(), Color::buttonFace());
}

TEST_F(NoticeFormTest, HoldsEveryElementInsideItsFrameInStackingAndTabOrder) {
    const Element& frame = element("frmabout");
    EXPECT_EQ(frame.kind(), ElementKind::Frame);
    EXPECT_EQ(frame.tabIndex(), 0);
    EXPECT_EQ(frame.pixelRect(), (Rect{10, 6, 472, 302}));
    struct Row {
        const char* name;
        int tabIndex;
    };
    const std::vector<Row> rows = {{"cmdmywebsite", 10}, {"cmdmailme", 9},   {"cmdok", 7},
                                   {"lblalarmtime", 8},  {"imgLogo", -1},    {"lblCopyright", 3},
                                   {"lblCompany", 2},    {"lblWarning", 1},  {"lblVersion", 4},
                                   {"lblProductName", 6}, {"lblCompanyProduct", 5}};
    ASSERT_EQ(window().elements().size(), rows.size() + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Element& e = *window().elements()[i + 1];
        EXPECT_EQ(e.name(), rows[i].name);
        EXPECT_EQ(e.tabIndex(), rows[i].tabIndex) << e.name();
        EXPECT_EQ(e.container(), &frame) << e.name();
    }
    EXPECT_EQ(element("cmdok").text(), "Close");
    EXPECT_EQ(element("cmdmailme").text(), "Mail me");
    EXPECT_EQ(element("cmdmywebsite").text(), "Visit my website");
    EXPECT_EQ(element("lblVersion").text(), "Version:");
    EXPECT_EQ(element("lblalarmtime").look().font, (Font{"MS Sans Serif", 18, true}));
    EXPECT_EQ(element("lblProductName").look().font, (Font{"Arial", 32.25, true}));
    EXPECT_TRUE(element("lblWarning").look().wrap);
    EXPECT_TRUE(element("lblWarning").look().opaque);
    EXPECT_FALSE(element("lblWarning").text().empty());
}

TEST_F(NoticeFormTest, LoadingFillsTheAlarmLineVersionAndTitleAndFocusesClose) {
    window().load();
    const std::string versionLine = "Version " + std::to_string(version::kMajor) + "." +
                                    std::to_string(version::kMinor) + "." + std::to_string(version::kRevision);
    EXPECT_EQ(element("lblalarmtime").text(), "ALARM AT: 7:30:00 AM");
    EXPECT_EQ(element("lblVersion").text(), versionLine);
    EXPECT_EQ(element("lblProductName").text(), "Vordane Clock");
    EXPECT_EQ(window().focus(), &element("cmdok"));
    // Auto-sized labels follow their new text from a fixed corner.
    EXPECT_EQ(element("lblVersion").left(), 5865);
    EXPECT_EQ(element("lblVersion").width(), pixelsToTwips(sim.measureText({"Arial", 12, true}, versionLine).width));
}

TEST_F(NoticeFormTest, AnAutoSizedLabelThatGrowsPastTheFrameIsCutAtItsInnerEdge) {
    window().load();
    const Element& line = element("lblalarmtime");
    const Rect frame = element("frmabout").pixelRect();
    ASSERT_GT(line.pixelRect().right(), frame.right()) << "the line is wider than the room left in the frame";
    EXPECT_EQ(line.left(), 3420) << "not moved";
    EXPECT_EQ(line.visibleRect().right(), frame.right() - 1);
}

TEST_F(NoticeFormTest, TheEmblemIsStretchedOverItsBoxWithItsMaskAndLiesOverTheAuthorLine) {
    window().load();
    const Element& logo = element("imgLogo");
    EXPECT_EQ(logo.picture(), embeddedArtwork().emblem->best(32)->picture);
    EXPECT_TRUE(logo.look().stretch);
    EXPECT_EQ(logo.width(), 1815);
    EXPECT_EQ(logo.height(), 2385);
    RecordingPainter painter;
    window().paint(painter, {0, 0, 492, 317});
    const auto at = [&](const std::string& what, const std::string& text) {
        return std::find_if(painter.calls.begin(), painter.calls.end(),
                            [&](const auto& c) { return c.what == what && c.text == text; });
    };
    const auto emblem = at("scaled", "");
    ASSERT_NE(emblem, painter.calls.end());
    EXPECT_EQ(emblem->area.width, 121);
    EXPECT_EQ(emblem->area.height, 159);
    EXPECT_LT(at("text", "by A. Vordane"), emblem) << "the author line is drawn first, under the emblem";
}

TEST_F(NoticeFormTest, CloseAndAnyCharacterKeyUnloadTheNotice) {
    window().load();
    sim.click(window(), centreOf("cmdok"));
    EXPECT_FALSE(window().loaded());
    for (char32_t key : {U'a', U'7', U' ', U'\r', U'ü'}) {
        window().load();
        window().setFocus(&element("cmdmailme"));
        sim.keyPress(window(), key);
        EXPECT_FALSE(window().loaded()) << static_cast<unsigned>(key);
    }
    EXPECT_TRUE(sim.openedAddresses().empty()) << "a key reaches the window before the focused button";
}

TEST_F(NoticeFormTest, TabMovesAmongTheButtonsInTabOrderAndNeverClosesTheNotice) {
    for (int time = 0; time < 2; ++time) {
        window().load();
        EXPECT_EQ(window().focus(), &element("cmdok")) << "each notice opens with the focus on Close";
        for (const char* name : {"cmdmailme", "cmdmywebsite", "cmdok"}) {
            sim.keyPress(window(), U'\t');
            EXPECT_EQ(window().focus(), &element(name));
        }
        sim.keyPress(window(), U'\t', true);
        EXPECT_EQ(window().focus(), &element("cmdmywebsite"));
        EXPECT_TRUE(window().loaded());
        sim.keyPress(window(), U'q');
        EXPECT_FALSE(window().loaded());
    }
}

TEST_F(NoticeFormTest, MailAndWebButtonsOpenTheirAddressEachTimeAndLeaveTheNoticeOpen) {
    window().load();
    sim.click(window(), centreOf("cmdmailme"));
    sim.click(window(), centreOf("cmdmywebsite"));
    sim.click(window(), centreOf("cmdmailme"));
    EXPECT_EQ(sim.openedAddresses(), (std::vector<std::string>{"mailto:clock@vordane.example",
                                                               "https://vordane.example/clock",
                                                               "mailto:clock@vordane.example"}));
    EXPECT_TRUE(window().loaded());
}

TEST_F(NoticeFormTest, TheFrameLabelsAndEmblemDoNothingWhenClicked) {
    window().load();
    for (const char* name : {"frmabout", "lblWarning", "imgLogo", "lblalarmtime", "lblVersion"}) {
        const Rect r = element(name).visibleRect();
        sim.click(window(), {r.left + 2, r.top + 2});
    }
    sim.click(window(), {2, 2});  // the window around the frame
    EXPECT_TRUE(window().loaded());
    EXPECT_TRUE(sim.openedAddresses().empty());
}

}  // namespace
}  // namespace vclock::testing
