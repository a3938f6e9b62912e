// Font lookups leave fontconfig's configuration and cairo's font caches allocated
// until the process ends; the leak checker of sanitizer builds is told so.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n"
         "leak:libcairo.so\n";
}
