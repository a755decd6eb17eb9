#include <cstdio>
int main() { std::puts("quelm-cli: not yet"); return 1; }
