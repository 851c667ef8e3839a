// SPDX-License-Identifier: MIT
#include <QApplication>

#include "app/start_up.h"
#include "platform/qt_translations.h"

int main(int argc, char** argv)
{
    probel::useJapaneseLocale();
    QApplication app(argc, argv);
    return probel::runProbel(app, QApplication::arguments().mid(1));
}
