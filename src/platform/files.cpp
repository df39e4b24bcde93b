// Windows-style file names on a case-sensitive file system, and the C runtime's text mode.
#include "platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {

namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The entry of `folder` whose name equals `name` ignoring ASCII case, or "" if none.
std::string FindCaseInsensitive(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return {};
    std::string found;
    while (const dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::vector<std::string> SplitComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = path.find('/', start);
        const std::size_t stop = end == std::string::npos ? path.size() : end;
        if (stop > start) parts.push_back(path.substr(start, stop - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return parts;
}

// Reads a file opened in binary mode and hands out its bytes with CR LF turned into LF.
struct TextReader {
    std::FILE* raw;
};

ssize_t TextRead(void* cookie, char* buffer, size_t size) {
    std::FILE* raw = static_cast<TextReader*>(cookie)->raw;
    size_t count = 0;
    while (count < size) {
        int c = std::getc(raw);
        if (c == EOF) break;
        if (c == '\r') {
            const int next = std::getc(raw);
            if (next == '\n') {
                c = '\n';
            } else if (next != EOF) {
                std::ungetc(next, raw);
            }
        }
        buffer[count++] = static_cast<char>(c);
    }
    if (count == 0 && std::ferror(raw)) return -1;
    return static_cast<ssize_t>(count);
}

ssize_t TextWrite(void* cookie, const char* buffer, size_t size) {
    std::FILE* raw = static_cast<TextReader*>(cookie)->raw;
    return static_cast<ssize_t>(std::fwrite(buffer, 1, size, raw));
}

int TextSeek(void* cookie, off64_t* offset, int whence) {
    std::FILE* raw = static_cast<TextReader*>(cookie)->raw;
    if (::fseeko(raw, *offset, whence) != 0) return -1;
    *offset = ::ftello(raw);
    return 0;
}

int TextClose(void* cookie) {
    auto* reader = static_cast<TextReader*>(cookie);
    const int result = std::fclose(reader->raw);
    delete reader;
    return result;
}

// The C runtime's mode letters that fopen here understands; 't' and 'c' are dropped.
std::string PosixMode(const char* mode, bool& text) {
    std::string out;
    text = true;
    for (const char* p = mode; *p; ++p) {
        if (*p == 'b') text = false;
        if (std::strchr("rwa+", *p)) out += *p;
    }
    return out;
}

// mkstemp's pattern after the name of the file being replaced.
constexpr char kTemporarySuffix[] = ".tmp-XXXXXX";
constexpr std::size_t kTemporarySuffixLength = sizeof kTemporarySuffix - 1;

// Whether `name` is a temporary file this code makes: a name, then ".tmp-" and the six
// letters or digits mkstemp puts in place of the X's.
bool IsOurTemporary(const char* name) {
    const std::size_t length = std::strlen(name);
    if (length <= kTemporarySuffixLength) return false;
    const char* suffix = name + length - kTemporarySuffixLength;
    if (std::strncmp(suffix, kTemporarySuffix, 5) != 0) return false;
    for (const char* p = suffix + 5; *p; ++p) {
        if (!std::isalnum(static_cast<unsigned char>(*p))) return false;
    }
    return true;
}

bool WriteAll(int fd, const char* bytes, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, bytes + written, size - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// The replacement keeps the mode of the file it replaces (0644 for a new one), and its owner
// where the process may give it away: a table the player made read-only stays read-only.
bool TakeOverModeAndOwner(int fd, const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) return ::fchmod(fd, 0644) == 0;
    (void)!::fchown(fd, old.st_uid, old.st_gid);
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable.
void SyncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string TranslatePath(std::string_view windowsName) {
    std::string path(windowsName);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    if (path.empty()) return path;
    const bool absolute = path[0] == '/';
    std::string built = absolute ? "/" : "";
    bool matching = true;  // once a component is missing, the rest is kept as written
    for (const std::string& part : SplitComponents(path)) {
        std::string chosen = part;
        if (matching && part != "." && part != "..") {
            const std::string candidate = built + part;
            if (!Exists(candidate)) {
                const std::string found = FindCaseInsensitive(built, part);
                if (found.empty()) {
                    matching = false;
                } else {
                    chosen = found;
                }
            }
        }
        built += chosen;
        built += '/';
    }
    if (built.size() > 1 && path.back() != '/') built.pop_back();
    return built;
}

std::FILE* OpenFile(std::string_view windowsName, const char* mode) {
    if (!mode) return nullptr;
    bool text = true;
    std::string posixMode = PosixMode(mode, text);
    if (posixMode.empty()) return nullptr;
    const std::string path = TranslatePath(windowsName);
    std::FILE* raw = std::fopen(path.c_str(), (posixMode + "e").c_str());
    if (!raw || !text || posixMode.find('r') == std::string::npos) return raw;
    static const cookie_io_functions_t kTextFunctions = {TextRead, TextWrite, TextSeek,
                                                         TextClose};
    auto* reader = new TextReader{raw};
    std::FILE* wrapped = ::fopencookie(reader, posixMode.c_str(), kTextFunctions);
    if (!wrapped) {
        std::fclose(raw);
        delete reader;
    }
    return wrapped;
}

bool FileExists(std::string_view windowsName) { return Exists(TranslatePath(windowsName)); }

bool StampOf(std::string_view windowsName, FileStamp& out) {
    struct stat info {};
    if (::stat(TranslatePath(windowsName).c_str(), &info) != 0) return false;
    out.size = info.st_size;
    out.modifiedNs = int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
    out.inode = info.st_ino;
    return true;
}

bool WriteFileAtomically(std::string_view windowsName, const void* data, std::size_t size) {
    const std::string path = TranslatePath(windowsName);
    std::string temp = path + kTemporarySuffix;
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    // The data reaches the disk before the rename, and the rename before we report success:
    // a power cut leaves the old file or the new one, never a torn one.
    const bool ok = WriteAll(fd, static_cast<const char*>(data), size) &&
                    TakeOverModeAndOwner(fd, path) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolderOf(path);
    return true;
}

void RemoveStaleTemporaries(std::string_view windowsFolder) {
    const std::string folder = TranslatePath(windowsFolder);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (IsOurTemporary(entry->d_name)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

void KeepPrivate(std::FILE* file) {
    if (file) ::fchmod(::fileno(file), S_IRUSR | S_IWUSR);
}

}  // namespace platform
