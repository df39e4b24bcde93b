// The topic choice: what a game draws from, what the profile keeps, and when a choice is too
// small to play.
#include "quiz/topic_choice.h"
#include "screens/topic_panel.h"

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Records alternate A, B, B, C, C, C, ... over `records` records.
quiz::TopicIndex ThreeTopics(int records) {
    quiz::TopicIndex index;
    index.names = {"A", platform::Utf8ToCp1250("Řeky"), "C"};
    for (int i = 0; i < records; ++i) index.topicOf.push_back(i % 6 == 0 ? 0 : i % 6 < 3 ? 1 : 2);
    return index;
}

class TopicChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* home = std::getenv("BRELLIK_HOME")) previousHome_ = home;
        ::setenv("BRELLIK_HOME", scratch_.Path().c_str(), 1);
        headless::Install();
        quiz::SetTopics(ThreeTopics(60));
        quiz::SetChoiceFromProfileValue("");
    }
    void TearDown() override {
        quiz::SetTopics({});
        quiz::SetChoiceFromProfileValue("");
        if (previousHome_.empty()) ::unsetenv("BRELLIK_HOME");
        else ::setenv("BRELLIK_HOME", previousHome_.c_str(), 1);
    }

    testing_support::ScratchFolder scratch_;
    std::string previousHome_;
};

TEST_F(TopicChoiceTest, AGameDrawsFromTheChosenTopicsOrFromEverything) {
    EXPECT_EQ(quiz::ChosenQuestionCount(), 60);
    EXPECT_TRUE(quiz::ChosenRecords().empty());  // everything: today's draw
    quiz::ChooseTopic(0, false);
    const std::vector<int32_t> records = quiz::ChosenRecords();
    EXPECT_EQ(records.size(), 50u);
    for (const int32_t record : records) EXPECT_NE(record % 6, 0);
    quiz::ChooseTopic(2, false);  // 20 questions left: too few to play, so all play
    EXPECT_FALSE(quiz::ChoiceIsPlayable());
    EXPECT_TRUE(quiz::ChosenRecords().empty());
    quiz::SetTopics({});
    EXPECT_TRUE(quiz::ChoiceIsPlayable());
    EXPECT_TRUE(quiz::ChosenRecords().empty());
}

TEST_F(TopicChoiceTest, TheProfileKeepsTheLeftOutTopicsBesideItsOtherLines) {
    scratch_.Write("tarvex_p.ini", "[Brellik]\r\nSound volume=40\r\n[Other]\r\nTopics off=X\r\n");
    quiz::ChooseTopic(1, false);
    quiz::ChooseTopic(2, false);
    ASSERT_TRUE(screens::WriteTopicChoice());
    EXPECT_EQ(scratch_.Read("tarvex_p.ini"),
              "[Brellik]\r\nTopics off=C|Řeky\r\nSound volume=40\r\n[Other]\r\nTopics off=X\r\n");
    quiz::ChooseAllTopics(true);
    screens::ReadTopicChoice();
    EXPECT_TRUE(quiz::IsTopicChosen(0));
    EXPECT_FALSE(quiz::IsTopicChosen(1));
    EXPECT_FALSE(quiz::IsTopicChosen(2));
    // A name this index does not know stays in the choice for the file that has it.
    quiz::SetChoiceFromProfileValue("Hory||A");
    EXPECT_FALSE(quiz::IsTopicChosen(0));
    EXPECT_EQ(quiz::ChoiceProfileValue(), "A|Hory");
}

}  // namespace
