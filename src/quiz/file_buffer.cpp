#include "file_buffer.h"

#include "../platform/platform.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace quiz {

namespace {
constexpr uint8_t kCr = 0x0D;
constexpr uint8_t kLf = 0x0A;

// The size of an open file: seek to the end, read the position, seek back. -1 on failure.
long MeasureFile(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long size = std::ftell(file);
    if (std::fseek(file, 0, SEEK_SET) != 0) return -1;
    return size;
}
}  // namespace

FileBuffer::~FileBuffer() { Close(); }

int64_t FileBuffer::SizeOf(std::string_view fileName) {
    std::FILE* file = platform::OpenFile(fileName, "rb");
    if (!file) return -1;
    const long size = MeasureFile(file);
    std::fclose(file);
    return size;
}

bool FileBuffer::Open(std::string_view fileName, const char* mode, int key) {
    Close();
    file_ = platform::OpenFile(fileName, mode);
    if (!file_) return false;
    const long size = MeasureFile(file_);
    if (size < 0 || size > std::numeric_limits<int32_t>::max()) {
        Close();
        return false;
    }
    // One byte more than needed so that an empty file still gets a buffer.
    data_.reset(new (std::nothrow) uint8_t[static_cast<std::size_t>(size) + 1]);
    if (!data_) {
        Close();
        return false;
    }
    // A text-mode file hands out fewer bytes than it measures (CR LF becomes LF).
    const std::size_t read = std::fread(data_.get(), 1, static_cast<std::size_t>(size), file_);
    if (std::ferror(file_)) {
        Close();
        return false;
    }
    const auto keyByte = static_cast<uint8_t>(key & 0xFF);
    for (std::size_t i = 0; i < read; ++i) data_[i] ^= keyByte;
    length_ = static_cast<int32_t>(read);
    position_ = 0;
    return true;
}

int FileBuffer::ReadLine(char* buffer, int capacity) {
    if (!data_ || position_ >= length_) return kEndOfData;
    const uint8_t* begin = data_.get() + position_;
    const uint8_t* end = data_.get() + length_;
    const uint8_t* cr = std::find(begin, end, kCr);
    const auto lineLength = static_cast<int>(cr - begin);
    if (cr == end) {
        position_ = length_;
    } else {
        const bool lfFollows = cr + 1 < end && cr[1] == kLf;
        position_ += lineLength + (lfFollows ? 2 : 1);
    }
    const int copied = std::clamp(lineLength, 0, std::max(capacity, 0));
    if (copied > 0) std::memcpy(buffer, begin, static_cast<std::size_t>(copied));
    return copied;
}

bool FileBuffer::Close() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    data_.reset();
    length_ = 0;
    position_ = 0;
    return true;
}

}  // namespace quiz
