// SPDX-License-Identifier: MIT
#include <QApplication>

#include "app/start_up.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return probel::runProbel(app, QApplication::arguments().mid(1));
}
