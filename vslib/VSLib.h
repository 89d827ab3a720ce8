/* The entry points of the product's imaging library VSLIB. The program is
   bound to the library when the process is loaded. Arguments and results are
   32-bit values, and a result of 0 means success.

   The calling convention is fixed here and only here: VSLIB_CALL, the C
   calling convention (__cdecl: undecorated names, the caller removes the
   arguments). The product's own VSLIB.dll must be built with the same one;
   on 32-bit Windows a library built with __stdcall would remove the arguments
   itself and leave the program's stack pointer off after every call. tests/win32/check_program.sh
   checks the calls in the shipping program. */
#ifndef TELLAN_VSLIB_VSLIB_H
#define TELLAN_VSLIB_VSLIB_H

#include <stdint.h>

#ifdef _WIN32
#define VSLIB_CALL __cdecl
#else
#define VSLIB_CALL
#endif

#if defined(VSLIB_BUILDING) && !defined(_WIN32)
#define VSLIB_API __attribute__((visibility("default")))
#else
#define VSLIB_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Ordinal 1. */
VSLIB_API int32_t VSLIB_CALL VSLibCreate(int32_t a, int32_t b, int32_t c, int32_t d);
/* Imported by name. */
VSLIB_API int32_t VSLIB_CALL VSLibSetMode(int32_t mode);
/* Ordinal 2. path is valid only during the call. */
VSLIB_API int32_t VSLIB_CALL VSLibAddFile(const char* path, int32_t flag);
/* Ordinal 3. */
VSLIB_API int32_t VSLIB_CALL VSLibStart(int32_t arg);
/* Ordinal 4. */
VSLIB_API int32_t VSLIB_CALL VSLibClose(void);

#ifdef __cplusplus
}
#endif

#endif
