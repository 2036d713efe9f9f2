// Loaded before the C library (LD_PRELOAD), every sync to the disk fails
// with EIO, as on a failing disk or a lost network share. A test checks
// that it was loaded by looking up zuz_failsync_loaded.

#include <cerrno>

extern "C" {
__attribute__((visibility("default"))) int zuz_failsync_loaded = 1;
__attribute__((visibility("default"))) int fdatasync(int) {
  errno = EIO;
  return -1;
}
__attribute__((visibility("default"))) int fsync(int) {
  errno = EIO;
  return -1;
}
}
