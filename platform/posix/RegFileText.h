// The text of a .reg file: its encodings on the way in, and the narrow code
// page of the process on the way out.
#ifndef TELLAN_PLATFORM_POSIX_REGFILETEXT_H
#define TELLAN_PLATFORM_POSIX_REGFILETEXT_H

#include <string>

namespace platform {

// Decodes a whole .reg file into characters. A UTF-16LE byte-order mark
// selects UTF-16LE; otherwise the bytes are read as UTF-8 (with or without its
// mark), and every byte that is not part of a valid UTF-8 sequence is kept as
// an escaped raw byte, so a file written in the process's own code page
// reaches the narrow store unchanged. Unpaired UTF-16 surrogates become '?'.
std::u32string DecodeRegFileText(const std::string& bytes);

// Decodes UTF-16LE bytes with no byte-order mark, as the registry holds its
// string values; an odd last byte is no character.
std::u32string DecodeUtf16LeText(const std::string& bytes);

// Encodes characters in the code page of the process (nl_langinfo(CODESET));
// escaped raw bytes are written back as they were, and a character that the
// code page cannot hold becomes '?'.
std::string NarrowFromRegFileText(const std::u32string& text);

}  // namespace platform

#endif
