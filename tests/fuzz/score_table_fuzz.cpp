// The score tables: any bytes as a table file, shown as each table in every sort order, and
// written back whole: what is written reads back the same.
#include "fuzz_support.h"
#include "scores/score_table.h"
#include "scores/score_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::UseHeadless();
    scores::ScoreTable table = scores::ScoreTable::FromBytes(data, size);
    const scores::ScoreTableBytes written = table.ToBytes();
    const scores::ScoreTable again = scores::ScoreTable::FromBytes(written.data(), written.size());
    fuzzing::Require(again.ToBytes() == written, "a written table reads back the same");
    for (scores::SortKey key : {scores::SortKey::Points, scores::SortKey::Percentage,
                                scores::SortKey::Answered}) {
        table.Sort(key);
        for (int tableNo = 1; tableNo <= 3; ++tableNo) scores::FormatScoreTable(table, tableNo);
    }
    table.Insert({"Fuzz", 50, 10, 2, 8}, "08/12/26");
    return 0;
}
