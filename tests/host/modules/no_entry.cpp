// A module that is a valid shared library but has no plug-in entry point.
extern "C" __attribute__((visibility("default"))) int not_an_entry_point() { return 42; }
