#include "document/ElementTypes.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    loopora::installElementTypes();
    return RUN_ALL_TESTS();
}
