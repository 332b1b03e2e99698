// Accepts any usable message table and counts its calls.
extern "C" {
int g_init_calls = 0;
__attribute__((visibility("default"))) int DllInit(const char* const* table) {
  ++g_init_calls;
  return table != nullptr && table[711] != nullptr ? 0 : 11;
}
__attribute__((visibility("default"))) int InitCalls() { return g_init_calls; }
}
