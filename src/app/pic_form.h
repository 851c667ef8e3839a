// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QUndoCommand>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "app/bounded_undo.h"
#include "app/sheet_commands.h"
#include "core/sheet/chart_sheet.h"

class QScrollBar;
class QUndoStack;

namespace probel {

class GraphFrameObject;
class SheetDrag;
class SheetLabelObject;
class SheetPaper;

// A chart sheet window: one open document inside the main window. It owns its ChartSheet and
// shows it on the paper MainPic, with the graph frames (SekFrame) and labels (ComLabel,
// SLabel) as objects lying on the paper, and scrolls the paper with TateS and YokoS (positions
// in twips, the corner SPic between them) or by dragging the paper with the left button.
//
// The caption is FName. Closing asks the close guard first (the main window's save question);
// a guard that answers false keeps the window open. Right presses on the paper, a frame or a
// text label (and the keyboard's menu key or Shift+F10 over them) are reported as signals: the main window
// pops up its context menus for them.
//
// Editing. Graph frames and labels are moved (frames also resized) with the left button
// (SheetDrag). While an object is held only its widget moves; on release it is pushed back
// onto the paper and the change goes onto the sheet's undo stack as one command. Every change
// of the content is such a command (edit()), and only commands get the sheet to write to;
// whenever the stack moves (a new command, undo, redo) the sheet is redrawn under the busy
// window. The window has one stack for its whole life. The sheet counts as modified (MoveFlag, the "[*]" of the
// caption) exactly while the stack stands elsewhere than where it was last saved or read.
class PicForm : public QWidget {
    Q_OBJECT

public:
    using CloseGuard = std::function<bool(PicForm&)>;

    // Shows `sheet` (a new empty one, or one just read from its file): caption FName, paper
    // of MyFormType (A4 upright for a code that names no paper), everything drawn, MoveFlag
    // false.
    explicit PicForm(std::unique_ptr<ChartSheet> sheet, QWidget* parent = nullptr);
    ~PicForm() override;

    const ChartSheet& sheet() const { return *sheet_; }
    const std::string& fName() const { return sheet_->fName; }
    // Changes FName and the caption together: a save under a new name keeps the undo history.
    void setFName(std::string name);
    std::int32_t myFormType() const { return sheet_->myFormType; }
    // Changes since the sheet was last saved or read.
    bool moveFlag() const;
    // The content as it stands now is what its file holds.
    void markSaved();

    SheetPaper* mainPic() const { return mainPic_; }
    QScrollBar* tateS() const { return tateS_; }
    QScrollBar* yokoS() const { return yokoS_; }
    QWidget* sPic() const { return sPic_; }
    // The objects on the paper; nullptr when there is none of that number.
    GraphFrameObject* sekFrame(std::int32_t number) const;
    SheetLabelObject* comLabel(std::int32_t index) const;
    SheetLabelObject* sLabel(std::int64_t index) const;

    // The full redraw: graphs, label frames, and the objects placed again from the sheet.
    void objRefresh();

    // The sheet's undo stack; edit() pushes a change of the content onto it (and so applies it).
    // It keeps at most BoundedUndo's steps and memory, dropping the oldest steps first.
    QUndoStack* undoStack() const { return undoStack_; }
    const BoundedUndo& boundedUndo() const { return *boundedUndo_; }
    // Makes the command Command(sheet, arguments...) on this window's sheet and pushes it.
    template <class Command, class... Arguments>
    void edit(Arguments&&... arguments)
    {
        push(std::make_unique<Command>(*sheet_, std::forward<Arguments>(arguments)...));
    }
    // The top-left of the part of the paper in view, in canvas pixels.
    QPointF visibleTopLeft() const;
    // Where the paper was last right-clicked (or its menu opened from the keyboard), canvas pixels.
    // The graph the copy and paste keys and the keyboard's menu act on; a click on the paper
    // or Esc clears it.
    void selectGraph(std::int32_t number) { selectedGraph_ = number; }
    QPointF paperClickPoint() const { return paperClickPoint_; }
    // The size a label's text takes on the paper, measured as the paper draws it.
    LabelExtent measuredLabel(const ChartLabel& label) const;
    // The paper shown, in canvas pixels.
    QSize paperPixels() const;

    // The number a new graph takes: the smallest from 1 that no graph of the sheet has and no
    // cancelled add took while the window is open.
    std::int32_t newGraphNumber() const;
    void keepGraphNumberTaken(std::int32_t number) { cancelledGraphNumbers_.insert(number); }

    void setCloseGuard(CloseGuard guard) { closeGuard_ = std::move(guard); }
    // The next close does not ask: the question has been answered already (shut-down asks
    // every sheet before any window closes).
    void skipNextCloseQuestion() { closeQuestionAnswered_ = true; }

    // Brings the window to the front of the main window's sheets.
    void bringToFront();
    // The copy and paste keys: "グラフをコピー" or "表から貼り付け" on the selected graph (the last
    // one clicked, until a click on the paper); false when none is selected.
    bool copySelectedGraph();
    bool pasteIntoSelectedGraph();

signals:
    // The window has accepted to close; it is gone once control returns to the event loop.
    void closed(PicForm* form);
    void paperMenuRequested(PicForm* form, QPoint globalPosition);
    void frameMenuRequested(PicForm* form, std::int32_t number, QPoint globalPosition);
    void labelMenuRequested(PicForm* form, std::int32_t index, QPoint globalPosition);
    // What the pointer points at on a graph (its value and percentage, or a marker), for the
    // status bar; empty when it leaves the graph.
    void readOffChanged(const QString& text);
    // Local files dropped on graph `number`.
    void filesDroppedOnGraph(PicForm* form, std::int32_t number, const QStringList& paths);
    // The copy or paste key while a graph is selected (the last one clicked, until a click on
    // the paper).
    void graphCopyRequested(PicForm* form, std::int32_t number);
    void graphPasteRequested(PicForm* form, std::int32_t number);

protected:
    // Tooltips of graph frames and detail labels: the figures of the graph's series.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The wheel and the keys scroll the paper through the scroll bars, with their steps.
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The read-off at `position` (pixels of frame `number`'s own widget) goes to the status bar.
    void showReadOff(std::int32_t number, QPointF position);
    // Takes an object off the paper whose model object is gone.
    static void retire(QWidget* object);
    void layoutScrollBars();
    void placeObjects();
    void placeFrames();
    void placeLabels();
    void rebuildPicture();
    void paperRightPressed(QPointF position, QPoint globalPosition);
    // The menu key and Shift+F10: the menu of the object under the pointer, if on the paper.
    void openMenuUnderPointer();
    void push(std::unique_ptr<SheetChange> change);
    SheetLabelObject* labelObject(LabelArray array, std::int64_t index) const;
    void stackFrameUnderLabels(GraphFrameObject& frame);

    std::unique_ptr<ChartSheet> sheet_;
    SheetPaper* mainPic_ = nullptr;
    QScrollBar* tateS_ = nullptr;
    QScrollBar* yokoS_ = nullptr;
    QWidget* sPic_ = nullptr;
    std::map<std::int32_t, GraphFrameObject*> sekFrame_;
    std::map<std::int32_t, SheetLabelObject*> comLabel_;
    std::map<std::int64_t, SheetLabelObject*> sLabel_;
    QPointF paperClickPoint_;
    // The graph the copy and paste keys act on.
    std::optional<std::int32_t> selectedGraph_;
    std::set<std::int32_t> cancelledGraphNumbers_;
    QUndoStack* undoStack_ = nullptr;
    std::unique_ptr<BoundedUndo> boundedUndo_;
    // The paper, frame and label held with the left button, from press to release.
    std::unique_ptr<SheetDrag> drag_;
    CloseGuard closeGuard_;
    bool closeQuestionAnswered_ = false;
};

}  // namespace probel
