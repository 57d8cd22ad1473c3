#pragma once
// The CPU time this process has used so far, every thread's, user and
// system together: what a benchmark compares against the wall time.

namespace zav::test {

double processCpuSeconds();

}  // namespace zav::test
