#include "tests/support/Forked.h"

#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

std::optional<int> exitOfForked(const std::function<int()>& body, std::chrono::milliseconds limit) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
}
