#include "picture_cache.h"

#include "platform/platform.h"

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
    std::shared_ptr<const gfx::Surface> picture;
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

}  // namespace

std::shared_ptr<const gfx::Surface> FindCachedPicture(const std::string& fileName,
                                                      gfx::PixelLayout layout) {
    Cache& cache = TheCache();
    const auto found = cache.entries.find({fileName, layout});
    if (found == cache.entries.end()) return nullptr;
    platform::FileStamp stamp;
    if (platform::StampOf(fileName, stamp) && stamp == found->second.stamp) {
        return found->second.picture;
    }
    cache.bytes -= BytesOf(*found->second.picture);
    cache.entries.erase(found);
    return nullptr;
}

void CachePicture(const std::string& fileName, std::shared_ptr<const gfx::Surface> picture) {
    Cache& cache = TheCache();
    Entry entry;
    const std::size_t bytes = BytesOf(*picture);
    if (bytes > kMostCachedBytes || !platform::StampOf(fileName, entry.stamp)) return;
    const auto key = std::make_pair(fileName, picture->layout);
    entry.picture = std::move(picture);
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
