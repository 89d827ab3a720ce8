// A path written into a line of text (trace, job manifest) so that every byte
// of it can be read back and no byte can break the line.
#ifndef TELLAN_VSLIB_PATHTEXT_H
#define TELLAN_VSLIB_PATHTEXT_H

#include <string>

namespace vslib {

// The path between double quotes; backslash and double quote become \\ and \",
// every byte outside 0x20..0x7E becomes \xHH with two uppercase hex digits.
// A null path is written as NULL, without quotes.
std::string QuotedPath(const char* path);

}  // namespace vslib

#endif
