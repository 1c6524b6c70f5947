// Leak checking of the Qt tests: the font libraries (fontconfig, FreeType, reached through Qt's
// font database) keep their caches until the process ends, and Qt GUI's own globals outlive an
// application object destroyed at exit; LeakSanitizer would report both. Our own allocations
// carry our frames and stay checked.

extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libfreetype.so\n"
           "leak:libQt6Gui.so\n";
}
