/* SPDX-FileCopyrightText: 2026 The velquin authors
 * SPDX-License-Identifier: MIT
 *
 * The floor: the least a process can do for this job, read standard input
 * and write one line. */
#include <unistd.h>
int main(void)
{
    char buf[64];
    if (read(0, buf, sizeof buf) < 0)
        return 1;
    return write(1, "3 2\n", 4) != 4;
}
