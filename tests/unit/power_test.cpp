#include <gtest/gtest.h>

#include "platform/platform.h"
#include "support/launcher_fixture.h"
#include "target/action_report.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;

TEST(ExitWindowsFlags, PerActionAndNeverForced) {
  struct Case {
    EntryKind kind;
    unsigned flags;
  } const cases[] = {{EntryKind::Logoff, 0}, {EntryKind::Restart, 2}, {EntryKind::PowerOff, 9}};
  for (const Case& c : cases)
    EXPECT_EQ(ExitWindowsFlags(c.kind), c.flags) << KindName(c.kind);
}

TEST(DoShutDown, PrivilegeStepsAndTheOneExitRequest) {
  struct Case {
    const char* what;
    int platformId;
    bool tokenOpens, privilegeFound;
    unsigned adjustError;
    std::vector<std::string> log;
  } const cases[] = {
      {"all steps succeed",
       kPlatformNt,
       true,
       true,
       0,
       {"OpenOwnProcessToken", "LookupShutdownPrivilege", "AdjustShutdownPrivilege",
        "CloseOwnProcessToken", "ExitWindows 9"}},
      {"no token",
       kPlatformNt,
       false,
       true,
       0,
       {"OpenOwnProcessToken", "MessageBox Cannot open process token. [Access is denied.\r\n]",
        "ExitWindows 9"}},
      {"no privilege value",
       kPlatformNt,
       true,
       false,
       0,
       {"OpenOwnProcessToken", "LookupShutdownPrivilege",
        "MessageBox Cannot find privilege value. [Access is denied.\r\n]", "CloseOwnProcessToken",
        "ExitWindows 9"}},
      {"privilege not held (ERROR_NOT_ALL_ASSIGNED)",
       kPlatformNt,
       true,
       true,
       1300,
       {"OpenOwnProcessToken", "LookupShutdownPrivilege", "AdjustShutdownPrivilege",
        "MessageBox Error adjusting process privileges.", "CloseOwnProcessToken", "ExitWindows 9"}},
      {"a system without privileges", 1, false, false, 1300, {"ExitWindows 9"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "a\r\n\r\n?poweroff\r\n");
    ASSERT_TRUE(l.Start());
    l.platform.platformId = c.platformId;
    l.platform.tokenOpens = c.tokenOpens;
    l.platform.privilegeFound = c.privilegeFound;
    l.platform.adjustError = c.adjustError;
    l.platform.lastError = 5;
    l.platform.errorTexts[5] = "Access is denied.\r\n";
    l.platform.powerLog.clear();
    l.platform.messages.clear();
    l.form->DoShutDown(EntryKind::PowerOff);
    EXPECT_EQ(l.platform.powerLog, c.log);
    for (const testing::ShownMessage& m : l.platform.messages)
      EXPECT_EQ(m.caption, "Tolvane") << m.text;
    for (const testing::ShownMessage& m : l.platform.messages)
      EXPECT_EQ(m.style, 0u) << m.text;
  }
}

}  // namespace
}  // namespace tolvane
