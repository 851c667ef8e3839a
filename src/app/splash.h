// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

#include <array>

class QLabel;

namespace probel {

// The busy picture: a frameless tool window shown modeless over the main window while
// graphs are redrawn or files written. It holds two pictures of its own (PicImage elements
// 0 and 1, drawn in code: probability paper with an hourglass); each time it is shown one of
// them is picked at random and fills the window.
class Splash : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPictureCount = 2;
    static constexpr int kWidth = 360;
    static constexpr int kHeight = 220;

    explicit Splash(QWidget* parent = nullptr);

    // Picks a picture at random, centres the window over `over` (or the screen), shows it
    // without blocking and brings it to the front.
    void showOver(QWidget* over);
    // Shows picture element `index` (0 or 1) filling the window; other values are ignored.
    void pickPicture(int index);
    // The element shown last.
    int pickedPicture() const { return picked_; }
    QLabel* picImage(int index) const;

    // One of the two pictures at the given size (for the window and for tests).
    static QImage drawPicture(int index, QSize size);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QLabel*, kPictureCount> picImage_{};
    int picked_ = 0;
};

}  // namespace probel
