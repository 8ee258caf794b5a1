#pragma once
// Qt ends a program that finds no display with its own fatal message and an abort. While the
// application object is made, this turns that into one line ("PROGRAM: cannot open a display
// ...") for the operator and exit status 1;
// other start-up messages are kept and shown once start-up succeeded.

class StartupDisplayGuard {
public:
    // `program` names the program in that line; it must outlive the guard.
    explicit StartupDisplayGuard(const char* program);
    ~StartupDisplayGuard();
    StartupDisplayGuard(const StartupDisplayGuard&) = delete;
    StartupDisplayGuard& operator=(const StartupDisplayGuard&) = delete;
};
