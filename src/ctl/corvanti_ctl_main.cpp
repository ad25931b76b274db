#include <cstdio>

int main() {
    std::puts("corvanti-ctl");
    return 0;
}
