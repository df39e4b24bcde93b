// The presentation keys of the profile: "Full screen=" (1 or 0) and "Integer scale=" (1 or
// 0) in the title's section. The player's fullscreen switch is written back into the file,
// every other line kept as it was.
#include "frame_state.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace Interface::detail {

namespace {

constexpr char kFullScreenKey[] = "Full screen=";
constexpr char kIntegerScaleKey[] = "Integer scale=";
// A profile is a few lines; anything bigger is not rewritten, so nothing in it is lost.
constexpr std::size_t kMaxProfileBytes = 1 << 20;

bool StartsWith(const std::string& line, const char* key) {
    return line.compare(0, std::strlen(key), key) == 0;
}

bool ReadWholeFile(const std::string& name, std::string& out) {
    std::FILE* file = platform::OpenFile(name, "rb");
    if (!file) return true;  // no profile yet: one is made
    std::vector<char> buffer(kMaxProfileBytes + 1);
    const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file);
    std::fclose(file);
    if (read > kMaxProfileBytes) return false;
    out.assign(buffer.data(), read);
    return true;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t stop = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, stop - start));
        start = stop;
    }
    return lines;
}

// Sets the key's line in the section the profile reader would take; adds the section when
// there is none.
void SetKey(std::vector<std::string>& lines, const char* title, const std::string& keyLine) {
    const std::size_t titleLength = std::strlen(title);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i].compare(1, titleLength, title) != 0) continue;
        const bool crlf = lines[i].size() >= 2 && lines[i][lines[i].size() - 2] == '\r';
        const std::string ending = crlf ? "\r\n" : "\n";
        if (lines[i].back() != '\n') lines[i] += ending;
        for (std::size_t j = i + 1; j < lines.size() && lines[j][0] != '['; ++j) {
            if (StartsWith(lines[j], kFullScreenKey)) {
                lines[j] = keyLine + ending;
                return;
            }
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, keyLine + ending);
        return;
    }
    if (!lines.empty() && lines.back().back() != '\n') lines.back() += "\n";
    lines.push_back(std::string("[") + title + "]\n");
    lines.push_back(keyLine + "\n");
}

}  // namespace

std::string ProfilePath() {
    return platform::UserFolder() + "\\" + State().properties->profileName + ".ini";
}

bool ReadPresentationLine(const char* line) {
    platform::Presentation& presentation = State().profilePresentation;
    const std::string text = line;
    if (StartsWith(text, kFullScreenKey)) {
        presentation.fullscreen = std::atoi(line + std::strlen(kFullScreenKey)) != 0;
        return true;
    }
    if (StartsWith(text, kIntegerScaleKey)) {
        presentation.integerScale = std::atoi(line + std::strlen(kIntegerScaleKey)) != 0;
        return true;
    }
    return false;
}

void StorePresentation() {
    FrameState& s = State();
    const platform::Presentation now = platform::GetPresentation();
    if (!s.properties || now.fullscreen == s.profilePresentation.fullscreen) return;
    std::string text;
    const std::string name = ProfilePath();
    if (!ReadWholeFile(name, text)) return;
    std::vector<std::string> lines = SplitLines(text);
    SetKey(lines, s.properties->title, kFullScreenKey + std::string(now.fullscreen ? "1" : "0"));
    std::string out;
    for (const std::string& line : lines) out += line;
    if (platform::WriteFileAtomically(name, out.data(), out.size())) {
        s.profilePresentation.fullscreen = now.fullscreen;
    }
}

}  // namespace Interface::detail
