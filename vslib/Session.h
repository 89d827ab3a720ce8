// The library's state from VSLibCreate to VSLibClose and the rules for which
// call is allowed when. A forced result (from the environment) replaces the
// library's own result, and the state follows the result the caller is given,
// so that a caller told "created" may go on as if it were.
#ifndef TELLAN_VSLIB_SESSION_H
#define TELLAN_VSLIB_SESSION_H

#include <cstdint>
#include <optional>
#include <vector>

#include "vslib/Job.h"

namespace vslib {

class Session {
 public:
  int32_t Create(int32_t a, int32_t b, int32_t c, int32_t d, std::optional<int32_t> forced);
  int32_t SetMode(int32_t mode, std::optional<int32_t> forced);
  int32_t AddFile(const char* path, int32_t flag);
  int32_t Start(int32_t arg);
  int32_t Close();

 private:
  // None: before VSLibCreate or after VSLibClose; a closed session may be
  // created anew. Failed: VSLibCreate returned nonzero; only VSLibClose is
  // left to call.
  enum class State { None, Failed, Created, Filling, Started };

  int32_t Refusal() const;

  State m_state = State::None;
  std::vector<AcceptedImage> m_accepted;
};

}  // namespace vslib

#endif
