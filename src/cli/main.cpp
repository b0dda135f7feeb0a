#include "document/ElementTypes.h"

#include <cstdio>

int main(int, char**)
{
    loopora::installElementTypes();
    std::puts("loopora-cli");
    return 0;
}
