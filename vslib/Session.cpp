#include "vslib/Session.h"

#include "vslib/ResultCodes.h"

namespace vslib {

int32_t Session::Refusal() const { return m_state == State::None ? kNoSession : kOutOfOrder; }

int32_t Session::Create(int32_t a, int32_t b, int32_t c, int32_t d, std::optional<int32_t> forced) {
  if (m_state != State::None) return forced.value_or(kOutOfOrder);
  const int32_t own = (a == 0 && b == 0 && c == 0 && d == 0) ? kOk : kBadArgument;
  const int32_t result = forced.value_or(own);
  m_accepted.clear();
  m_state = result == kOk ? State::Created : State::Failed;
  return result;
}

int32_t Session::SetMode(int32_t mode, std::optional<int32_t> forced) {
  if (m_state != State::Created) return forced.value_or(Refusal());
  // Mode 2 is the only one there is: hand-off of single files for printing.
  const int32_t result = forced.value_or(mode == 2 ? kOk : kUnsupportedMode);
  if (result == kOk) m_state = State::Filling;
  return result;
}

int32_t Session::AddFile(const char* path, int32_t flag) {
  if (m_state != State::Filling) return Refusal();
  if (flag != 1) return kBadArgument;
  const ImageVerdict verdict = CheckImage(path);
  if (verdict.code == kOk) m_accepted.push_back(AcceptedImage{path, verdict.facts});
  return verdict.code;
}

int32_t Session::Start(int32_t arg) {
  if (m_state != State::Filling) return Refusal();
  if (arg != 0) return kBadArgument;
  if (m_accepted.empty()) return kNothingToStart;
  const std::optional<std::string> folder = WriteJob(m_accepted);
  if (!folder) return kJobNotWritten;
  AnnounceJob(*folder, m_accepted.size());
  m_state = State::Started;
  return kOk;
}

int32_t Session::Close() {
  if (m_state == State::None) return Refusal();
  m_accepted.clear();
  m_state = State::None;
  return kOk;
}

}  // namespace vslib
