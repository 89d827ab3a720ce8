// The library's results. 0 is success; every refusal has its own code so that
// a caller or a trace shows why a call was refused.
#ifndef TELLAN_VSLIB_RESULTCODES_H
#define TELLAN_VSLIB_RESULTCODES_H

#include <cstdint>

namespace vslib {

enum ResultCode : int32_t {
  kOk = 0,
  // The four reasons for which a file is not accepted for printing.
  kFileMissing = 1,       // missing, unreadable, not a regular file, or empty path
  kNotAnImage = 2,        // not JPEG, PNG, BMP or GIF, or a corrupt header
  kBadDimensions = 3,     // a side shorter or longer than the print limits
  kBadAspectRatio = 4,    // long side more than four times the short side
  // Misuse of the library.
  kBadArgument = 10,      // an argument value the library does not know
  kUnsupportedMode = 11,  // VSLibSetMode with a mode other than 2
  kOutOfOrder = 12,       // a call that the current state does not allow
  kNoSession = 13,        // a call other than VSLibCreate before it or after VSLibClose
  kNothingToStart = 14,   // VSLibStart before any file was accepted
  kJobNotWritten = 15,    // the job folder or its manifest could not be written
  kInternalError = 16,    // out of memory or another failure inside the library
};

}  // namespace vslib

#endif
