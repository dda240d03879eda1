// Qt and the system libraries are not built with the sanitizers, and some of their
// one-time allocations outlive main. Leaks that start inside them are not ours; every
// other leak still fails the test.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
