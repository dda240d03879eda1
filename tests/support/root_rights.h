// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Tests run as root, whose rights pass over mode bits. Off, the calling thread meets them as
// their owner would; on again, it has them back (they stay permitted).
inline void setRootsFileRights(bool on)
{
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] {};
    syscall(SYS_capget, &header, data);
    const unsigned rights = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    data[0].effective = on ? data[0].effective | (data[0].permitted & rights) : data[0].effective & ~rights;
    syscall(SYS_capset, &header, data);
}
