// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/app_services.h"
#include "app/mdi_output.h"
#include "dialogs/data_settings_editor.h"
#include "dialogs/graph_settings_editor.h"
#include "dialogs/label_text_editor.h"
#include "dialogs/paper_size_chooser.h"
#include "dialogs/series_chooser.h"
#include "platform/desktop/qt_clipboard.h"
#include "support/desktop/in_memory_settings_store.h"
#include "support/desktop/scripted_file_dialogs.h"
#include "support/desktop/scripted_message_boxes.h"
#include "support/desktop/scripted_print_dialogs.h"

class QAction;
class QWidget;

namespace probel {
class ChartSheet;
class PicForm;
}  // namespace probel

namespace probel::test {

// Answers the paper size dialog from a script; with no answer left it fails the test and
// answers the default, as a dialog closed without OK does.
class ScriptedPaperSizes : public PaperSizeChooser {
public:
    void answer(std::int32_t code) { answers_.push_back(code); }
    std::int32_t choosePaperCode() override;
    int asked() const { return asked_; }

private:
    std::deque<std::int32_t> answers_;
    int asked_ = 0;
};

// Answers the text label dialog from a script (nothing = cancelled) and records what each
// showing was preset with; with no answer left it fails the test and cancels.
class ScriptedLabelEditor : public LabelTextEditor {
public:
    void answer(std::optional<LabelSettings> settings) { answers_.push_back(std::move(settings)); }
    std::optional<LabelSettings> editLabel(const LabelSettings& initial) override;
    const std::vector<LabelSettings>& presets() const { return presets_; }
    std::size_t unusedAnswers() const { return answers_.size(); }

private:
    std::deque<std::optional<LabelSettings>> answers_;
    std::vector<LabelSettings> presets_;
};

// Answers the graph settings dialog from a script: each answer turns what the dialog was
// opened with into its outcome. With no answer left it fails the test and cancels.
class ScriptedGraphEditor : public GraphSettingsEditor {
public:
    using Answer = std::function<GraphDialogOutcome(const GraphDialogInput&)>;
    void answer(Answer answer) { answers_.push_back(std::move(answer)); }
    // OK with every value as the dialog showed it, after `change` has edited them.
    void confirm(std::function<void(GraphDialogValues&)> change = {});
    void cancel(std::optional<CanvasFont> font = std::nullopt);
    GraphDialogOutcome editGraph(const GraphDialogInput& input) override;
    const std::vector<GraphDialogInput>& inputs() const { return inputs_; }
    std::size_t unusedAnswers() const { return answers_.size(); }

private:
    std::deque<Answer> answers_;
    std::vector<GraphDialogInput> inputs_;
};

// Answers the data dialog from a script: each answer turns what the dialog was opened with
// into what OK gives (nothing: キャンセル).
class ScriptedDataEditor : public DataSettingsEditor {
public:
    using Answer = std::function<std::optional<DataDialogValues>(const DataDialogInput&)>;
    void answer(Answer answer) { answers_.push_back(std::move(answer)); }
    std::optional<DataDialogValues> editData(const DataDialogInput& input) override;
    const std::vector<DataDialogInput>& inputs() const { return inputs_; }
    std::size_t unusedAnswers() const { return answers_.size(); }

private:
    std::deque<Answer> answers_;
    std::vector<DataDialogInput> inputs_;
};

// Answers the series chooser from a script and records what each showing listed.
class ScriptedSeriesChooser : public SeriesChooser {
public:
    void answer(std::optional<std::int32_t> chosen) { answers_.push_back(chosen); }
    std::optional<std::int32_t> chooseSeries(const std::string& title,
                                             const std::vector<std::string>& comments) override;
    const std::vector<std::pair<std::string, std::vector<std::string>>>& shown() const { return shown_; }
    std::size_t unusedAnswers() const { return answers_.size(); }

private:
    std::deque<std::optional<std::int32_t>> answers_;
    std::vector<std::pair<std::string, std::vector<std::string>>> shown_;
};

// Gives the sheet the content `arrange` leaves in it, as if it had been read so: no step of
// the undo history, the sheet unmodified.
void arrangeSheet(PicForm& form, const std::function<void(ChartSheet&)>& arrange);
// One undoable change of the content (a text label added), so the sheet is modified.
void changeContent(PicForm& form);

// The values a settings dialog shows for `input` and returns on OK unchanged.
GraphDialogValues shownValues(const GraphDialogInput& input);

// What a sheet document written for a test holds.
struct TestDocument {
    std::int32_t paperCode = 210297;
    int graphs = 1;
    std::string labelCaption = "ロットA";
};

// A shown main window on scripted services, and a private folder for documents. Every
// scripted answer must be used by the end of a test.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a document with the sheet writer; returns its path.
    std::string writeDocument(const std::string& name, const TestDocument& content = {});
    std::string pathIn(const std::string& name) const;
    // The File menu entry of that name, with the menu's enabled states freshly set.
    QAction* fileEntry(const char* name);
    // Runs deferred deletions, so closed windows are really gone.
    static void settle();
    // A press of the right button at `at` in the widget's own pixels, as the mouse gives it.
    static void rightPress(QWidget* target, QPoint at = QPoint(5, 5));

    ScriptedMessageBoxes messages_;
    ScriptedFileDialogs fileDialogs_;
    ScriptedPaperSizes paperSizes_;
    InMemorySettingsStore settings_;
    ScriptedLabelEditor labelEditor_;
    ScriptedGraphEditor graphEditor_;
    ScriptedDataEditor dataEditor_;
    ScriptedSeriesChooser seriesChooser_;
    // The program's own clipboard: offscreen, Qt keeps it within the process.
    QtClipboard clipboard_;
    // No printer unless a test installs one.
    ScriptedPrintDialogs printDialogs_;
    // The context menus shown (object name, then each entry's text, "-" for a separator) and
    // the entry to choose in the next one by its object name (empty: close it unchosen).
    std::vector<std::vector<std::string>> shownMenus_;
    std::string nextMenuChoice_;
    QTemporaryDir folder_;
    std::unique_ptr<MDIOutput> window_;
};

}  // namespace probel::test
