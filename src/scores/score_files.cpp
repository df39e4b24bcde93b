#include "score_files.h"

#include "score_text.h"

#include "platform/platform.h"

#include <cstdio>
#include <memory>

namespace scores {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

enum class ReadResult { Read, Missing, Failed };

// Reads up to a table's size of the file into `bytes`; `size` gets the count read.
ReadResult ReadTableFile(const std::string& path, ScoreTableBytes& bytes, std::size_t& size) {
    size = 0;
    File file(platform::OpenFile(path, "rb"));
    if (!file) return platform::FileExists(path) ? ReadResult::Failed : ReadResult::Missing;
    size = std::fread(bytes.data(), 1, bytes.size(), file.get());
    return std::ferror(file.get()) ? ReadResult::Failed : ReadResult::Read;
}

bool WriteTable(const std::string& path, const ScoreTable& table) {
    platform::EnsureUserFolder();  // the System folder may have gone since start-up
    const ScoreTableBytes bytes = table.ToBytes();
    return platform::WriteFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace

bool IsTableNo(int tableNo) { return tableNo >= kTableForP && tableNo <= kTableMulti; }

const char* ScoreFileName(int tableNo) {
    switch (tableNo) {
        case kTableForP: return "sp_fp2.sco";
        case kTableForR: return "sp_fr2.sco";
        case kTableMulti: return "mp2.sco";
        default: return "";
    }
}

std::string ScoreFilePath(int tableNo) {
    if (!IsTableNo(tableNo)) return {};
    return platform::UserFolder() + "\\System\\" + ScoreFileName(tableNo);
}

bool LoadScoreTable(int tableNo, ScoreTable& table) {
    table = ScoreTable{};
    if (!IsTableNo(tableNo)) return false;
    ScoreTableBytes bytes{};
    std::size_t size = 0;
    const ReadResult result = ReadTableFile(ScoreFilePath(tableNo), bytes, size);
    if (result != ReadResult::Read) return false;
    table = ScoreTable::FromBytes(bytes.data(), size);
    return true;
}

InsertOutcome InsertScore(int tableNo, const ScoreEntry& entry) {
    if (!IsTableNo(tableNo)) return {};
    const std::string path = ScoreFilePath(tableNo);
    ScoreTableBytes bytes{};
    std::size_t size = 0;
    if (ReadTableFile(path, bytes, size) == ReadResult::Failed) return {};
    ScoreTable table = ScoreTable::FromBytes(bytes.data(), size);
    // A damaged table is rewritten whole by the next result that makes it, not before.
    const int row = table.Insert(entry, TodayScoreDate());
    if (row < 0) return {true, -1};
    if (!WriteTable(path, table)) return {};
    return {true, row};
}

bool StoreScoreName(int tableNo, int row, std::string_view name) {
    if (!IsTableNo(tableNo) || row < 0 || row >= kScoreRows) return false;
    const std::string path = ScoreFilePath(tableNo);
    ScoreTableBytes bytes{};
    std::size_t size = 0;
    if (ReadTableFile(path, bytes, size) != ReadResult::Read) return false;
    ScoreTable table = ScoreTable::FromBytes(bytes.data(), size);
    table.rows[row].SetName(name);
    return WriteTable(path, table);
}

}  // namespace scores
