// What either platform's reader accepts as a message file, so that a file
// that one build reads is read by the other.
#ifndef TELLAN_PLATFORM_MESSAGEFILELIMITS_H
#define TELLAN_PLATFORM_MESSAGEFILELIMITS_H

#include <cstdint>

namespace platform {

// Message files hold a few kilobytes of texts; a file above this size is
// treated as unreadable before any of it is parsed, so that a huge file cannot
// exhaust memory: the parser's tree is many times the size of the file.
constexpr std::uint64_t kMaxMessageFileBytes = 16u * 1024u * 1024u;

}  // namespace platform

#endif
