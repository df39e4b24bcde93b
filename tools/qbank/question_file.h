// The game's question file: Windows-1250 lines, each ended by CR LF, every byte XOR-ed with
// the key byte.
#pragma once

#include "checks.h"

#include <string>
#include <string_view>
#include <vector>

namespace qbank {

// XORs every byte with the key; applied twice it gives the bytes back.
std::string Scramble(std::string_view bytes);

// In file order, or with `interleave` balanced: each source file's questions in a shuffled order
// fixed by the file's name (so that sections written one after another mix), and each file
// spread evenly over the whole file (so that any stretch mixes every topic).
std::vector<const EncodedQuestion*> OrderQuestions(const std::vector<EncodedQuestion>& questions,
                                                   bool interleave);

std::string BuildQuestionFile(const std::vector<const EncodedQuestion*>& ordered);

// The topic index of the question file `scrambled` built from `ordered`: each question's topic
// is its source file's (`topics`, by file index); files of the same topic share one.
std::string BuildTopicIndex(const std::vector<const EncodedQuestion*>& ordered,
                            const std::vector<std::string>& topics, std::string_view scrambled);

// The lines of a question file exactly as the game's reader splits them (Windows-1250).
// False when the file cannot be read.
bool ReadQuestionFile(const std::string& path, std::vector<std::string>& lines);

}  // namespace qbank
