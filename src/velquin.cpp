// velquin: divide two integers read from standard input, with remainder.
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

    errno = 0;
    if (divisor <= 0) {
        std::cout << "no se puede" << std::endl;
    } else {
        // A positive divisor rules out both division by zero and INT_MIN / -1.
        quotient = dividend / divisor;
        remainder = dividend % divisor;
        std::cout << quotient << " " << remainder << std::endl;
    }

    if (!std::cout) {
        const int err = errno;
        std::cerr << "velquin: write error";
        if (err != 0)
            std::cerr << ": " << std::strerror(err);
        std::cerr << std::endl;
        return 1;
    }
    return 0;
}
