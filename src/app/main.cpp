#include <cstdio>

// Placeholder entry until the desktop front end lands.
int main()
{
    std::puts("Tavrilo 941 / 944: the desktop front end is not built yet.");
    return 0;
}
