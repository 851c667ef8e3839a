// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QWidget>

#include <functional>
#include <memory>

#include "core/sheet/paper_size.h"
#include "platform/canvas/qpainter_canvas.h"

namespace probel {

// The paper of a sheet window (MainPic): a white widget of the paper's size in pixels whose
// graphs are drawn into a picture of its own, kept at the screen's pixel ratio so that lines
// and text stay crisp on high-density screens. The widget shows the picture; drawing on the
// canvas changes the picture and asks for a repaint. The page itself is drawn when the paper
// is next shown (or its picture read) after outdate(): several changes in a row draw once, and
// an edit returns before the drawing of a large sheet. Mouse presses are passed on as signals:
// the sheet window decides what they do.
class SheetPaper : public QWidget {
    Q_OBJECT

public:
    explicit SheetPaper(QWidget* parent = nullptr);
    ~SheetPaper() override;

    // Sizes the paper and replaces the picture by a white one at the current pixel ratio.
    // The canvas is a new one: graphs bound to the old canvas must be unbound first.
    void setPaperSize(QSize pixels);
    QSize paperSize() const { return size_; }

    Canvas& canvas() { return *canvas_; }
    // What draws the page onto the canvas when the picture is out of date.
    void setPageDrawing(std::function<void(Canvas&)> drawing) { pageDrawing_ = std::move(drawing); }
    // The page has changed: it is drawn again before it is next shown.
    void outdate();
    // The picture, drawn first if it is out of date.
    const QImage& picture();
    // False once the window has moved to a screen of another pixel ratio.
    bool pictureMatchesScreen() const;

signals:
    // Positions are paper pixels.
    void leftPressed(QPointF position);
    void leftDragged(QPointF position);
    void leftReleased();
    void rightPressed(QPointF position, QPoint globalPosition);
    // The picture no longer matches the screen; the owner redraws it at the new ratio.
    void pictureOutdated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void makePicture();
    void drawIfOutdated();

    QSize size_;
    // Declared before the canvas: the canvas paints on it and must go first.
    QImage picture_;
    std::unique_ptr<QPainterCanvas> canvas_;
    bool outdatedReported_ = false;
    std::function<void(Canvas&)> pageDrawing_;
    bool pageOutdated_ = false;
};

}  // namespace probel
