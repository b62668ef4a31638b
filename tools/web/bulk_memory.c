// memcpy and memset for the editor's module: the page's C library copies a
// byte or a word at a time, and large blocks by calling out to JavaScript,
// while the solver copies a world's records for every move it tries; these
// are the browser's own block instructions (memory.copy and memory.fill).
// Built with bulk memory on, under which the compiler lowers the builtins
// below to those instructions rather than to calls back into these functions.
#include <stddef.h>

void* memcpy(void* restrict to, const void* restrict from, size_t n) {
    __builtin_memcpy(to, from, n);
    return to;
}

void* memset(void* to, int value, size_t n) {
    __builtin_memset(to, value, n);
    return to;
}
