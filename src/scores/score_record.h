// One row of a score table as it is kept in memory, and its fixed 64-byte form on disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace scores {

constexpr int kScoreRows = 10;
constexpr std::size_t kScoreRecordSize = 64;
constexpr std::size_t kScoreTableSize = kScoreRows * kScoreRecordSize;  // 640
constexpr int32_t kEmptyRowPoints = -100;
constexpr std::size_t kScoreNameSize = 28;  // at most 27 characters and the terminator
constexpr std::size_t kScoreDateSize = 9;   // "DD/MM/YY" and the terminator
constexpr std::size_t kScoreReservedSize = 7;

// Byte offsets of the fields in a stored row.
namespace offset {
constexpr std::size_t kName = 0;
constexpr std::size_t kPoints = 28;
constexpr std::size_t kAnswered = 32;
constexpr std::size_t kWrong = 36;
constexpr std::size_t kRight = 40;
constexpr std::size_t kDate = 44;
constexpr std::size_t kReserved = 53;
constexpr std::size_t kPercentage = 60;
}  // namespace offset

// Text fields are Windows-1250 and always zero-terminated within their field. Bytes after a
// terminator are kept as they were read, so a row written back is byte for byte the row read.
struct ScoreRecord {
    char name[kScoreNameSize] = {};
    int32_t points = kEmptyRowPoints;
    int32_t answered = 0;  // questions of the game (right + wrong for one player)
    int32_t wrong = 0;
    int32_t right = 0;
    char date[kScoreDateSize] = {};
    uint8_t reserved[kScoreReservedSize] = {};
    float percentage = 0;  // zero on disk; caches the right-answer percentage once shown

    bool IsEmpty() const { return points == kEmptyRowPoints; }
    // Copies `name` up to its first zero byte, cut to 27 bytes, and terminates it. The bytes
    // after the terminator keep what the field held.
    void SetName(std::string_view text);
    void SetDate(std::string_view text);
};

// `out` receives kScoreRecordSize bytes, little-endian, field by field.
void EncodeScoreRecord(const ScoreRecord& record, uint8_t* out);
// Reads kScoreRecordSize bytes. Text fields are terminated within their field and a
// percentage that is not a finite number is read as 0, so any bytes give a usable row.
ScoreRecord DecodeScoreRecord(const uint8_t* in);

}  // namespace scores
