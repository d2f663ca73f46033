// The shared runtime that setup copies into the user's components folder and registers there.
// Setup calls its entries in a process of its own and looks only at whether they ran.
#define ZT_ENTRY extern "C" __attribute__((visibility("default")))

ZT_ENTRY long DllRegisterServer() { return 0; }
ZT_ENTRY long DllUnregisterServer() { return 0; }
