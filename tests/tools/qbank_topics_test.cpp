// The topic index qbank writes beside a question file, read back the way the game reads it.
#include "qbank/commands.h"

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "quiz/question_bank.h"
#include "quiz/topic_index.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class QbankTopics : public ::testing::Test {
protected:
    void SetUp() override { headless::Install(); }

    int Compile(std::vector<std::string> names, const std::string& output) {
        qbank::CompileOptions options;
        for (const std::string& name : names) options.sources.push_back(scratch_ / name);
        options.output = scratch_ / output;
        options.interleave = true;
        options.fit = false;
        return qbank::Compile(options, out_, err_);
    }

    // The index of a compiled file as the game checks it: empty problem when it is accepted.
    std::string Load(const std::string& file, const std::string& indexText,
                     quiz::TopicIndex& index) {
        EXPECT_TRUE(bank_.Load(scratch_ / file));
        return quiz::ParseTopicIndex(indexText, bank_.Count(), bank_.Digest(), index);
    }

    testing_support::ScratchFolder scratch_;
    std::ostringstream out_, err_;
    quiz::QuestionBank bank_;
};

// `count` questions "<name> 1?", "<name> 2?", ...
std::string Questions(const std::string& name, int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += name + " " + std::to_string(i) + "?\nano\nne\nmožná\n\n";
    return text;
}

TEST_F(QbankTopics, EveryRecordGetsItsFilesTopicWhateverTheOrder) {
    scratch_.Write("dejiny.txt", "# téma: Historie Česka\n" + Questions("Hrad", 7));
    scratch_.Write("zemepis-svet.txt", "# Zeměpis\n" + Questions("Řeka", 5));
    scratch_.Write("vice-dejin.txt", "\xEF\xBB\xBF# téma: Historie Česka\n" + Questions("Král", 4));
    ASSERT_EQ(Compile({"dejiny.txt", "zemepis-svet.txt", "vice-dejin.txt"}, "Data/q.crp"), 0)
        << err_.str();
    quiz::TopicIndex index;
    ASSERT_EQ(Load("Data/q.crp", scratch_.Read("Data/q.tem"), index), "");
    const std::vector<std::string> names = {platform::Utf8ToCp1250("Historie Česka"),
                                            "zemepis svet"};
    EXPECT_EQ(index.names, names);
    ASSERT_EQ(index.topicOf.size(), 16u);
    for (int record = 0; record < 16; ++record) {
        const std::string question = bank_.records[record].question;
        const bool history = question.starts_with("Hrad") || question.starts_with("Kr");
        EXPECT_EQ(index.topicOf[record], history ? 0 : 1) << question;
    }
}

TEST_F(QbankTopics, ADamagedOrForeignIndexIsRefusedWithItsReason) {
    scratch_.Write("a.txt", "# téma: A\n" + Questions("A", 3));
    scratch_.Write("b.txt", "# téma: B\n" + Questions("B", 3));
    ASSERT_EQ(Compile({"a.txt", "b.txt"}, "q.crp"), 0) << err_.str();
    ASSERT_EQ(Compile({"a.txt"}, "other.crp"), 0) << err_.str();
    scratch_.Write("b.txt", "# téma: B\n" + Questions("C", 3));
    ASSERT_EQ(Compile({"a.txt", "b.txt"}, "same-size.crp"), 0) << err_.str();
    const std::string good = scratch_.Read("q.tem");
    quiz::TopicIndex index;
    ASSERT_EQ(Load("q.crp", good, index), "");
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<std::string, std::string> cases[] = {
        {scratch_.Read("other.tem"), "it is for 3 questions, the file has 6"},
        {scratch_.Read("same-size.tem"), "it belongs to another question file"},
        {replaced("topics 1", "topics 2"), "version 2 is not known"},
        {replaced("records\n", "records\n7\n"), "line 8: not a topic number"},
        {good.substr(0, good.size() - 2), "the records end early"},
        {good + "0\n", "more lines than records"},
        {replaced("topics 2\nA", "topics 2\n"), "line 5: a topic name is empty"},
        {replaced("topics 2\nA", "topics 2\n\x9a"),
         "line 5: a topic name is not UTF-8 the game can show"},
        {"", "not a topic index"},
        {std::string(quiz::kMaxTopicIndexBytes + 1, '0'), "the file is too large"},
    };
    for (const auto& [text, reason] : cases) {
        EXPECT_EQ(Load("q.crp", text, index), reason) << text;
        EXPECT_TRUE(index.names.empty() && index.topicOf.empty());
    }
}

TEST_F(QbankTopics, FileNamesNameTheTopicsAndStatsCountThem) {
    scratch_.Write("jidlo.txt", Questions("Polévka", 2));
    scratch_.Write("sport_zimni.txt", "# téma: Zimní sporty\n" + Questions("Lyže", 3));
    ASSERT_EQ(qbank::Stats({scratch_ / "jidlo.txt", scratch_ / "sport_zimni.txt"}, out_, err_), 0);
    EXPECT_NE(out_.str().find("topics: 2\n  jidlo: 2\n  Zimní sporty: 3\n"), std::string::npos)
        << out_.str();
}

TEST_F(QbankTopics, ATopicTheIndexCannotHoldIsAProblem) {
    scratch_.Write("a.txt", "# téma: Hudba | tanec\n" + Questions("A", 3));
    EXPECT_EQ(Compile({"a.txt"}, "q.crp"), 1);
    EXPECT_NE(err_.str().find("a.txt:1: the topic: a topic name holds"), std::string::npos)
        << err_.str();
    std::vector<std::string> many;
    for (int i = 0; i <= quiz::kMaxTopics; ++i) {
        many.push_back("t" + std::to_string(i) + ".txt");
        scratch_.Write(many.back(), Questions("Q" + std::to_string(i), 1));
    }
    err_.str("");
    EXPECT_EQ(Compile(many, "many.crp"), 1);
    EXPECT_NE(err_.str().find("33 topics; the game holds at most 32"), std::string::npos)
        << err_.str();
}

}  // namespace
