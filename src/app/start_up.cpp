// SPDX-License-Identifier: MIT
#include "app/start_up.h"

#include <QApplication>
#include <QFont>
#include <QRegularExpression>
#include <QWidget>

#include <string>
#include <vector>

#include "app/app_services.h"
#include "app/environment_hooks.h"
#include "app/file_actions.h"
#include "app/mdi_output.h"
#include "app/program_icon.h"
#include "app/window_placement.h"
#include "dialogs/data_select.h"
#include "dialogs/qt_data_settings_editor.h"
#include "dialogs/qt_graph_settings_editor.h"
#include "dialogs/qt_label_text_editor.h"
#include "dialogs/qt_paper_size_chooser.h"
#include "platform/canvas/font_substitution.h"
#include "platform/desktop/file_type_registration.h"
#include "platform/desktop/instance_link.h"
#include "platform/desktop/qt_clipboard.h"
#include "platform/desktop/qt_color_dialog.h"
#include "platform/desktop/qt_file_dialogs.h"
#include "platform/desktop/qt_font_dialog.h"
#include "platform/desktop/qt_message_boxes.h"
#include "platform/desktop/qt_print_dialogs.h"
#include "platform/desktop/qt_settings_store.h"
#include "platform/desktop/qt_translations.h"

namespace probel {
namespace {

constexpr auto kApplicationName = "Probel";
constexpr auto kUiFontFamily = "IPAPGothic";
constexpr auto kActiveSection = "Active";
constexpr auto kWindowHandleKey = "hWnd";
constexpr auto kExtSection = "EXT";
constexpr auto kCheckKey = "Check";
constexpr auto kRegisteredValue = "True";
// How long a second start waits for the running instance to take its files.
constexpr int kHandOffTimeoutMs = 5000;

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    installJapaneseTranslations(app);
    installFontSubstitutions();
    QApplication::setWindowIcon(programIcon());
    QFont font = QApplication::font();
    font.setFamilies({QString::fromLatin1(kUiFontFamily)});
    QApplication::setFont(font);
}

std::vector<std::string> documentNames(const QStringList& arguments)
{
    std::vector<std::string> names;
    for (const QString& argument : arguments) {
        if (!argument.isEmpty()) {
            names.push_back(argument.toStdString());
        }
    }
    return names;
}

}  // namespace

void storeWindowHandle(QWidget& window, SettingsStore& settings)
{
    settings.saveSetting(kActiveSection, kWindowHandleKey,
                         std::to_string(static_cast<unsigned long long>(window.winId())));
}

bool documentTypeRegistered(const SettingsStore& settings)
{
    const QString value = QString::fromStdString(settings.getSetting(kExtSection, kCheckKey, "False")).trimmed();
    return value.compare(QLatin1String(kRegisteredValue), Qt::CaseInsensitive) == 0;
}

void ensureDocumentTypeRegistered(SettingsStore& settings, const std::function<bool()>& registerType)
{
    if (documentTypeRegistered(settings)) {
        return;
    }
    registerType();
    settings.saveSetting(kExtSection, kCheckKey, kRegisteredValue);
}

int runProbel(QApplication& app, const QStringList& arguments)
{
    setUpApplication(app);
    const QStringList files = arguments.filter(QRegularExpression(QStringLiteral(".")));
    if (!files.isEmpty() && InstanceLink::handOff(files, kHandOffTimeoutMs) == HandOffResult::Acknowledged) {
        return 0;
    }

    InstanceLink link;
    // Without a runtime folder there is no link at all; this start is then the first all the same.
    const bool firstInstance = link.listen() != ListenResult::OtherInstanceRunning;

    QtSettingsStore settings;
    QtMessageBoxes messages;
    QtFileDialogs fileDialogs;
    QtPaperSizeChooser paperSizes;
    QtFontDialog fontDialog;
    QtColorDialog colorDialog;
    QtLabelTextEditor labelEditor(fontDialog, colorDialog, messages);
    QtGraphSettingsEditor graphEditor(fontDialog, colorDialog, messages);
    QtClipboard clipboard;
    QtDataSettingsEditor dataEditor(fontDialog, colorDialog, messages, clipboard);
    QtSeriesChooser seriesChooser;
    QtPrintDialogs printDialogs;
    MDIOutput window(AppServices{messages, fileDialogs, paperSizes, settings, labelEditor, graphEditor, dataEditor,
                                 seriesChooser, clipboard, printDialogs});
    messages.setParentWidget(&window);
    fileDialogs.setParentWidget(&window);
    paperSizes.setParentWidget(&window);
    fontDialog.setParentWidget(&window);
    colorDialog.setParentWidget(&window);
    labelEditor.setParentWidget(&window);
    graphEditor.setParentWidget(&window);
    dataEditor.setParentWidget(&window);
    seriesChooser.setParentWidget(&window);
    printDialogs.setParentWidget(&window);
    installEnvironmentHooks(window);

    if (firstInstance) {
        storeWindowHandle(window, settings);
        restoreWindowPlacement(window, settings);
        const FileTypeRegistration registration(QCoreApplication::applicationFilePath());
        ensureDocumentTypeRegistered(settings, [&registration] { return registration.run(); });
        // A registration made before the icon was part of it: the launcher gets its icon now.
        registration.installIcon();
    }
    QObject::connect(&link, &InstanceLink::filesReceived, &window, &MDIOutput::receiveHandOff);
    window.show();
    window.fileActions().openDocuments(documentNames(files));
    window.updateFileMenu();
    startUpFinished(window);
    return app.exec();
}

}  // namespace probel
