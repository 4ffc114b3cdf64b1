#include "shell/startup_action.h"

#include <gtest/gtest.h>

TEST(StartupAction, OptionsAreFoundAnywhereAndToolbarSetupWins) {
    EXPECT_EQ(ResolveStartupAction(L""), StartupAction::Run);
    EXPECT_EQ(ResolveStartupAction(L"-pc"), StartupAction::RegisterToolbarButton);
    EXPECT_EQ(ResolveStartupAction(L"-cleanup"), StartupAction::Cleanup);
    EXPECT_EQ(ResolveStartupAction(L"-cleanup -pc"), StartupAction::RegisterToolbarButton);
    EXPECT_EQ(ResolveStartupAction(L"-pc -cleanup"), StartupAction::RegisterToolbarButton);
    // A plain substring: inside a longer word or a path it counts too.
    EXPECT_EQ(ResolveStartupAction(L"\"D:\\my-pcfiles\\a.txt\""),
              StartupAction::RegisterToolbarButton);
    EXPECT_EQ(ResolveStartupAction(L"x-cleanupx"), StartupAction::Cleanup);
}

TEST(StartupAction, OptionsAreCaseSensitiveAndWhole) {
    EXPECT_EQ(ResolveStartupAction(L"-PC"), StartupAction::Run);
    EXPECT_EQ(ResolveStartupAction(L"-Cleanup"), StartupAction::Run);
    EXPECT_EQ(ResolveStartupAction(L"-p c -clean"), StartupAction::Run);
    EXPECT_EQ(ResolveStartupAction(L"/pc"), StartupAction::Run);
}
