#include "settings/first_run_message.h"

#include <gtest/gtest.h>

#include <string>

#include "app/sim/sim_runtime.h"

namespace vclock::testing {
namespace {

class FirstRunMessageTest : public ::testing::Test {
protected:
    bool flagStored() { return sim.store().contains("Vordane Clock", "Popup", "okornot"); }
    std::string flag() { return sim.store().read("Vordane Clock", "Popup", "okornot"); }
    void answer(int button) {
        sim.setMessageBoxAnswer([button](const auto&) { return button; });
    }

    SimRuntime sim;
    FirstRunMessage message{sim};
};

TEST_F(FirstRunMessageTest, TheMessageTextTitleIconAndButtons) {
    message.showfreeinfo();
    ASSERT_EQ(sim.messageBoxes().size(), 1u);
    const auto& box = sim.messageBoxes()[0];
    EXPECT_EQ(box.text,
              "To find out more about how Vordane Clock function read the Readme file.\r\n\r\n"
              "If you don't want to see this message again click OK otherwise click CANCEL.");
    EXPECT_EQ(box.title, "Free Info");
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_EQ(box.buttons, MessageButtons::OkCancel);
}

TEST_F(FirstRunMessageTest, OkIsRememberedAndMarkedSeenAtEveryLaterCall) {
    answer(kAnswerOk);
    message.showfreeinfo();
    EXPECT_EQ(flag(), "false");
    for (int call = 0; call < 2; ++call) {
        message.showfreeinfo();
        EXPECT_EQ(flag(), "true");
    }
    EXPECT_EQ(sim.messageBoxes().size(), 1u);
}

TEST_F(FirstRunMessageTest, CancelOrEscapeStoresNothingAndTheMessageComesBack) {
    answer(kAnswerCancel);  // also what Escape and the close button give
    message.showfreeinfo();
    message.showfreeinfo();
    EXPECT_FALSE(flagStored());
    EXPECT_EQ(sim.messageBoxes().size(), 2u);
    answer(kAnswerOk);
    message.showfreeinfo();
    EXPECT_EQ(flag(), "false");
}

TEST_F(FirstRunMessageTest, AnyStoredValueSuppressesTheMessageAndBecomesTrue) {
    const std::string values[] = {"true", "false", "no", " ", "0", std::string(10000, 'x'),
                                  std::string("\xFF\x00", 2)};
    for (const std::string& value : values) {
        SCOPED_TRACE(value.substr(0, 10));
        sim.store().write("Vordane Clock", "Popup", "okornot", value);
        message.showfreeinfo();
        EXPECT_EQ(flag(), "true");
    }
    EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(FirstRunMessageTest, AnUnwritableStoreShowsTheMessageEachTimeAndNeverStops) {
    sim.store().setWritable(false);
    message.showfreeinfo();
    message.showfreeinfo();
    EXPECT_EQ(sim.messageBoxes().size(), 2u);
    EXPECT_FALSE(flagStored());
}

TEST_F(FirstRunMessageTest, OnlyTheProgramsOwnAddressIsUsed) {
    sim.store().write("Vordane Clock ", "Popup", "okornot", "true");  // a near miss of the name
    message.showfreeinfo();
    EXPECT_EQ(sim.messageBoxes().size(), 1u);
    EXPECT_EQ(flag(), "false");
}

}  // namespace
}  // namespace vclock::testing
