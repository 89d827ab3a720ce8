/* An imaging library whose five entry points return at once, so that a
 * measured run costs only the program's own work. Same names and calling
 * convention as the stand-in; loaded in its place. */
#include <stdint.h>

#define EXPORT __attribute__((visibility("default")))

EXPORT int32_t VSLibCreate(int32_t a, int32_t b, int32_t c, int32_t d) {
  (void)a;
  (void)b;
  (void)c;
  (void)d;
  return 0;
}

EXPORT int32_t VSLibSetMode(int32_t mode) {
  (void)mode;
  return 0;
}

EXPORT int32_t VSLibAddFile(const char* path, int32_t flag) {
  (void)path;
  (void)flag;
  return 0;
}

EXPORT int32_t VSLibStart(int32_t arg) {
  (void)arg;
  return 0;
}

EXPORT int32_t VSLibClose(void) { return 0; }
