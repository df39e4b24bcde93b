#include "platform/platform.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Starts a process that takes the lock, reports through a pipe and waits to be killed.
pid_t StartHolder() {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const char ok = platform::AcquireSingleInstance("LockTest") ? 'y' : 'n';
        (void)!::write(fds[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    ::close(fds[1]);
    char answer = 0;
    (void)!::read(fds[0], &answer, 1);
    ::close(fds[0]);
    return answer == 'y' ? pid : -1;
}
}  // namespace

TEST(SingleInstance, ASecondProcessIsRefusedUntilTheHolderDies) {
    testing_support::ScratchFolder dir;
    ::setenv("BRELLIK_HOME", dir.Path().c_str(), 1);
    const pid_t holder = StartHolder();
    ASSERT_GT(holder, 0);
    EXPECT_FALSE(platform::AcquireSingleInstance("LockTest"));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(platform::AcquireSingleInstance("LockTest"));
    platform::ReleaseSingleInstance();
}
