#include "pad_slots.h"

namespace platform {

namespace {

bool IsIdentity(std::string_view identity) {
    if (identity.empty() || identity.size() > PadSlots::kMaxIdentity) return false;
    for (char c : identity) {
        if (c <= ' ' || c > '~') return false;
    }
    return true;
}

}  // namespace

int PadSlots::Take() { return TakeFree({}); }

int PadSlots::Take(std::string_view identity) {
    if (!IsIdentity(identity)) return TakeFree({});
    for (int slot = 0; slot < kPadSlots; ++slot) {
        if (!used_[slot] && identities_[slot] == identity) {
            used_[slot] = true;
            return slot;
        }
    }
    return TakeFree(identity);
}

int PadSlots::TakeFree(std::string_view identity) {
    int chosen = -1;
    for (int slot = 0; slot < kPadSlots && chosen < 0; ++slot) {
        if (!used_[slot] && identities_[slot].empty()) chosen = slot;
    }
    for (int slot = 0; slot < kPadSlots && chosen < 0; ++slot) {
        if (!used_[slot]) chosen = slot;
    }
    if (chosen < 0) return -1;
    used_[chosen] = true;
    if (!identity.empty()) identities_[chosen] = identity;
    return chosen;
}

void PadSlots::Release(int slot) {
    if (slot >= 0 && slot < kPadSlots) used_[slot] = false;
}

bool PadSlots::InUse(int slot) const { return slot >= 0 && slot < kPadSlots && used_[slot]; }

std::string PadSlots::Remembered() const {
    std::string text;
    for (int slot = 0; slot < kPadSlots; ++slot) {
        if (!identities_[slot].empty()) {
            text += std::to_string(slot) + " " + identities_[slot] + "\n";
        }
    }
    return text;
}

void PadSlots::Recall(std::string_view text) {
    text = text.substr(0, kMaxRememberedText);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() < 3 || line[0] < '0' || line[0] >= '0' + kPadSlots || line[1] != ' ') {
            continue;
        }
        const std::string_view identity = line.substr(2);
        if (IsIdentity(identity)) identities_[line[0] - '0'] = identity;
    }
}

}  // namespace platform
