// Loads a whole file into memory, unscrambles it with a one-byte XOR key and hands out its
// lines. Used for the question file, which is read once at start-up.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

namespace quiz {

class FileBuffer {
public:
    static constexpr int kEndOfData = -1;

    FileBuffer() = default;
    FileBuffer(const FileBuffer&) = delete;
    FileBuffer& operator=(const FileBuffer&) = delete;
    virtual ~FileBuffer();

    // The size in bytes of the file `fileName` (a Windows-style name), or -1 when it cannot
    // be opened or measured.
    static int64_t SizeOf(std::string_view fileName);

    // Closes any open file, then opens `fileName` (a Windows-style name) with `mode`, reads
    // it whole and XORs every byte with the low byte of `key`. False when the file cannot be
    // opened or read, or is too large to hold.
    bool Open(std::string_view fileName, const char* mode, int key);

    // Copies the next line's text, without its line end, into `buffer`: at most `capacity`
    // bytes, the rest of a longer line is skipped. Writes no terminator. Returns the number
    // of bytes copied (0 for an empty line), or kEndOfData when no line is left.
    //
    // A line ends at CR LF or at a CR alone; a LF that does not follow a CR is text. The
    // last line needs no line end: its text is handed out whole, and an empty end after the
    // last CR LF is no line.
    int ReadLine(char* buffer, int capacity);

    // Closes the file and frees the data. Always succeeds.
    bool Close();

    int32_t Length() const { return length_; }
    int32_t Position() const { return position_; }
    const uint8_t* Data() const { return data_.get(); }

private:
    std::FILE* file_ = nullptr;
    std::unique_ptr<uint8_t[]> data_;
    int32_t length_ = 0;
    int32_t position_ = 0;
};

}  // namespace quiz
