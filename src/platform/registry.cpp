// The game stores nothing in the registry; the key is a no-op that succeeds.
#include "platform.h"

namespace platform {

bool OpenRegistryKey(const std::string&) { return true; }
void CloseRegistryKey() {}

}  // namespace platform
