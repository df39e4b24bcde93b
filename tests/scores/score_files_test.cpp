#include "scores/score_files.h"
#include "scores/score_state.h"
#include "scores/score_text.h"

#include "app/app.h"
#include "platform/headless/headless.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <thread>

namespace {

using scores::InsertOutcome;
using scores::ScoreEntry;
using scores::ScoreTable;

constexpr std::time_t kMarch7th2025Noon = 1741348800;

std::string Le32(int32_t value) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
    return out;
}

std::string EmptyRowBytes() { return std::string(28, '\0') + Le32(-100) + std::string(32, '\0'); }

class ScoreFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Config config;
        config.startTime = kMarch7th2025Noon;
        headless::Install(config);
        if (const char* home = std::getenv("BRELLIK_HOME")) previousHome_ = home;
        ::setenv("BRELLIK_HOME", home_.Path().c_str(), 1);
        ASSERT_TRUE(platform::EnsureUserFolder());
        ResetGameState();
    }
    void TearDown() override {
        if (previousHome_) {
            ::setenv("BRELLIK_HOME", previousHome_->c_str(), 1);
        } else {
            ::unsetenv("BRELLIK_HOME");
        }
    }

    std::string FileOf(int tableNo) const {
        return home_.Read(std::string("System/") + scores::ScoreFileName(tableNo));
    }
    void WriteFileOf(int tableNo, const std::string& bytes) const {
        home_.Write(std::string("System/") + scores::ScoreFileName(tableNo), bytes);
    }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(home_.Path() / name);
    }
    std::vector<std::string> SystemFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(home_.Path() / "System")) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    ScoreTable Load(int tableNo) const {
        ScoreTable table;
        EXPECT_TRUE(scores::LoadScoreTable(tableNo, table));
        return table;
    }

    testing_support::ScratchFolder home_;
    std::optional<std::string> previousHome_;
};

TEST_F(ScoreFilesTest, TheFirstInsertWritesExactlyTheStoredLayout) {
    const InsertOutcome outcome = scores::InsertScore(scores::kTableForP, {"Eva", 42, 12, 3, 9});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.row, 0);
    std::string expected = std::string("Eva") + std::string(25, '\0') + Le32(42) + Le32(12) +
                           Le32(3) + Le32(9) + std::string("07/03/25") + std::string(8, '\0') +
                           Le32(0);
    ASSERT_EQ(expected.size(), 64u);
    for (int i = 1; i < 10; ++i) expected += EmptyRowBytes();
    EXPECT_EQ(FileOf(scores::kTableForP), expected);
}

TEST_F(ScoreFilesTest, EachTableHasItsOwnFileInTheSystemFolder) {
    EXPECT_EQ(scores::ScoreFilePath(1), platform::UserFolder() + "\\System\\sp_fp2.sco");
    EXPECT_EQ(scores::ScoreFilePath(2), platform::UserFolder() + "\\System\\sp_fr2.sco");
    EXPECT_EQ(scores::ScoreFilePath(3), platform::UserFolder() + "\\System\\mp2.sco");
    EXPECT_EQ(scores::ScoreFilePath(4), "");
    EXPECT_EQ(scores::InsertSingleScore(0x0104, {"", 10, 1, 0, 1}).row, 0);
    EXPECT_EQ(scores::InsertSingleScore(0x0103, {"", 20, 2, 0, 2}).row, 0);
    EXPECT_EQ(scores::InsertMultiScore({"Ota", 30, 3, 0, 3}).row, 0);
    EXPECT_EQ(SystemFolder(), (std::vector<std::string>{"mp2.sco", "sp_fp2.sco", "sp_fr2.sco"}));
    EXPECT_EQ(Load(1).rows[0].points, 10);
    EXPECT_EQ(Load(2).rows[0].points, 20);
    EXPECT_EQ(Load(3).rows[0].points, 30);
    EXPECT_FALSE(scores::InsertSingleScore(0x0203, {"", 5, 1, 0, 1}).ok);
}

TEST_F(ScoreFilesTest, InsertsRoundTripThroughTheFile) {
    scores::InsertScore(3, {"Ota", 30, 20, 4, 16});
    scores::InsertScore(3, {"Jana", 55, 20, 2, 18});
    scores::InsertScore(3, {"Petr", 30, 20, 9, 11});
    const ScoreTable table = Load(3);
    EXPECT_STREQ(table.rows[0].name, "Jana");
    EXPECT_STREQ(table.rows[1].name, "Ota");
    EXPECT_STREQ(table.rows[2].name, "Petr");  // a tie goes below the older row
    EXPECT_EQ(table.rows[2].wrong, 9);
    EXPECT_EQ(table.rows[2].right, 11);
    EXPECT_STREQ(table.rows[2].date, "07/03/25");
    EXPECT_TRUE(table.rows[3].IsEmpty());
    EXPECT_EQ(table.ToBytes().size(), FileOf(3).size());
    EXPECT_EQ(std::memcmp(table.ToBytes().data(), FileOf(3).data(), 640), 0);
}

TEST_F(ScoreFilesTest, TheDateIsTodayDayFirst) {
    headless::SetTime(1259020799);  // 2009-11-23 23:59:59
    scores::InsertScore(1, {"", 5, 1, 0, 1});
    EXPECT_STREQ(Load(1).rows[0].date, "23/11/09");
    EXPECT_EQ(scores::TodayScoreDate(), "23/11/09");
    headless::Advance(1000);
    EXPECT_EQ(scores::TodayScoreDate(), "24/11/09");
}

TEST_F(ScoreFilesTest, AResultThatMissesAFullTableLeavesTheFileAlone) {
    for (int points = 100; points > 0; points -= 10) scores::InsertScore(1, {"", points, 1, 0, 1});
    const std::string before = FileOf(1);
    const InsertOutcome outcome = scores::InsertSingleScore(0x0104, {"", 10, 1, 0, 1});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.row, -1);
    EXPECT_EQ(scores::newScoreRow, -1);
    EXPECT_EQ(FileOf(1), before);
    EXPECT_EQ(SystemFolder(), std::vector<std::string>{"sp_fp2.sco"});
}

TEST_F(ScoreFilesTest, SingleInsertsPointAtTheNewRowAndMultiInsertsDoNot) {
    scores::InsertScore(1, {"", 50, 1, 0, 1});
    EXPECT_EQ(scores::InsertSingleScore(0x0104, {"", 20, 1, 0, 1}).row, 1);
    EXPECT_EQ(scores::newScoreRow, 1);
    EXPECT_EQ(scores::InsertMultiScore({"Ota", 20, 1, 0, 1}).row, 0);
    EXPECT_EQ(scores::newScoreRow, -1);
}

TEST_F(ScoreFilesTest, AGamesRowsMoveDownWithLaterInsertsAndDropOffTheEnd) {
    for (int i = 0; i < 8; ++i) scores::InsertMultiScore({"old", 100 - i, 1, 0, 1});
    scores::ForgetGameRows();
    scores::InsertMultiScore({"Ada", 10, 1, 0, 1});   // row 8
    scores::InsertMultiScore({"Bob", 95, 1, 0, 1});   // row 6, below the 95: Ada to row 9
    EXPECT_EQ(scores::gameRows, (1u << 6) | (1u << 9));
    scores::InsertMultiScore({"Cyril", 99, 1, 0, 1});  // row 2: Bob to 7, Ada drops out
    EXPECT_EQ(scores::gameRows, (1u << 2) | (1u << 7));
    scores::ForgetGameRows();
    EXPECT_EQ(scores::gameRows, 0u);
}

TEST_F(ScoreFilesTest, SortingNeverChangesTheFile) {
    scores::InsertScore(1, {"a", 30, 10, 9, 1});
    scores::InsertScore(1, {"b", 20, 40, 0, 40});
    const std::string before = FileOf(1);
    ScoreTable table = Load(1);
    table.Sort(scores::SortKey::Percentage);
    ASSERT_STREQ(table.rows[0].name, "b");
    table.Sort(scores::SortKey::Answered);
    EXPECT_EQ(FileOf(1), before);
    EXPECT_STREQ(Load(1).rows[0].name, "a");
}

TEST_F(ScoreFilesTest, AMissingFileLoadsAsAnEmptyTable) {
    ScoreTable table;
    table.rows[0].points = 77;
    EXPECT_FALSE(scores::LoadScoreTable(2, table));
    EXPECT_TRUE(table.rows[0].IsEmpty());
    EXPECT_FALSE(Exists("System/sp_fr2.sco"));
}

TEST_F(ScoreFilesTest, AShortFileLoadsAndTheNextInsertWritesItWhole) {
    const std::string row0 = std::string("Old") + std::string(25, '\0') + Le32(70) + Le32(7) +
                             Le32(0) + Le32(7) + "01/01/24" + std::string(12, '\0');
    WriteFileOf(1, row0 + "Cut");
    ScoreTable table = Load(1);
    EXPECT_EQ(table.rows[0].points, 70);
    EXPECT_STREQ(table.rows[1].name, "Cut");
    EXPECT_TRUE(table.rows[1].IsEmpty());
    EXPECT_EQ(scores::InsertScore(1, {"New", 80, 8, 0, 8}).row, 0);
    const std::string file = FileOf(1);
    ASSERT_EQ(file.size(), 640u);
    EXPECT_EQ(file.substr(64, 64), row0);
    table = Load(1);
    EXPECT_STREQ(table.rows[0].name, "New");
    EXPECT_STREQ(table.rows[1].name, "Old");
}

// A result that makes no row writes nothing; the next one that does rewrites the table whole.
TEST_F(ScoreFilesTest, AResultThatMakesNoRowLeavesAnEmptyFileAlone) {
    WriteFileOf(1, "");
    const InsertOutcome outcome = scores::InsertScore(1, {"", -100, 0, 0, 0});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.row, -1);
    EXPECT_EQ(FileOf(1), "");
    EXPECT_EQ(SystemFolder(), std::vector<std::string>{"sp_fp2.sco"});
}

TEST_F(ScoreFilesTest, AGarbageFileLoadsAndIsRewrittenValid) {
    WriteFileOf(3, std::string(640, '\xFF'));
    ScoreTable table = Load(3);
    EXPECT_EQ(std::strlen(table.rows[9].name), 27u);
    EXPECT_EQ(table.rows[9].percentage, 0.0f);
    EXPECT_EQ(scores::InsertScore(3, {"Ota", 5, 1, 0, 1}).row, 0);  // -1 points are below 5
    const std::string file = FileOf(3);
    ASSERT_EQ(file.size(), 640u);
    for (int row = 1; row < 10; ++row) {
        EXPECT_EQ(file[row * 64 + 27], '\0') << "name of row " << row;
        EXPECT_EQ(file[row * 64 + 52], '\0') << "date of row " << row;
        EXPECT_EQ(file.substr(row * 64 + 60, 4), Le32(0)) << "percentage of row " << row;
    }
}

TEST_F(ScoreFilesTest, AGarbageFileIsLeftAloneWhenTheResultDoesNotMakeIt) {
    const std::string garbage(640, '\x7F');  // every row holds a huge score
    WriteFileOf(1, garbage);
    const InsertOutcome outcome = scores::InsertScore(1, {"", 5, 1, 0, 1});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.row, -1);
    EXPECT_EQ(FileOf(1), garbage);
}

TEST_F(ScoreFilesTest, AnUnwritableFolderFailsCleanly) {
    std::filesystem::remove_all(home_.Path() / "System");
    home_.Write("System", "not a folder");
    scores::newScoreRow = 4;
    const InsertOutcome outcome = scores::InsertSingleScore(0x0104, {"", 10, 1, 0, 1});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.row, -1);
    EXPECT_EQ(scores::newScoreRow, -1);
    EXPECT_FALSE(scores::StoreScoreName(1, 0, "Eva"));
    EXPECT_EQ(home_.Read("System"), "not a folder");
}

TEST_F(ScoreFilesTest, SomethingUnreadableInThePlaceOfTheFileIsLeftAlone) {
    std::filesystem::create_directories(home_.Path() / "System" / "sp_fp2.sco" / "keep");
    EXPECT_FALSE(scores::InsertScore(1, {"", 10, 1, 0, 1}).ok);
    ScoreTable table;
    EXPECT_FALSE(scores::LoadScoreTable(1, table));
    EXPECT_TRUE(table.rows[0].IsEmpty());
    EXPECT_TRUE(Exists("System/sp_fp2.sco/keep"));
    EXPECT_EQ(SystemFolder(), std::vector<std::string>{"sp_fp2.sco"});
}

// Lets the test process write at most `bytes` into any one file, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(ScoreFilesTest, AFailedWriteKeepsTheOldTable) {
    scores::InsertScore(1, {"Eva", 40, 4, 0, 4});
    const std::string before = FileOf(1);
    {
        FileSizeLimit fullDisk(100);
        EXPECT_FALSE(scores::InsertScore(1, {"Ota", 60, 6, 0, 6}).ok);
        EXPECT_FALSE(scores::StoreScoreName(1, 0, "Petr"));
    }
    EXPECT_EQ(FileOf(1), before);
    EXPECT_EQ(SystemFolder(), std::vector<std::string>{"sp_fp2.sco"});
    EXPECT_EQ(scores::InsertScore(1, {"Ota", 60, 6, 0, 6}).row, 0);
}

TEST_F(ScoreFilesTest, AReaderOnlyEverSeesWholeTables) {
    scores::InsertScore(1, {"", 1, 1, 0, 1});
    const std::string path = (home_.Path() / "System" / "sp_fp2.sco").string();
    std::atomic<bool> done{false};
    std::atomic<int> reads{0};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done) {
            const std::string bytes = home_.Read("System/sp_fp2.sco");
            if (bytes.size() != 640) ++torn;
            ++reads;
        }
    });
    for (int i = 0; i < 300; ++i) scores::InsertScore(1, {"x", 2 + i % 50, 1, 0, 1});
    done = true;
    reader.join();
    EXPECT_GT(reads.load(), 0);
    EXPECT_EQ(torn.load(), 0);
    EXPECT_EQ(SystemFolder(), std::vector<std::string>{"sp_fp2.sco"});
}

TEST_F(ScoreFilesTest, CommittingANameStoresItInThePendingRowOnce) {
    scores::InsertScore(1, {"", 90, 1, 0, 1});
    scores::InsertSingleScore(0x0104, {"", 20, 1, 0, 1});
    scores::scoreViewRequest = 0x0104;
    ASSERT_EQ(scores::newScoreRow, 1);
    EXPECT_TRUE(scores::CommitScoreName("Petr"));
    EXPECT_EQ(scores::newScoreRow, -1);
    EXPECT_STREQ(Load(1).rows[1].name, "Petr");
    EXPECT_FALSE(scores::CommitScoreName("Jana"));  // nothing pending
    EXPECT_STREQ(Load(1).rows[1].name, "Petr");
}

TEST_F(ScoreFilesTest, ANameIsCommittedOnlyForTheSinglePlayerTableThatAsked) {
    scores::InsertSingleScore(0x0103, {"", 20, 1, 0, 1});
    scores::scoreViewRequest = -2;  // browsing: no name is taken
    EXPECT_FALSE(scores::CommitScoreName("Eva"));
    scores::scoreViewRequest = 0x0103;
    EXPECT_TRUE(scores::CommitScoreName(std::string(40, 'n')));
    EXPECT_EQ(std::strlen(Load(2).rows[0].name), 27u);
    EXPECT_FALSE(Exists("System/sp_fp2.sco"));
}

TEST_F(ScoreFilesTest, StoringANameNeverCreatesAFile) {
    EXPECT_FALSE(scores::StoreScoreName(1, 0, "Eva"));
    EXPECT_FALSE(Exists("System/sp_fp2.sco"));
    scores::InsertScore(1, {"", 20, 1, 0, 1});
    EXPECT_FALSE(scores::StoreScoreName(1, 10, "Eva"));
    EXPECT_FALSE(scores::StoreScoreName(1, -1, "Eva"));
    EXPECT_FALSE(scores::StoreScoreName(0, 0, "Eva"));
}

TEST(ScoreViewState, RequestsAndArrowsPickTables) {
    EXPECT_EQ(scores::TableNoForViewRequest(0x0104), 1);
    EXPECT_EQ(scores::TableNoForViewRequest(0x0103), 2);
    EXPECT_EQ(scores::TableNoForViewRequest(0x0203), 3);
    EXPECT_EQ(scores::TableNoForViewRequest(-2), 2);
    EXPECT_EQ(scores::TableNoForViewRequest(-3), 3);
    EXPECT_EQ(scores::TableNoForViewRequest(-1), 1);
    EXPECT_EQ(scores::TableNoForViewRequest(0x0300), 1);
    EXPECT_EQ(scores::PreviousTableNo(1), 3);
    EXPECT_EQ(scores::PreviousTableNo(2), 1);
    EXPECT_EQ(scores::PreviousTableNo(3), 2);
    EXPECT_EQ(scores::NextTableNo(1), 2);
    EXPECT_EQ(scores::NextTableNo(3), 1);
    EXPECT_EQ(scores::NextTableNo(-1), 1);
}

}  // namespace
