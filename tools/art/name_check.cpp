#include "name_check.h"

#include "table.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>

namespace art {
namespace {

bool IsSource(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".cpp" || extension == ".cc" || extension == ".h" || extension == ".hpp";
}

// The text of a C++ string literal's body with its escapes undone.
std::string Unescape(const std::string& body) {
    std::string text;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\\' && i + 1 < body.size()) ++i;
        text += body[i];
    }
    return text;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string WithoutExtension(const std::string& name) {
    const std::string lower = Lower(name);
    for (const char* extension : {".bmp", ".png"}) {
        if (lower.size() > 4 && lower.ends_with(extension)) return name.substr(0, name.size() - 4);
    }
    return name;
}

// A regular expression for a name that may hold printf conversions.
std::regex PatternOf(const std::string& name) {
    static const std::regex conversion("%[-0-9]*([sdi%])");
    std::string pattern;
    std::sregex_iterator match(name.begin(), name.end(), conversion), end;
    std::size_t copied = 0;
    const auto literal = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            const char c = name[i];
            if (!std::isalnum(static_cast<unsigned char>(c))) pattern += '\\';
            pattern += c;
        }
    };
    for (; match != end; ++match) {
        literal(copied, match->position());
        const char kind = match->str(1)[0];
        pattern += kind == 's' ? ".*" : kind == '%' ? "%" : "[0-9]+";
        copied = match->position() + match->length();
    }
    literal(copied, name.size());
    return std::regex(pattern, std::regex::icase);
}

}  // namespace

std::vector<PictureReference> FindPictureReferences(const std::filesystem::path& root) {
    static const std::regex literal(R"re("Bitmaps\\\\((?:[^"\\]|\\.)*)")re");
    std::vector<PictureReference> references;
    std::error_code error;
    if (!std::filesystem::is_directory(root, error)) return references;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, error)) {
        if (entry.is_regular_file() && IsSource(entry.path())) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            for (std::sregex_iterator match(line.begin(), line.end(), literal), end; match != end; ++match) {
                references.push_back({file.string(), number, Unescape(match->str(1))});
            }
        }
    }
    return references;
}

bool TableHasPicture(const std::string& name) {
    const std::string stem = WithoutExtension(name);
    const bool folder = stem.empty() || stem.back() == '\\';
    const std::regex pattern = PatternOf(stem);
    return std::any_of(PictureTable().begin(), PictureTable().end(), [&](const PictureSpec& spec) {
        if (folder) return Lower(spec.name).starts_with(Lower(stem));
        return std::regex_match(spec.name, pattern);
    });
}

std::vector<PictureReference> UnknownPictures(const std::filesystem::path& root) {
    std::vector<PictureReference> unknown;
    for (const PictureReference& reference : FindPictureReferences(root)) {
        if (!TableHasPicture(reference.name)) unknown.push_back(reference);
    }
    return unknown;
}

}  // namespace art
