#include <gtest/gtest.h>

#include <algorithm>

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

// A box's loop runs the program's messages: boxes asked for there wait their turn, once each,
// and a question there is not asked: it gets no answer, and the box showing comes forward.
// However many come, no box opens inside another.
TEST(MessageWithBeep, OneBoxAtATime) {
    FakeSystem system;
    system.boxAnswers = {mb::IdYes};
    std::vector<int> inner;
    system.whileBoxShown = [&] {
        if (system.boxes.size() > 1) return;
        for (int i = 0; i < 2000; ++i) {
            inner.push_back(MessageWithBeep(system, "premier", MessageKind::Confirmation,
                                            MessageButtons::YesNo));
            ShowHandlerError(system, "Vossik'", "panne " + std::to_string(i % 100));
            ShowHandlerError(system, "Vossik'", "panne 0");
        }
    };
    EXPECT_EQ(MessageWithBeep(system, "premier", MessageKind::Confirmation, MessageButtons::YesNo),
              mb::IdYes)
        << "the first box's own answer";
    EXPECT_EQ(inner, std::vector<int>(2000, BoxQueue::NotShown));
    EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), "box to front"), 2000);
    ASSERT_EQ(system.boxes.size(), 17u) << "the first, then sixteen distinct ones that waited";
    EXPECT_EQ(system.boxes[1].Text, "panne 0");
    EXPECT_EQ(system.boxes[16].Text, "panne 15");
    EXPECT_EQ(system.beeps.size(), 1u) << "the questions that could not show made no sound";
    EXPECT_EQ(system.boxLoops.Most, 1);
    EXPECT_FALSE(system.MessageBoxes.Showing());
}
