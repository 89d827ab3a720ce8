#define VSLIB_BUILDING
#include "handoff/VSLib.h"

extern "C" {
int32_t VSLIB_CALL VSLibCreate(int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t VSLIB_CALL VSLibSetMode(int32_t mode) { return mode == 2 ? 0 : 1; }
int32_t VSLIB_CALL VSLibAddFile(const char*, int32_t) { return 0; }
int32_t VSLIB_CALL VSLibStart(int32_t) { return 0; }
int32_t VSLIB_CALL VSLibClose(void) { return 0; }
}
