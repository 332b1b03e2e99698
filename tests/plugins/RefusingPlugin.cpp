extern "C" __attribute__((visibility("default"))) int DllInit(const char* const*) { return 11; }
extern "C" __attribute__((visibility("default"))) int Answer() { return 42; }
