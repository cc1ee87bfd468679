#include <gtest/gtest.h>

#include "shutdown/QuitWin.h"
#include "shutdown/ScheduleDue.h"
#include "support/FakeSystem.h"

namespace {

using Calls = std::vector<std::string>;

const Calls PrivilegeOn = {"opentoken", "lookupprivilege SeShutdownPrivilege",
                           "adjustprivilege 19 on", "closetoken"};
const Calls PrivilegeOff = {"opentoken", "lookupprivilege SeShutdownPrivilege",
                            "adjustprivilege 19 off", "closetoken"};

// The calls made with the privilege enabled before them and disabled after them.
Calls Around(const Calls& middle) {
    Calls calls = PrivilegeOn;
    calls.insert(calls.end(), middle.begin(), middle.end());
    calls.insert(calls.end(), PrivilegeOff.begin(), PrivilegeOff.end());
    return calls;
}

}  // namespace

TEST(QuitWindows, ThePrivilegeIsHeldOnlyAroundTheCallAndNeverForALogOff) {
    FakeSystem system;
    EXPECT_TRUE(QuitWindows(system, 0));
    EXPECT_EQ(system.calls, Calls{"exitwindows 0"});

    system.calls.clear();
    EXPECT_TRUE(QuitWindows(system, 12));
    EXPECT_EQ(system.calls, Around({"exitwindows 12"}));
    EXPECT_EQ(system.openTokens, 0);

    system.calls.clear();
    system.exitAccepted = false;
    EXPECT_FALSE(QuitWindows(system, 5));
    EXPECT_EQ(system.calls, Around({"exitwindows 5"}))
        << "the privilege goes, even after a refusal";
}

TEST(QuitWindows, APrivilegeCannotChangeWithoutATokenAndTheExitCallStillGoes) {
    FakeSystem system;
    system.hasTokens = false;
    EXPECT_FALSE(SetTokenPrivilege(system, "SeShutdownPrivilege", true));
    EXPECT_EQ(system.calls, Calls{"opentoken"});

    system.calls.clear();
    EXPECT_TRUE(QuitWindows(system, 8));
    EXPECT_EQ(system.calls, (Calls{"opentoken", "exitwindows 8", "opentoken"}));
}

TEST(ScheduleDue, ReminderTheMinuteBeforeShutdownTheWholeMinuteAlsoOverTheHourAndMidnight) {
    struct Case {
        int Hour, Minute;  // the schedule
        TimeOfDay Now;
        Due Expected;
    };
    const Case cases[] = {
        {22, 30, {22, 28}, Due::Nothing},  {22, 30, {22, 29}, Due::Reminder},
        {22, 30, {22, 30}, Due::Shutdown}, {22, 30, {22, 31}, Due::Nothing},
        {22, 30, {21, 29}, Due::Nothing},  {22, 30, {23, 30}, Due::Nothing},
        {23, 0, {22, 59}, Due::Reminder},  {23, 0, {23, 0}, Due::Shutdown},
        {23, 0, {23, 59}, Due::Nothing},   {0, 0, {23, 59}, Due::Reminder},
        {0, 0, {0, 0}, Due::Shutdown},     {0, 5, {0, 4}, Due::Reminder},
        {12, 55, {12, 54}, Due::Reminder}, {12, 55, {13, 54}, Due::Nothing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScheduleDue(c.Now, c.Hour, c.Minute), c.Expected)
            << c.Hour << ":" << c.Minute << " at " << c.Now.Hour << ":" << c.Now.Minute;
}
