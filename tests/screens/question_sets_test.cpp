// The question sets in the user folder: the chosen ones fill the bank with their good
// questions and their topics; without a choice the shipped questions play as before.
#include "screens/question_sets.h"
#include "platform/platform.h"
#include "quiz/topic_choice.h"
#include "screens/game_fixture.h"
#include "sets/sheet_writer.h"

#include <cstring>

namespace {

sets::TextRows Rows(const std::string& stem, int count, const std::string& topic = "") {
    sets::TextRows rows = {sets::HeaderRow()};
    for (int i = 0; i < count; ++i) {
        rows.push_back({stem + " číslo " + std::to_string(i) + "?", "ano", "ne", "nevím"});
        if (!topic.empty() && i % 2) rows.back().push_back(topic);
    }
    return rows;
}

class QuestionSetsTest : public game_testing::GameTest {
protected:
    void TearDown() override {
        quiz::SetTopics({});
        GameTest::TearDown();
    }
    std::string SetPath(const std::string& name) { return screens::SetsFolder() + "/" + name; }
};

TEST_F(QuestionSetsTest, TheChosenSetsFillTheBankWithTheirGoodQuestionsAndTopics) {
    std::filesystem::create_directories(screens::SetsFolder());
    sets::TextRows mine = Rows("Otázka ze sady", 40, "Sudá");
    mine.push_back({"Vadná otázka", "", "ne", "nevím"});
    ASSERT_EQ(sets::WriteSheet(SetPath("sada.csv"), mine), "");
    ASSERT_EQ(sets::WriteSheet(SetPath("jiná.ods"), Rows("Jiná", 35)), "");
    dir.Write("home/Sady otázek/poznámky.pdf", "not a set");
    EXPECT_EQ(screens::SetFileNames(), (std::vector<std::string>{"jiná.ods", "sada.csv"}));

    quiz::QuestionBank bank;
    EXPECT_EQ(screens::PlayChosenSets(bank, 0).questions, 0) << "no choice: the shipped set alone";
    std::strcpy(bank.records[0].question, "Lodní otázka");
    ASSERT_TRUE(screens::WriteChosenSetNames({"sada.csv"}));
    EXPECT_EQ(screens::PlayChosenSets(bank, 1).questions, 40) << "the faulty row is left out";
    EXPECT_STREQ(bank.records[0].question, "Ot\xE1zka ze sady \xE8\xEDslo 0?");
    ASSERT_EQ(quiz::TopicCount(), 2);
    EXPECT_EQ(quiz::TopicName(0), "sada");
    EXPECT_EQ(quiz::QuestionsOfTopic(1), 20);

    std::strcpy(bank.records[0].question, "Lodní otázka");
    quiz::SetTopics({});
    ASSERT_TRUE(screens::WriteChosenSetNames({"jiná.ods", screens::kShippedSetName, "sada.csv"}));
    EXPECT_EQ(screens::PlayChosenSets(bank, 1).questions, 1 + 35 + 40);
    EXPECT_STREQ(bank.records[0].question, "Lodní otázka");
    EXPECT_EQ(quiz::TopicName(0), platform::Utf8ToCp1250(screens::kShippedSetName));
    EXPECT_EQ(quiz::TopicCount(), 4);
    EXPECT_EQ(std::string(bank.records[1].question).substr(0, 4), "Jin\xE1");
}

TEST_F(QuestionSetsTest, TheTemplatesAndAChoiceTooSmallForAGame) {
    ASSERT_EQ(screens::WriteTemplates(), "");
    EXPECT_EQ(screens::SetFileNames(), (std::vector<std::string>{"Šablona.ods", "Šablona.xlsx"}));
    ASSERT_EQ(sets::WriteSheet(SetPath("malá.csv"), Rows("Malá", 27)), "");
    quiz::QuestionBank bank;
    std::strcpy(bank.records[0].question, "Lodní otázka");
    ASSERT_TRUE(screens::WriteChosenSetNames({"Šablona.ods", "malá.csv"}));
    EXPECT_EQ(screens::PlayChosenSets(bank, 1).questions, 1) << "29 questions: too few, the shipped ones play";
    EXPECT_STREQ(bank.records[0].question, "Lodní otázka");
    ASSERT_TRUE(screens::WriteChosenSetNames({"Šablona.ods", "Šablona.xlsx", "malá.csv"}));
    EXPECT_EQ(screens::PlayChosenSets(bank, 1).questions, 1) << "a question two sets hold counts once";
    ASSERT_TRUE(screens::WriteChosenSetNames({"Šablona.ods", "malá.csv", screens::kShippedSetName}));
    EXPECT_EQ(screens::PlayChosenSets(bank, 1).questions, 30);
    EXPECT_EQ(quiz::TopicCount(), 4) << "the shipped set's name, the templates' two, malá";
}

}  // namespace
