#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "support/FakeSystem.h"

TEST(MessageWithBeep, SoundTitleIconAndButtonsFollowTheKind) {
    struct Case {
        MessageKind Kind;
        unsigned Sound;
        const char* Title;
        unsigned Icon;
    };
    const Case cases[] = {
        {MessageKind::Warning, 0x40, "Avertissement", 0x30},
        {MessageKind::Error, 0x10, "Erreur", 0x10},
        {MessageKind::Information, 0x30, "Information", 0x40},
        {MessageKind::Confirmation, 0x20, "Confirmation", 0x20},
    };
    for (const Case& c : cases) {
        FakeSystem system;
        system.boxAnswers.push_back(mb::IdYes);
        int answer = MessageWithBeep(system, "texte", c.Kind, MessageButtons::YesNo);
        EXPECT_EQ(answer, mb::IdYes);
        ASSERT_EQ(system.calls.size(), 2u);
        EXPECT_EQ(system.calls[0], "beep " + std::to_string(c.Sound)) << "the beep comes first";
        EXPECT_EQ(system.boxes[0].Title, c.Title);
        EXPECT_EQ(system.boxes[0].Flags, c.Icon | mb::YesNo);
    }

    FakeSystem plain;
    MessageWithBeep(plain, "t", static_cast<MessageKind>(9));
    EXPECT_EQ(plain.beeps, std::vector<unsigned>{0});
    EXPECT_EQ(plain.boxes[0].Flags, mb::Ok);
}
