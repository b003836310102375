#pragma once
// libgsf leaks a few directory entries (a bounded amount per file) when it opens a compound
// file whose directory is damaged; that is the library's, not ours, and is not reported.
// The library has no frame pointers, so allocation stacks are taken the slow way to see it.
// Include this in exactly one source file of a fuzz target that reads compound files.

extern "C" const char* __lsan_default_suppressions() {
    return "leak:gsf_infile_msole_new\n";
}
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
