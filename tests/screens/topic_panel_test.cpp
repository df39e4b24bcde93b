// Choosing topics: the panel on the one-player variant choice and on the buzzer set-up, the
// choice kept in the profile for both, a choice too small refused, and the games and the
// browser drawing from what was chosen.
#include "multi/multi_player.h"
#include "multi/multi_state.h"
#include "qbank/commands.h"
#include "quiz/topic_choice.h"
#include "screens/topic_panel.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "single_game_fixture.h"

#include <set>
#include <sstream>

namespace {

using screens::TopicPanel;

// Topics in file order: Hory 40 questions, Řeky 20, Města 35.
constexpr int kMountains = 0, kRivers = 1, kTowns = 2;

std::string Source(const std::string& topic, const std::string& stem, int count) {
    std::string text = "# téma: " + topic + "\n";
    for (int i = 0; i < count; ++i)
        text += stem + " " + std::to_string(i) + "?\nano\nne\nnevím\n\n";
    return text;
}

class PanelTest : public game_testing::SinglePlayerTest {
protected:
    TopicPanel* Panel() {
        return dynamic_cast<TopicPanel*>(Interface::FindControl(screens::kTopicPanel));
    }
    void ClickArea(const gfx::Rect& area) {
        ClickAt((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    }
    void OpenPanelOn(int32_t state) {
        Interface::SetState(state, false);
        RunFor(200);
        ClickControl(screens::kTopicButton);
        ASSERT_TRUE(Panel() && Panel()->IsOpen());
    }
};

class TopicPanelTest : public PanelTest {
protected:
    void SetUp() override {
        dir.Write("src/hory.txt", Source("Hory", "Hora", 40));
        dir.Write("src/reky.txt", Source("Řeky", "Řeka", 20));
        dir.Write("src/mesta.txt", Source("Města", "Město", 35));
        qbank::CompileOptions options;
        for (const char* name : {"hory", "reky", "mesta"})
            options.sources.push_back(dir / "src" + "/" + name + ".txt");
        options.output = dir / "home" + "/Data/otazky4.crp";
        options.fit = false;
        std::ostringstream out, err;
        ASSERT_EQ(qbank::Compile(options, out, err), 0) << err.str();
        if (!keepIndex_) std::filesystem::remove(dir / "home" + "/Data/otazky4.tem");
        if (emptyFirstTopic_) AddEmptyFirstTopic();
        SinglePlayerTest::SetUp();
    }

    // Chooses exactly `topics` on the open panel, then "Hotovo".
    void Choose(std::initializer_list<int> topics) {
        ClickArea(Panel()->NoneArea());
        for (const int topic : topics) ClickArea(Panel()->RowArea(topic));
        ClickArea(Panel()->DoneArea());
    }
    std::set<int> TopicsOf(const quiz::QuizState& quiz) {
        std::set<int> topics;
        for (int k = 0; k < quiz.deckSize; ++k) {
            const char first = quiz.bank[quiz.order[k]].question[0];  // Hora, Město, Řeka
            topics.insert(first == 'H' ? kMountains : first == 'M' ? kTowns : kRivers);
        }
        return topics;
    }
    std::string Profile() const { return dir.Read("home/tarvex_p.ini"); }

    // An index may name a topic that no record has: "Nic", put first.
    void AddEmptyFirstTopic() {
        std::istringstream in(dir.Read("home/Data/otazky4.tem"));
        std::string text, line;
        bool records = false;
        while (std::getline(in, line)) {
            if (line.starts_with("topics ")) line = "topics 4\nNic";
            else if (records) line = std::to_string(std::stoi(line) + 1);
            records = records || line == "records";
            text += line + "\n";
        }
        dir.Write("home/Data/otazky4.tem", text);
    }

    bool keepIndex_ = true;
    bool emptyFirstTopic_ = false;
};

class NoTopicIndexTest : public TopicPanelTest {
protected:
    NoTopicIndexTest() { keepIndex_ = false; }
};

class EmptyTopicTest : public TopicPanelTest {
protected:
    EmptyTopicTest() { emptyFirstTopic_ = true; }
};

TEST_F(TopicPanelTest, AChoiceIsKeptInTheProfileAndSharedByBothModes) {
    OpenPanelOn(StateSingleMenu);
    SaveScreenshot("topic_panel_single");
    Choose({kMountains, kTowns});
    EXPECT_FALSE(Panel()->IsOpen());
    EXPECT_EQ(controlsFrozen, 0);
    EXPECT_NE(Profile().find("Topics off=Řeky"), std::string::npos) << Profile();
    SaveScreenshot("topic_button_single");

    OpenPanelOn(StateMultiSetUp);
    SaveScreenshot("topic_panel_multi");
    EXPECT_TRUE(quiz::IsTopicChosen(kMountains));
    EXPECT_FALSE(quiz::IsTopicChosen(kRivers));
    ClickArea(Panel()->RowArea(kRivers));
    ClickArea(Panel()->RowArea(kMountains));
    headless::PressKey(0x1C, 13);  // Enter keeps it too
    Frame();
    EXPECT_FALSE(Panel()->IsOpen());
    EXPECT_NE(Profile().find("Topics off=Hory\n"), std::string::npos) << Profile();
    // What the next start reads.
    quiz::ChooseAllTopics(true);
    screens::ReadTopicChoice();
    EXPECT_EQ(quiz::ChosenQuestionCount(), 55);
}

TEST_F(TopicPanelTest, AChoiceTooSmallForAGameIsRefusedWithAMessage) {
    OpenPanelOn(StateMultiSetUp);
    Choose({});
    EXPECT_TRUE(Panel()->IsOpen());
    EXPECT_TRUE(Panel()->Refused());
    SaveScreenshot("topic_panel_refused");
    ClickArea(Panel()->RowArea(kRivers));  // 20 questions
    EXPECT_FALSE(Panel()->Refused());
    headless::PressKey(0x01, 27);
    Frame();
    EXPECT_TRUE(Panel()->IsOpen());
    EXPECT_TRUE(Panel()->Refused());
    EXPECT_EQ(Profile().find("Topics off="), std::string::npos);
    // Meanwhile the screen behind takes no clicks.
    ClickControl(multi::kBackButton);
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
    ClickArea(Panel()->AllArea());
    ClickArea(Panel()->DoneArea());
    EXPECT_FALSE(Panel()->IsOpen());
    EXPECT_NE(Profile().find("Topics off=\n"), std::string::npos);
}

TEST_F(TopicPanelTest, GamesAndTheBrowserDrawEveryQuestionOfTheChosenTopicsAndNoOther) {
    OpenPanelOn(StateSingleMenu);
    Choose({kRivers, kTowns});
    StartForR();
    EXPECT_EQ(singleQuiz->deckSize, 55);  // a short deck, played as a short own set is
    EXPECT_EQ(TopicsOf(*singleQuiz), (std::set<int>{kRivers, kTowns}));
    EXPECT_EQ(std::set<int>(singleQuiz->order, singleQuiz->order + 55).size(), 55u);

    Interface::SetState(StateMultiGame, false);
    RunFor(100);
    EXPECT_EQ(multiQuiz->deckSize, 55);
    EXPECT_EQ(TopicsOf(*multiQuiz), (std::set<int>{kRivers, kTowns}));

    Interface::SetState(StateBrowser, false);
    RunFor(100);
    EXPECT_EQ(singleQuiz->deckSize, 95);  // the browser shows all by default
    ClickControl(screens::kBrowserTopicButton);
    SaveScreenshot("topic_browser");
    EXPECT_EQ(singleQuiz->deckSize, 40);
    EXPECT_EQ(TopicsOf(*singleQuiz), std::set<int>{kMountains});
    for (int i = 0; i < 3; ++i) ClickControl(screens::kBrowserTopicButton);
    EXPECT_EQ(singleQuiz->deckSize, 95);
}

TEST_F(EmptyTopicTest, TheBrowserPassesByATopicWithoutQuestions) {
    ASSERT_EQ(quiz::TopicCount(), 4);
    ASSERT_EQ(quiz::QuestionsOfTopic(0), 0);
    Interface::SetState(StateBrowser, false);
    RunFor(100);
    ClickControl(screens::kBrowserTopicButton);
    EXPECT_EQ(singleQuiz->deckSize, 40);
    EXPECT_EQ(TopicsOf(*singleQuiz), std::set<int>{kMountains});
}

// The advert covers the whole screen, the topic button too.
TEST_F(PanelTest, TheAdvertLiesOverTheTopicButton) {
    for (const int32_t state : {StateSingleMenu, StateMultiSetUp}) {
        Interface::SetState(state, false);
        RunFor(200);
        ClickControl(screens::kAdvertButton);
        RunFor(100);
        ASSERT_TRUE(Shown(screens::kAdvertPicture)) << state;
        const std::vector<uint32_t> withButton = headless::Screen().pixels;
        screens::HideControl(screens::kTopicButton);
        RunFor(100);
        EXPECT_TRUE(headless::Screen().pixels == withButton) << state;
        ClickAt(400, 300);  // the advert goes
        ASSERT_FALSE(controlsFrozen);
    }
}

TEST_F(PanelTest, TheShippedQuestionsComeWithTheirTopics) {
    EXPECT_EQ(quiz::TopicCount(), 14);
    EXPECT_EQ(quiz::TotalTopicQuestions(), 1500);
    EXPECT_NE(LogText().find("Topics: 14 from"), std::string::npos) << LogText();
    OpenPanelOn(StateSingleMenu);
    SaveScreenshot("topic_panel_shipped");
}

TEST_F(NoTopicIndexTest, AFileWithoutTopicsPlaysEveryQuestionWithOneLogLine) {
    EXPECT_EQ(quiz::TopicCount(), 0);
    const std::string log = LogText();
    const std::size_t line = log.find("Topics: no topic index");
    EXPECT_NE(line, std::string::npos) << log;
    EXPECT_EQ(log.find("Topics:", line + 1), std::string::npos) << log;
    Interface::SetState(StateSingleMenu, false);
    RunFor(100);
    EXPECT_FALSE(Exists(screens::kTopicButton));
    StartForR();
    EXPECT_EQ(singleQuiz->deckSize, 95);
}

}  // namespace
