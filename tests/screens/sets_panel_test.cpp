// The sets panel on every set-up screen: a file dropped onto the window is copied into the
// sets folder and listed with its problems in Czech, switched on it fills the games and the
// browser, a choice too small is refused on screen, and a damaged file says why.
#include "platform/platform.h"
#include "qbank/problem.h"
#include "quiz/topic_choice.h"
#include "screens/question_sets.h"
#include "screens/set_drop.h"
#include "screens/set_problem_text.h"
#include "screens/sets_panel.h"
#include "single_game_fixture.h"

#include <algorithm>

namespace {

using screens::SetsPanel;

// A set of `count` questions in CSV, with the header row; rows 3 and 6 (the second and
// fifth question) are faulty when `faulty`: an empty answer and a question too long to show.
std::string Csv(int count, bool faulty) {
    std::string text = "Otázka;Správná odpověď;Špatná odpověď;Špatná odpověď\n";
    for (int i = 0; i < count; ++i) {
        std::string question = "Otázka ze sady číslo " + std::to_string(i) + "?";
        std::string right = "ano";
        if (faulty && i == 1) right.clear();
        if (faulty && i == 4) question = std::string(520, 'x') + "?";
        text += question + ";" + right + ";ne;nevím\n";
    }
    return text;
}

class SetsPanelTest : public game_testing::SinglePlayerTest {
protected:
    void TearDown() override {
        quiz::SetTopics({});
        SinglePlayerTest::TearDown();
    }
    SetsPanel* Panel() {
        return dynamic_cast<SetsPanel*>(Interface::FindControl(screens::kSetsPanel));
    }
    void ClickArea(const gfx::Rect& area) {
        ASSERT_GT(area.Width(), 0) << "not on screen";
        ClickAt((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    }
    void OpenPanelOn(int32_t state) {
        Interface::SetState(state, false);
        RunFor(200);
        ClickControl(screens::kSetsButton);
        ASSERT_TRUE(Panel() && Panel()->IsOpen());
    }
    int EntryOf(const std::string& name) {
        const auto& entries = Panel()->Entries();
        const auto found = std::find_if(entries.begin(), entries.end(),
                                         [&](const screens::SetEntry& e) { return e.name == name; });
        return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
    }
    void Drop(const std::string& name, const std::string& bytes) {
        dir.Write("desk/" + name, bytes);
        headless::DropFile(dir / "desk" + "/" + name);
        Frame();
    }
    std::string Profile() const { return dir.Read("home/tarvex_p.ini"); }
};

TEST_F(SetsPanelTest, ADroppedSetIsListedWithItsProblemsAndPlaysWhenSwitchedOn) {
    OpenPanelOn(StateSingleMenu);
    EXPECT_EQ(Panel()->Entries().front().name, screens::kShippedSetName) << "the shipped set first";
    EXPECT_TRUE(Panel()->IsChosen(0));
    Drop("Moje otázky.csv", Csv(40, true));
    EXPECT_TRUE(dir.Read("home/Sady otázek/Moje otázky.csv") == Csv(40, true)) << "copied";
    const int mine = EntryOf("Moje otázky.csv");
    ASSERT_GT(mine, 0);
    EXPECT_NE(Panel()->Notice().find("Moje otázky.csv"), std::string::npos);
    const screens::SetEntry& entry = Panel()->Entries()[static_cast<std::size_t>(mine)];
    EXPECT_EQ(entry.questions, 38);
    ASSERT_EQ(entry.problems.size(), 3u) << "the long question is also too long to show";
    EXPECT_EQ(entry.problems[0], "Řádek 3: správná odpověď je prázdná");
    EXPECT_EQ(entry.problems[1], "Řádek 6: otázka je delší než 498 znaků (má 521)");
    EXPECT_EQ(entry.problems[2].rfind("Řádek 6: otázka se nevejde na obrazovku", 0), 0u)
        << entry.problems[2];
    SaveScreenshot("sets_panel_dropped");

    ClickArea(Panel()->ProblemsButtonArea(mine));
    ASSERT_EQ(Panel()->ProblemsShown(), mine);
    const std::vector<std::string> lines = Panel()->ShownProblemLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), platform::Utf8ToCp1250("Řádek 3: správná odpověď je prázdná"));
    SaveScreenshot("sets_panel_problems");
    ClickArea(Panel()->DoneArea());  // "Zpět"
    ASSERT_EQ(Panel()->ProblemsShown(), -1);

    ClickArea(Panel()->SwitchArea(0));     // the shipped set off
    ClickArea(Panel()->SwitchArea(mine));  // the dropped one on
    ClickArea(Panel()->DoneArea());
    EXPECT_FALSE(Panel()->IsOpen()) << Panel()->Notice();
    EXPECT_NE(Profile().find("Question sets=Moje otázky.csv\n"), std::string::npos);
    EXPECT_EQ(quiz::TotalTopicQuestions(), 38) << "the topic panel offers the set's topics";

    StartForP();
    WaitForAnswers();
    ASSERT_EQ(Interface::GetState(), StateForP);
    EXPECT_EQ(singleQuiz->deckSize, 38) << "a small choice plays whole";
    for (int k = 0; k < singleQuiz->deckSize; ++k)
        EXPECT_EQ(std::string(singleQuiz->bank[singleQuiz->order[k]].question).rfind("Ot", 0), 0u);
    EXPECT_EQ(std::string(singleQuiz->GetQuestion(singleQuiz->current, true).question).rfind(
                  platform::Utf8ToCp1250("Otázka ze sady"), 0),
              0u);
}

TEST_F(SetsPanelTest, DropsNeverOverwriteAndOtherFilesAreRefusedWithAMessage) {
    Interface::SetState(StateMultiSetUp, false);
    RunFor(200);
    SaveScreenshot("sets_button_buzzer_setup");
    ClickControl(screens::kSetsButton);
    ASSERT_TRUE(Panel() && Panel()->IsOpen());
    Drop("sada.csv", Csv(30, false));
    Drop("sada.csv", Csv(31, false));
    EXPECT_EQ(screens::SetFileNames(), (std::vector<std::string>{"sada 2.csv", "sada.csv"}));
    EXPECT_EQ(dir.Read("home/Sady otázek/sada.csv"), Csv(30, false)) << "never overwritten";
    Drop("fotka.png", "PNG");
    EXPECT_NE(Panel()->Notice().find(".txt, .csv, .xlsx a .ods"), std::string::npos);
    EXPECT_EQ(screens::SetFileNames().size(), 2u);
    dir.Write("desk/velká.csv", std::string(screens::kLargestDroppedFile + 1, 'a'));
    headless::DropFile(dir / "desk/velká.csv");
    Frame();
    EXPECT_NE(Panel()->Notice().find("10 MB"), std::string::npos);

    // A damaged spreadsheet is listed as unreadable, with its reason, and cannot be chosen.
    dir.Write("home/Sady otázek/rozbitá.xlsx", "PK\x03\x04 not really a zip");
    ClickArea(Panel()->TemplateArea());  // lists afresh, and writes the templates
    EXPECT_NE(EntryOf("Šablona.xlsx"), -1);
    EXPECT_NE(EntryOf("Šablona.ods"), -1);
    const int broken = EntryOf("rozbitá.xlsx");
    ASSERT_NE(broken, -1);
    EXPECT_TRUE(Panel()->Entries()[static_cast<std::size_t>(broken)].unreadable);
    ClickArea(Panel()->SwitchArea(broken));
    EXPECT_FALSE(Panel()->IsChosen(broken));

    // Too few questions: refused on screen, nothing kept.
    ClickArea(Panel()->SwitchArea(0));
    ClickArea(Panel()->SwitchArea(EntryOf("Šablona.ods")));
    ClickArea(Panel()->DoneArea());
    EXPECT_TRUE(Panel()->IsOpen());
    EXPECT_NE(Panel()->Notice().find("Na hru je to málo"), std::string::npos);
    EXPECT_EQ(Profile().find("Question sets="), std::string::npos);
    SaveScreenshot("sets_panel_refused");

    // More sets than rows: the arrows scroll the list.
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir.Write("home/Sady otázek/" + std::string(name), "");
    ClickArea(Panel()->TemplateArea());
    ASSERT_EQ(Panel()->Entries().size(), 9u);
    EXPECT_EQ(Panel()->SwitchArea(8).Width(), 0) << "below the shown rows";
    ClickArea(Panel()->DownArea());
    EXPECT_EQ(Panel()->SwitchArea(0).Width(), 0);
    EXPECT_GT(Panel()->SwitchArea(8).Width(), 0);
    SaveScreenshot("sets_panel_scrolled");

    ClickArea(Panel()->FolderArea());
    ASSERT_EQ(headless::OpenedFolders().size(), 1u);
    EXPECT_EQ(headless::OpenedFolders()[0], screens::SetsFolder());
    headless::FailOpeningFolders("xdg-open chybí");
    ClickArea(Panel()->FolderArea());
    EXPECT_EQ(Panel()->Notice(), "xdg-open chybí");
}

TEST_F(SetsPanelTest, ASetOverTheLimitPlaysItsFirstQuestionsWithANotice) {
    dir.Write("home/Sady otázek/velká.csv", Csv(1510, false));
    OpenPanelOn(StateSingleMenu);
    const int big = EntryOf("velká.csv");
    ASSERT_NE(big, -1);
    ClickArea(Panel()->SwitchArea(0));  // the shipped set off
    ClickArea(Panel()->SwitchArea(big));
    ClickArea(Panel()->DoneArea());
    ASSERT_TRUE(Panel()->IsOpen()) << "the cut is shown first";
    EXPECT_NE(Panel()->Notice().find("1500"), std::string::npos) << Panel()->Notice();
    EXPECT_EQ(quiz::TotalTopicQuestions(), 1500);
    ClickArea(Panel()->DoneArea());
    EXPECT_FALSE(Panel()->IsOpen());

    Interface::SetState(StateBrowser, false);
    RunFor(200);
    EXPECT_EQ(std::string(singleQuiz->bank[singleQuiz->order[0]].question).rfind(
                  platform::Utf8ToCp1250("Otázka ze sady"), 0),
              0u) << "the browser shows the chosen set";
}

TEST_F(SetsPanelTest, TheClassLobbyOffersThePanelToo) {
    dir.Write("home/tarvex_p.ini", "[Brellik]\nRuntime path=" + (dir / "") +
                                       "\nPhone address=127.0.0.1\nPhone port=0\n");
    Interface::SetState(StateClassLobby, false);
    RunFor(200);
    SaveScreenshot("sets_button_class_lobby");
    ClickControl(screens::kSetsButton);
    ASSERT_TRUE(Panel() && Panel()->IsOpen());
    ClickArea(Panel()->DoneArea());
    EXPECT_FALSE(Panel()->IsOpen());
}

TEST(SetProblemTextTest, TheCheckersFindingsReadInCzechWithTheirRow) {
    const auto czech = [](int line, const std::string& message) {
        return screens::CzechProblem({"sada.csv", line, message});
    };
    EXPECT_EQ(czech(14, "wrong answer 2 is the same as the correct answer (line 14)"),
              "Řádek 14: 2. špatná odpověď je stejná jako správná odpověď (řádek 14)");
    EXPECT_EQ(czech(9, "the question repeats the one at sada.csv:4"),
              "Řádek 9: stejná otázka už je na řádku 4; hraje se jednou");
    EXPECT_EQ(czech(2, "the question does not fit its 500 x 110 block: the word \"xxx\" is too wide"),
              "Řádek 2: otázka se nevejde na obrazovku: slovo \"xxx\" je moc dlouhé");
    EXPECT_EQ(czech(0, "soubor je poškozený"), "soubor je poškozený") << "Czech already";
}

}  // namespace
