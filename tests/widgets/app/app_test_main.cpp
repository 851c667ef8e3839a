// SPDX-License-Identifier: MIT
#include "support/desktop/widget_test_main.h"

int main(int argc, char** argv)
{
    return probel::test::runWidgetTests(argc, argv);
}
