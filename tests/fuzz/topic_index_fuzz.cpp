// The topic index reader: any bytes as the index of a 6-record question file whose digest is 0
// (which the input can name, so every part of the format is reached).
#include "fuzz_support.h"
#include "quiz/topic_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    quiz::TopicIndex index;
    const std::string problem = quiz::ParseTopicIndex(
        std::string_view(reinterpret_cast<const char*>(data), size), 6, 0, index);
    // An accepted index names a topic for every record, each one it has.
    if (problem.empty() && index.topicOf.size() != 6) __builtin_trap();
    for (const uint8_t topic : index.topicOf) {
        if (topic >= index.names.size()) __builtin_trap();
    }
    return 0;
}
