// The topic index: which topic each record of a question file belongs to, kept in a small
// text file beside it (Data/otazky4.crp -> Data/otazky4.tem) so the question file itself stays
// as it is. qbank writes it; the game reads it and plays every question when it is missing or
// refused. Lines end with LF; names are UTF-8 in the file (a text file any tool reads as it
// is) and Windows-1250 in memory, like the questions:
//
//   brellik topics 1             the format and its version
//   questions 1500               the records of the question file it belongs to
//   digest 1a2b3c4d5e6f7a8b      FNV-1a (64 bits, hex) of the question file's unscrambled bytes
//   topics 14                    then that many lines, a topic's name each
//   Film a kultura
//   ...
//   records                      then one line per record, in record order: its topic's
//   3                            number, counted from 0
//   ...
//
// Another version, a count or digest that does not match the question file, a name that is
// empty, too long or holds a control character or "|", a number out of range, or a missing or
// extra line refuses the whole index.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

constexpr int kTopicIndexVersion = 1;
constexpr int kMaxTopics = 32;  // two columns of the topic panel
constexpr std::size_t kMaxTopicNameBytes = 60;
constexpr std::size_t kMaxTopicIndexBytes = 64 * 1024;

struct TopicIndex {
    std::vector<std::string> names;  // Windows-1250
    std::vector<uint8_t> topicOf;    // one per record, an index into names
};

uint64_t QuestionFileDigest(std::string_view plain);

// "Data\otazky4.crp" -> "Data\otazky4.tem": the extension of the file name replaced.
std::string TopicIndexPath(std::string_view questionFile);

// Empty when the name can be a topic's, else why not (English, for messages and the log).
std::string TopicNameProblem(std::string_view cp1250);

std::string FormatTopicIndex(const TopicIndex& index, uint64_t digest);

// Fills `index` from `text` when it belongs to a question file of `records` records with
// `digest`; returns empty then, else the first fault found (English, for the log).
std::string ParseTopicIndex(std::string_view text, int records, uint64_t digest,
                            TopicIndex& index);

}  // namespace quiz
