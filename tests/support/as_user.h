#pragma once

// Permissions as a user meets them: the superuser reads and writes
// anything, so a check of what a user may not do runs, when the tests run
// as root, in a child process turned into the unprivileged user "nobody".

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

inline constexpr uid_t kNobody = 65534;

// The child's verdict: true when `check` held, as whoever may be denied.
inline bool heldAsUser(const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(2);
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
