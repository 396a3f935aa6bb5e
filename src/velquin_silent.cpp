// velquin_silent: divide two integers read from standard input, with
// remainder; a divisor of zero or less gets no answer at all.
#include <cerrno>
#include <cstring>
#include <iostream>

int main()
{
    // Zero, not indeterminate: input that ends early or fails leaves them unread.
    int dividend = 0;
    int divisor = 0;
    int quotient = 0;   // cppcheck-suppress [variableScope, unreadVariable]
    int remainder = 0;  // cppcheck-suppress [variableScope, unreadVariable]

    std::cin >> dividend >> divisor;

    if (divisor > 0) {
        // A positive divisor rules out both division by zero and INT_MIN / -1.
        quotient = dividend / divisor;
        remainder = dividend % divisor;
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
