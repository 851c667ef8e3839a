// SPDX-License-Identifier: MIT
#include "app/pic_form.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QUndoStack>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <utility>

#include "app/graph_figures.h"
#include "app/on_demand_description.h"
#include "app/sheet_drag.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app/sheet_scrolling.h"
#include "core/sheet/paper_size.h"
#include "core/sheet/sheet_refresh.h"

namespace probel {
namespace {

// The window background around the paper, so the white page stands out.
constexpr QRgb kBackgroundColor = 0xa0a0a4;

PaperSize shownPaper(const ChartSheet& sheet)
{
    // A code that names no paper (0, or garbage from a document) still needs a page to draw on.
    return sheet.paperSize().value_or(*paperSizeFromCode(kDefaultPaperCode));
}

QSize wholePixels(const LabelExtent& extent)
{
    const auto side = [](double value) {
        return std::isfinite(value) ? std::clamp(static_cast<int>(std::ceil(value)), 1, QWIDGETSIZE_MAX) : 1;
    };
    return {side(extent.width), side(extent.height)};
}

}  // namespace

PicForm::PicForm(std::unique_ptr<ChartSheet> sheet, QWidget* parent) : QWidget(parent), sheet_(std::move(sheet))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(kBackgroundColor));
    setPalette(background);

    mainPic_ = new SheetPaper(this);
    mainPic_->setObjectName(QStringLiteral("MainPic"));
    mainPic_->setPageDrawing([this](Canvas& canvas) { drawScreenPage(*sheet_, canvas); });
    tateS_ = new QScrollBar(Qt::Vertical, this);
    tateS_->setObjectName(QStringLiteral("TateS"));
    tateS_->setSingleStep(kTateSmallStep);
    tateS_->setPageStep(kTateLargeStep);
    tateS_->setRange(0, 0);
    yokoS_ = new QScrollBar(Qt::Horizontal, this);
    yokoS_->setObjectName(QStringLiteral("YokoS"));
    yokoS_->setSingleStep(kYokoSmallStep);
    yokoS_->setPageStep(kYokoLargeStep);
    yokoS_->setRange(0, 0);
    sPic_ = new QWidget(this);
    sPic_->setObjectName(QStringLiteral("SPic"));
    sPic_->setAutoFillBackground(true);
    sPic_->setBackgroundRole(QPalette::Button);
    sPic_->resize(tateS_->sizeHint().width(), yokoS_->sizeHint().height());

    connect(tateS_, &QScrollBar::valueChanged, this,
            [this](int position) { mainPic_->move(mainPic_->x(), paperOffsetPixels(position, kTwipsPerPixel)); });
    connect(yokoS_, &QScrollBar::valueChanged, this,
            [this](int position) { mainPic_->move(paperOffsetPixels(position, kTwipsPerPixel), mainPic_->y()); });
    drag_ = std::make_unique<SheetDrag>(SheetDrag::Window{
        *mainPic_,
        *yokoS_,
        *tateS_,
        [this](std::int32_t number) { return sekFrame(number); },
        [this](LabelArray array, std::int64_t index) { return labelObject(array, index); },
        [this](std::int32_t number, const GraphFrame& before, const GraphFrame& after) {
            edit<MoveGraphFrame>(number, before, after);
        },
        [this](LabelArray array, std::int64_t index, LabelPlace before, LabelPlace after) {
            edit<MoveLabel>(array, index, before, after);
        },
        [this] { objRefresh(); },
    });
    connect(mainPic_, &SheetPaper::leftPressed, this, [this](QPointF position) {
        selectedGraph_.reset();
        bringToFront();
        // The keys (the menu key, Shift+F10, the arrows) act on the sheet clicked.
        setFocus(Qt::MouseFocusReason);
        drag_->pressPaper(position);
    });
    connect(mainPic_, &SheetPaper::leftDragged, this, [this](QPointF position) { drag_->dragPaper(position); });
    connect(mainPic_, &SheetPaper::leftReleased, this, [this] { drag_->releasePaper(); });
    connect(mainPic_, &SheetPaper::rightPressed, this, &PicForm::paperRightPressed);
    connect(mainPic_, &SheetPaper::pictureOutdated, this, &PicForm::rebuildPicture);

    undoStack_ = new QUndoStack(this);
    boundedUndo_ = std::make_unique<BoundedUndo>(*undoStack_, [this](KeptValues& kept) {
        for (const NormoBp& graph : sheet_->myNormo()) {
            if (graph.dataIfAny() != nullptr) {
                for (const NormoData& series : *graph.dataIfAny()) {
                    keepValuesOf(series, kept);
                }
            }
        }
    });
    connect(undoStack_, &QUndoStack::indexChanged, this, &PicForm::objRefresh);
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    setFocusPolicy(Qt::StrongFocus);

    setFName(sheet_->fName);
    const PaperSize paper = shownPaper(*sheet_);
    mainPic_->move(0, 0);
    mainPic_->setPaperSize(QSize(paper.widthPixels, paper.heightPixels));
    tateS_->raise();
    yokoS_->raise();
    sPic_->raise();
    objRefresh();
}

// Nothing may redraw a window that is going: the undo stack reports its clearing as a move,
// and the paper may report a new size while it is taken down. The stack goes first, while the
// sheet its commands refer to is still there; the sheet then goes before the child widgets,
// so no graph outlives the paper's canvas it is bound to.
PicForm::~PicForm()
{
    disconnect(undoStack_, nullptr, this, nullptr);
    disconnect(mainPic_, nullptr, this, nullptr);
    delete undoStack_;
}

void PicForm::setFName(std::string name)
{
    sheet_->fName = std::move(name);
    // "[*]" is where the window system shows the modified mark.
    setWindowTitle(QString::fromStdString(sheet_->fName) + QStringLiteral("[*]"));
}

bool PicForm::moveFlag() const
{
    return !undoStack_->isClean();
}

void PicForm::markSaved()
{
    undoStack_->setClean();
}

std::int32_t PicForm::newGraphNumber() const
{
    std::int32_t number = 1;
    while (sheet_->frameLoaded(number) || cancelledGraphNumbers_.count(number) != 0) {
        ++number;
    }
    return number;
}

GraphFrameObject* PicForm::sekFrame(std::int32_t number) const
{
    const auto found = sekFrame_.find(number);
    return found != sekFrame_.end() ? found->second : nullptr;
}

SheetLabelObject* PicForm::comLabel(std::int32_t index) const
{
    const auto found = comLabel_.find(index);
    return found != comLabel_.end() ? found->second : nullptr;
}

SheetLabelObject* PicForm::sLabel(std::int64_t index) const
{
    const auto found = sLabel_.find(index);
    return found != sLabel_.end() ? found->second : nullptr;
}

void PicForm::objRefresh()
{
    refreshSheet(*sheet_, mainPic_->canvas());
    placeObjects();
    mainPic_->outdate();
}

void PicForm::push(std::unique_ptr<SheetChange> change)
{
    boundedUndo_->push(std::move(change));
}

QPointF PicForm::visibleTopLeft() const
{
    return {yokoS_->value() / kTwipsPerPixel, tateS_->value() / kTwipsPerPixel};
}

void PicForm::rebuildPicture()
{
    sheet_->bindGraphs(nullptr);
    mainPic_->setPaperSize(mainPic_->paperSize());
    objRefresh();
}

void PicForm::placeObjects()
{
    placeFrames();
    placeLabels();
}

void PicForm::placeFrames()
{
    std::set<std::int32_t> shown;
    for (std::int32_t position = 1; position <= sheet_->myNormo().count(); ++position) {
        const auto number = sheet_->graphNumberAt(position);
        if (!number || !sheet_->frameVisible(*number)) {
            continue;
        }
        const NormoBp& graph = sheet_->myNormo().item(position);
        GraphFrameObject*& frame = sekFrame_[*number];
        if (frame == nullptr) {
            frame = new GraphFrameObject(*number, mainPic_);
            const std::int32_t n = *number;
            // A click on a frame selects its graph for the copy and paste keys.
            connect(frame, &GraphFrameObject::pressed, this, [this, n] {
                selectedGraph_ = n;
                bringToFront();
                // The keys come to the sheet window, which the frame passes the click on to.
                setFocus(Qt::MouseFocusReason);
            });
            connect(frame, &GraphFrameObject::leftPressed, this,
                    [this](std::int32_t at, QPointF position) { drag_->holdFrame(at, position); });
            connect(frame, &GraphFrameObject::leftDragged, this,
                    [this](std::int32_t at, QPointF position) { drag_->dragFrame(at, position); });
            connect(frame, &GraphFrameObject::leftReleased, this, [this](std::int32_t at) { drag_->releaseFrame(at); });
            connect(frame, &GraphFrameObject::contextMenuRequested, this,
                    [this, n](std::int32_t, QPoint global) { emit frameMenuRequested(this, n, global); });
            connect(frame, &GraphFrameObject::hovered, this, &PicForm::showReadOff);
            connect(frame, &GraphFrameObject::unhovered, this, [this] { emit readOffChanged({}); });
            connect(frame, &GraphFrameObject::filesDropped, this,
                    [this](std::int32_t at, const QStringList& paths) { emit filesDroppedOnGraph(this, at, paths); });
            frame->installEventFilter(this);
            // Screen readers get the figures the tooltip shows.
            describeOnDemand(*frame, [this, n] { return seriesFigures(*sheet_, n); });
            // A new frame lies above the other frames and below every label.
            stackFrameUnderLabels(*frame);
        }
        frame->setGeometry(graph.frameLeft(), graph.frameTop(), graph.frameWidth(), graph.frameHeight());
        frame->show();
        announceDescriptionChange(*frame);
        shown.insert(*number);
    }
    for (auto it = sekFrame_.begin(); it != sekFrame_.end();) {
        if (shown.count(it->first) == 0) {
            retire(it->second);
            it = sekFrame_.erase(it);
        } else {
            ++it;
        }
    }
}

void PicForm::retire(QWidget* object)
{
    // The object may be the one whose press handler runs the action that removed it (its own
    // context menu): it goes once that handler and the window system are done with it.
    object->hide();
    object->deleteLater();
}

void PicForm::showReadOff(std::int32_t number, QPointF position)
{
    const GraphFrameObject* frame = sekFrame(number);
    if (frame != nullptr) {
        emit readOffChanged(readOffAt(*sheet_, number, position + QPointF(frame->pos())));
    }
}

bool PicForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip) {
        return QWidget::eventFilter(watched, event);
    }
    std::optional<std::int32_t> number;
    if (const auto* frame = qobject_cast<GraphFrameObject*>(watched)) {
        number = frame->number();
    } else if (const auto* label = qobject_cast<SheetLabelObject*>(watched)) {
        number = graphOfDetailLabel(*sheet_, label->index());
    }
    const QString figures = number ? seriesFigures(*sheet_, *number) : QString();
    auto* help = static_cast<QHelpEvent*>(event);
    if (figures.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), figures, qobject_cast<QWidget*>(watched));
    }
    return true;
}

void PicForm::stackFrameUnderLabels(GraphFrameObject& frame)
{
    frame.raise();
    for (QObject* child : mainPic_->children()) {
        if (auto* label = qobject_cast<SheetLabelObject*>(child)) {
            frame.stackUnder(label);
            return;
        }
    }
}

void PicForm::placeLabels()
{
    // Labels lie above the frames, so a label over a graph stays reachable. A new label comes
    // on top; the others keep their order.
    const auto place = [this](auto& widgets, const auto& labels, SheetLabelObject::Kind kind) {
        for (auto it = widgets.begin(); it != widgets.end();) {
            if (labels.count(it->first) == 0) {
                retire(it->second);
                it = widgets.erase(it);
            } else {
                ++it;
            }
        }
        const LabelArray array = kind == SheetLabelObject::Kind::Text ? LabelArray::Text : LabelArray::Detail;
        for (const auto& [index, label] : labels) {
            SheetLabelObject*& object = widgets[index];
            if (object == nullptr) {
                object = new SheetLabelObject(kind, index, mainPic_);
                connect(object, &SheetLabelObject::pressed, this, &PicForm::bringToFront);
                connect(object, &SheetLabelObject::leftPressed, this,
                        [this, array](std::int64_t at, QPointF position) { drag_->holdLabel(array, at, position); });
                connect(object, &SheetLabelObject::leftDragged, this,
                        [this, array](std::int64_t at, QPointF position) { drag_->dragLabel(array, at, position); });
                connect(object, &SheetLabelObject::leftReleased, this,
                        [this, array](std::int64_t at) { drag_->releaseLabel(array, at); });
                if (kind == SheetLabelObject::Kind::Detail) {
                    object->installEventFilter(this);
                    describeOnDemand(*object, [this, at = index] {
                        const auto number = graphOfDetailLabel(*sheet_, at);
                        return number ? seriesFigures(*sheet_, *number) : QString();
                    });
                }
                if (kind == SheetLabelObject::Kind::Text) {
                    const auto number = static_cast<std::int32_t>(index);
                    connect(
                        object, &SheetLabelObject::contextMenuRequested, this,
                        [this, number](std::int64_t, QPoint global) { emit labelMenuRequested(this, number, global); });
                }
                object->raise();
            }
            object->place(label, wholePixels(labelExtent(label, mainPic_->canvas())));
            if (kind == SheetLabelObject::Kind::Detail) {
                announceDescriptionChange(*object);
            }
        }
    };
    place(sLabel_, sheet_->sLabels(), SheetLabelObject::Kind::Detail);
    place(comLabel_, sheet_->comLabels(), SheetLabelObject::Kind::Text);
}

LabelExtent PicForm::measuredLabel(const ChartLabel& label) const
{
    return labelExtent(label, mainPic_->canvas());
}

QSize PicForm::paperPixels() const
{
    return mainPic_->paperSize();
}

SheetLabelObject* PicForm::labelObject(LabelArray array, std::int64_t index) const
{
    return array == LabelArray::Text ? comLabel(static_cast<std::int32_t>(index)) : sLabel(index);
}

void PicForm::wheelEvent(QWheelEvent* event)
{
    // Shift turns the wheel sideways, as Linux programs do; a horizontal wheel goes sideways too.
    const bool sideways = (event->modifiers() & Qt::ShiftModifier) ||
                          std::abs(event->angleDelta().x()) > std::abs(event->angleDelta().y());
    QScrollBar* bar = sideways ? yokoS_ : tateS_;
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    // One notch (120) is three steps of the bar, as Qt scrolls elsewhere.
    constexpr int kNotch = 120;
    constexpr int kStepsPerNotch = 3;
    const int steps = -delta * kStepsPerNotch / kNotch;
    bar->setValue(bar->value() + steps * bar->singleStep());
    event->accept();
}

bool PicForm::copySelectedGraph()
{
    if (!selectedGraph_ || sheet_->graph(*selectedGraph_) == nullptr) {
        return false;
    }
    emit graphCopyRequested(this, *selectedGraph_);
    return true;
}

bool PicForm::pasteIntoSelectedGraph()
{
    if (!selectedGraph_ || sheet_->graph(*selectedGraph_) == nullptr) {
        return false;
    }
    emit graphPasteRequested(this, *selectedGraph_);
    return true;
}

void PicForm::keyPressEvent(QKeyEvent* event)
{
    // The main window's shortcuts take the keys first; this is for a sheet shown on its own.
    if ((event->matches(QKeySequence::Copy) && copySelectedGraph()) ||
        (event->matches(QKeySequence::Paste) && pasteIntoSelectedGraph())) {
        event->accept();
        return;
    }
    // Shift+F10 is the menu key of keyboards without one.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        openMenuUnderPointer();
        event->accept();
        return;
    }
    const auto act = [](QScrollBar* bar, QAbstractSlider::SliderAction action) { bar->triggerAction(action); };
    switch (event->key()) {
    case Qt::Key_PageUp:
        act(tateS_, QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        act(tateS_, QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Up:
        act(tateS_, QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        act(tateS_, QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
        act(yokoS_, QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        act(yokoS_, QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Home:
        act(tateS_, QAbstractSlider::SliderToMinimum);
        act(yokoS_, QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        act(tateS_, QAbstractSlider::SliderToMaximum);
        break;
    case Qt::Key_Escape:
        selectedGraph_.reset();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PicForm::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() != QContextMenuEvent::Keyboard) {
        QWidget::contextMenuEvent(event);
        return;
    }
    openMenuUnderPointer();
    event->accept();
}

void PicForm::openMenuUnderPointer()
{
    // The keyboard's menu opens the menu of whatever lies under the pointer. With the pointer
    // elsewhere (a user of the keyboard alone) it opens the selected graph's menu, or else the
    // paper's menu near the top-left of the paper in view.
    const QPoint global = QCursor::pos();
    const QPoint onPaper = mainPic_->mapFromGlobal(global);
    if (!mainPic_->rect().contains(onPaper)) {
        constexpr int kInset = 20;
        if (const NormoBp* graph = selectedGraph_ ? sheet_->graph(*selectedGraph_) : nullptr) {
            const QPoint corner(graph->frameLeft() + kInset, graph->frameTop() + kInset);
            emit frameMenuRequested(this, *selectedGraph_, mainPic_->mapToGlobal(corner));
            return;
        }
        const QPoint corner = visibleTopLeft().toPoint() + QPoint(kInset, kInset);
        paperRightPressed(corner, mainPic_->mapToGlobal(corner));
        return;
    }
    QWidget* under = mainPic_->childAt(onPaper);
    if (auto* frame = qobject_cast<GraphFrameObject*>(under)) {
        emit frameMenuRequested(this, frame->number(), global);
    } else if (auto* label = qobject_cast<SheetLabelObject*>(under)) {
        if (label->kind() == SheetLabelObject::Kind::Text) {
            emit labelMenuRequested(this, static_cast<std::int32_t>(label->index()), global);
        }
    } else {
        paperRightPressed(onPaper, global);
    }
}

void PicForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutScrollBars();
}

void PicForm::layoutScrollBars()
{
    if (const auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub != nullptr && sub->isMinimized()) {
        return;
    }
    const int width = this->width();
    const int height = this->height();
    const int tateWidth = tateS_->sizeHint().width();
    const int yokoHeight = yokoS_->sizeHint().height();

    yokoS_->setGeometry(0, height - yokoHeight, std::max(0, width - tateWidth), yokoHeight);
    if (height - yokoHeight > 0) {
        tateS_->setGeometry(width - tateWidth, 0, tateWidth, height - yokoHeight);
    }
    sPic_->move(width - sPic_->width(), height - sPic_->height());

    const PaperSize paper = shownPaper(*sheet_);
    // Lowering a maximum below the position moves the paper first (valueChanged), then the
    // position is set from where the paper is.
    const ScrollRange across =
        scrollRange(paper.widthTwips(), width * kTwipsPerPixel, tateWidth * kTwipsPerPixel, -yokoS_->value());
    yokoS_->setMaximum(across.maximum);
    yokoS_->setValue(across.position);
    const ScrollRange down =
        scrollRange(paper.heightTwips(), height * kTwipsPerPixel, yokoHeight * kTwipsPerPixel, -tateS_->value());
    tateS_->setMaximum(down.maximum);
    tateS_->setValue(down.position);
}

void PicForm::bringToFront()
{
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub == nullptr) {
        raise();
        return;
    }
    if (QMdiArea* area = sub->mdiArea(); area != nullptr && area->activeSubWindow() != sub) {
        area->setActiveSubWindow(sub);
    }
    sub->raise();
}

void PicForm::paperRightPressed(QPointF position, QPoint globalPosition)
{
    bringToFront();
    paperClickPoint_ = position;
    emit paperMenuRequested(this, globalPosition);
}

void PicForm::closeEvent(QCloseEvent* event)
{
    const bool answered = std::exchange(closeQuestionAnswered_, false);
    if (!answered && closeGuard_ && !closeGuard_(*this)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed(this);
}

}  // namespace probel
