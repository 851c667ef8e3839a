// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace probel {
namespace {

// The file types Qt's file dialog shows for what is not a file; Qt's Japanese catalogue has no
// entry for them.
class FileTypeTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        struct Text {
            const char* source;
            const char* japanese;
        };
        static constexpr Text kTexts[] = {{"Drive", "ドライブ"},
                                          {"File", "ファイル"},
                                          {"Folder", "フォルダ"},
                                          {"Shortcut", "ショートカット"},
                                          {"Unknown", "不明"}};
        if (std::strcmp(context, "QAbstractFileIconProvider") != 0) {
            return {};
        }
        for (const Text& text : kTexts) {
            if (std::strcmp(sourceText, text.source) == 0) {
                return QString::fromUtf8(text.japanese);
            }
        }
        return {};
    }
};

}  // namespace

void useJapaneseLocale()
{
    qputenv("LC_ALL", "ja_JP.UTF-8");
    qputenv("LANGUAGE", "ja");
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
}

bool installJapaneseTranslations(QApplication& app)
{
    // Owned by the application, which must keep a translator for as long as it is installed.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(new FileTypeTexts(&app));
}

}  // namespace probel
