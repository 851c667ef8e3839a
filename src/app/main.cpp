// SPDX-License-Identifier: MIT
#include <QApplication>

#include "app/start_up.h"
#include "core/util/file_size_signal.h"
#include "platform/desktop/qt_translations.h"

int main(int argc, char** argv)
{
    probel::failWritesPastTheFileSizeLimit();
    probel::useJapaneseLocale();
    QApplication app(argc, argv);
    return probel::runProbel(app, QApplication::arguments().mid(1));
}
