#include "picture_cache.h"

#include "platform/platform.h"

#include <cstring>
#include <map>
#include <memory>
#include <utility>

namespace Interface::detail {

namespace {

// All of the game's pictures take about 70 MiB in the widest layout; a few screens take far
// less, and a long session that visits every screen starts filling again when this is full.
constexpr std::size_t kMostCachedBytes = std::size_t{64} << 20;

struct Entry {
    platform::FileStamp stamp;
    std::unique_ptr<gfx::Surface> picture;
};

struct Cache {
    std::map<std::pair<std::string, gfx::PixelLayout>, Entry> entries;
    std::size_t bytes = 0;
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

std::size_t BytesOf(const gfx::Surface& picture) {
    return static_cast<std::size_t>(picture.Stride()) * picture.height;
}

bool CopyPicture(const gfx::Surface& from, gfx::Surface& to) {
    if (!to.Create(from.layout, from.width, from.height)) return false;
    std::memcpy(to.bits, from.bits, BytesOf(from));
    to.keyColor = from.keyColor;
    to.Touch();
    return true;
}

}  // namespace

bool FindCachedPicture(const std::string& fileName, gfx::PixelLayout layout, gfx::Surface& out) {
    Cache& cache = TheCache();
    const auto found = cache.entries.find({fileName, layout});
    if (found == cache.entries.end()) return false;
    platform::FileStamp stamp;
    if (platform::StampOf(fileName, stamp) && stamp == found->second.stamp) {
        return CopyPicture(*found->second.picture, out);
    }
    cache.bytes -= BytesOf(*found->second.picture);
    cache.entries.erase(found);
    return false;
}

void CachePicture(const std::string& fileName, const gfx::Surface& picture) {
    Cache& cache = TheCache();
    Entry entry;
    const std::size_t bytes = BytesOf(picture);
    if (bytes > kMostCachedBytes || !platform::StampOf(fileName, entry.stamp)) return;
    entry.picture = std::make_unique<gfx::Surface>();
    if (!CopyPicture(picture, *entry.picture)) return;
    const auto key = std::make_pair(fileName, picture.layout);
    if (const auto old = cache.entries.find(key); old != cache.entries.end()) {
        cache.bytes -= BytesOf(*old->second.picture);
        cache.entries.erase(old);
    }
    if (cache.bytes + bytes > kMostCachedBytes) ClearPictureCache();
    cache.entries.emplace(key, std::move(entry));
    cache.bytes += bytes;
}

void ClearPictureCache() {
    TheCache().entries.clear();
    TheCache().bytes = 0;
}

}  // namespace Interface::detail
