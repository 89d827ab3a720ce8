// The entry points: one session per process, every call traced with the
// result the caller is given.
#define VSLIB_BUILDING
#include "vslib/VSLib.h"

#include <mutex>
#include <string>

#include "vslib/PathText.h"
#include "vslib/ResultCodes.h"
#include "vslib/Session.h"
#include "vslib/Trace.h"

namespace {

std::mutex g_lock;
vslib::Session g_session;

// No exception may cross the C boundary of the library.
template <typename Call>
int32_t Guarded(Call call) {
  try {
    return call();
  } catch (...) {
    return vslib::kInternalError;
  }
}

std::string WithResult(const std::string& call, int32_t result) {
  return call + " = " + std::to_string(result);
}

}  // namespace

extern "C" {

int32_t VSLIB_CALL VSLibCreate(int32_t a, int32_t b, int32_t c, int32_t d) {
  std::lock_guard<std::mutex> lock(g_lock);
  return Guarded([&] {
    const int32_t result = g_session.Create(a, b, c, d, vslib::IntegerSetting("VSLIB_CREATE_RESULT"));
    vslib::Trace([&] {
      return WithResult("VSLibCreate(" + std::to_string(a) + ", " + std::to_string(b) + ", " +
                            std::to_string(c) + ", " + std::to_string(d) + ")",
                        result);
    });
    return result;
  });
}

int32_t VSLIB_CALL VSLibSetMode(int32_t mode) {
  std::lock_guard<std::mutex> lock(g_lock);
  return Guarded([&] {
    const int32_t result = g_session.SetMode(mode, vslib::IntegerSetting("VSLIB_SETMODE_RESULT"));
    vslib::Trace([&] { return WithResult("VSLibSetMode(" + std::to_string(mode) + ")", result); });
    return result;
  });
}

int32_t VSLIB_CALL VSLibAddFile(const char* path, int32_t flag) {
  std::lock_guard<std::mutex> lock(g_lock);
  return Guarded([&] {
    const int32_t result = g_session.AddFile(path, flag);
    vslib::Trace([&] {
      return WithResult("VSLibAddFile(" + vslib::QuotedPath(path) + ", " + std::to_string(flag) + ")", result);
    });
    return result;
  });
}

int32_t VSLIB_CALL VSLibStart(int32_t arg) {
  std::lock_guard<std::mutex> lock(g_lock);
  return Guarded([&] {
    const int32_t result = g_session.Start(arg);
    vslib::Trace([&] { return "VSLibStart(" + std::to_string(arg) + ")"; });
    return result;
  });
}

int32_t VSLIB_CALL VSLibClose(void) {
  std::lock_guard<std::mutex> lock(g_lock);
  return Guarded([&] {
    const int32_t result = g_session.Close();
    vslib::Trace([] { return std::string("VSLibClose()"); });
    return result;
  });
}

}  // extern "C"
