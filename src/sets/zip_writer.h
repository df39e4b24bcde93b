// A zipped document made in memory with libzip: the parts in the order given, "mimetype"
// stored uncompressed as OpenDocument wants it first and plain.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sets {

struct ZipPart {
    std::string name;
    std::string bytes;
};

// The archive's bytes; empty when libzip could not make it.
std::string ZipBytes(const std::vector<ZipPart>& parts);

}  // namespace sets
