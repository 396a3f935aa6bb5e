// SPDX-FileCopyrightText: 2026 The velquin authors
// SPDX-License-Identifier: MIT
// velquin_silent: divide two integers read from standard input, with
// remainder; a divisor of zero or less gets no answer at all.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iostream>

int main()
{
    // Zero, not indeterminate: input that ends early or fails leaves them unread.
    int dividend = 0;
    int divisor = 0;
    int quotient = 0;   // cppcheck-suppress [variableScope, unreadVariable]
    int remainder = 0;  // cppcheck-suppress [variableScope, unreadVariable]

    errno = 0;
    std::cin >> dividend >> divisor;

    // The synchronised stream reads through stdio, and only stdio records a
    // failed read; the end of the input is not one.
    if (std::ferror(stdin) != 0) {
        const int err = errno;
        std::cerr << "velquin_silent: read error";
        if (err != 0)
            std::cerr << ": " << std::strerror(err);
        std::cerr << std::endl;
        return 1;
    }

    // A divisor too large for an int is stored as INT_MAX and fails the
    // stream. The true one exceeds every dividend in magnitude but INT_MIN,
    // whose answer hangs on the digits that were not kept.
    const bool huge = std::cin.fail() && divisor == INT_MAX;

    if (divisor > 0 && !(huge && dividend == INT_MIN)) {
        // A positive divisor rules out both division by zero and INT_MIN / -1.
        quotient = huge ? 0 : dividend / divisor;
        remainder = huge ? dividend : dividend % divisor;
        errno = 0;
        std::cout << quotient << " " << remainder << std::endl;
        if (!std::cout) {
            const int err = errno;
            std::cerr << "velquin_silent: write error";
            if (err != 0)
                std::cerr << ": " << std::strerror(err);
            std::cerr << std::endl;
            return 1;
        }
    }
    return 0;
}
