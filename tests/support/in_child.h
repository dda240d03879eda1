// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

// What a forked child cannot do: write past a few bytes of any file (a full disk, with
// SIGXFSZ ignored so that the write fails instead of killing it), or pass mode bits as root.
enum class ChildLimit { FullDisk, Unprivileged };

// Runs `check` in a forked child under `limit`; true when it returned true (not when the child died).
inline bool holdsInChild(ChildLimit limit, const std::function<bool()>& check)
{
    const pid_t child = fork();
    if (child == 0) {
        if (limit == ChildLimit::FullDisk) {
            const rlimit bytes {16, 16};
            std::signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &bytes);
        } else {
            __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct data[2] {};
            syscall(SYS_capget, &header, data);
            data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
            syscall(SYS_capset, &header, data);
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
