#include "score_record.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace scores {

namespace {

void PutInt32(uint8_t* out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetUint32(const uint8_t* in) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(in[i]) << (8 * i);
    return value;
}

int32_t GetInt32(const uint8_t* in) { return static_cast<int32_t>(GetUint32(in)); }

template <std::size_t N>
void CopyText(char (&field)[N], std::string_view text) {
    const std::size_t end = text.find('\0');
    if (end != std::string_view::npos) text = text.substr(0, end);
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

}  // namespace

void ScoreRecord::SetName(std::string_view text) { CopyText(name, text); }
void ScoreRecord::SetDate(std::string_view text) { CopyText(date, text); }

void EncodeScoreRecord(const ScoreRecord& record, uint8_t* out) {
    std::memcpy(out + offset::kName, record.name, kScoreNameSize);
    PutInt32(out + offset::kPoints, static_cast<uint32_t>(record.points));
    PutInt32(out + offset::kAnswered, static_cast<uint32_t>(record.answered));
    PutInt32(out + offset::kWrong, static_cast<uint32_t>(record.wrong));
    PutInt32(out + offset::kRight, static_cast<uint32_t>(record.right));
    std::memcpy(out + offset::kDate, record.date, kScoreDateSize);
    std::memcpy(out + offset::kReserved, record.reserved, kScoreReservedSize);
    PutInt32(out + offset::kPercentage, std::bit_cast<uint32_t>(record.percentage));
}

ScoreRecord DecodeScoreRecord(const uint8_t* in) {
    ScoreRecord record;
    std::memcpy(record.name, in + offset::kName, kScoreNameSize);
    record.name[kScoreNameSize - 1] = '\0';
    record.points = GetInt32(in + offset::kPoints);
    record.answered = GetInt32(in + offset::kAnswered);
    record.wrong = GetInt32(in + offset::kWrong);
    record.right = GetInt32(in + offset::kRight);
    std::memcpy(record.date, in + offset::kDate, kScoreDateSize);
    record.date[kScoreDateSize - 1] = '\0';
    std::memcpy(record.reserved, in + offset::kReserved, kScoreReservedSize);
    const float percentage = std::bit_cast<float>(GetUint32(in + offset::kPercentage));
    record.percentage = std::isfinite(percentage) ? percentage : 0.0f;
    return record;
}

}  // namespace scores
