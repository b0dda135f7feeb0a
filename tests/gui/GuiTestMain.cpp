// One program runs every GUI test class under the offscreen platform.

#include "GuiSupport.h"

int main(int argc, char** argv) { return loopora::test::runGuiTests(argc, argv); }
