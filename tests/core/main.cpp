// The core's suites: the same cases as a Linux program, a Windows program and a WebAssembly one.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include "core_test.h"
