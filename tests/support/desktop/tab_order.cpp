// SPDX-License-Identifier: MIT
#include "support/desktop/tab_order.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace probel::test {
namespace {

// One branch on the way from the window down to a control: the item taken in a layout, or a
// child widget placed by hand. The area is in the window's pixels.
struct Branch {
    const void* container = nullptr;
    const void* item = nullptr;
    QRect area;
    int row = -1;
    int column = -1;
};

// Where a form layout's item stands, as a grid cell.
bool formCell(const QFormLayout& form, int index, int& row, int& column)
{
    QFormLayout::ItemRole role = QFormLayout::LabelRole;
    form.getItemPosition(index, &row, &role);
    column = role == QFormLayout::FieldRole ? 1 : 0;
    return row >= 0;
}

// Appends the branches from `layout` down to `child`; false (and nothing appended) when the
// layout does not hold it.
bool findInLayout(QWidget& top, QWidget& owner, QLayout& layout, QWidget* child, std::vector<Branch>& path)
{
    for (int index = 0; index < layout.count(); ++index) {
        QLayoutItem* item = layout.itemAt(index);
        if (item == nullptr || (item->widget() != child && item->layout() == nullptr)) {
            continue;
        }
        Branch branch{&layout, item, QRect(owner.mapTo(&top, item->geometry().topLeft()), item->geometry().size())};
        if (const auto* grid = qobject_cast<const QGridLayout*>(&layout)) {
            int rowSpan = 0;
            int columnSpan = 0;
            grid->getItemPosition(index, &branch.row, &branch.column, &rowSpan, &columnSpan);
        } else if (const auto* form = qobject_cast<const QFormLayout*>(&layout)) {
            formCell(*form, index, branch.row, branch.column);
        }
        path.push_back(branch);
        if (item->widget() == child || findInLayout(top, owner, *item->layout(), child, path)) {
            return true;
        }
        path.pop_back();
    }
    return false;
}

// The branches from `top` down to `control`.
std::vector<Branch> placeOf(QWidget& top, QWidget* control)
{
    std::vector<std::vector<Branch>> levels;
    for (QWidget* child = control; child != &top && child->parentWidget() != nullptr; child = child->parentWidget()) {
        QWidget* parent = child->parentWidget();
        std::vector<Branch> level;
        if (parent->layout() == nullptr || !findInLayout(top, *parent, *parent->layout(), child, level)) {
            level.push_back(Branch{parent, child, QRect(parent->mapTo(&top, child->pos()), child->size())});
        }
        levels.push_back(std::move(level));
    }
    std::vector<Branch> path;
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        path.insert(path.end(), level->begin(), level->end());
    }
    return path;
}

// Lower comes later; side by side (the two overlap in height), further right comes later.
bool placedBefore(const QRect& a, const QRect& b)
{
    const bool sameRow = a.top() <= b.bottom() && b.top() <= a.bottom();
    if (sameRow && a.left() != b.left()) {
        return a.left() < b.left();
    }
    return a.top() < b.top();
}

std::vector<std::string> names(const std::vector<QWidget*>& controls)
{
    std::vector<std::string> named;
    for (const QWidget* control : controls) {
        named.push_back(controlName(control));
    }
    return named;
}

}  // namespace

bool readBefore(QWidget& top, QWidget* a, QWidget* b)
{
    const std::vector<Branch> first = placeOf(top, a);
    const std::vector<Branch> second = placeOf(top, b);
    std::size_t k = 0;
    while (k < first.size() && k < second.size() && first[k].container == second[k].container &&
           first[k].item == second[k].item) {
        ++k;
    }
    if (k == first.size() || k == second.size()) {
        // One holds the other: the outer one comes first.
        return first.size() < second.size();
    }
    const Branch& x = first[k];
    const Branch& y = second[k];
    if (x.container == y.container && x.row >= 0 && y.row >= 0 && (x.row != y.row || x.column != y.column)) {
        return x.row != y.row ? x.row < y.row : x.column < y.column;
    }
    return placedBefore(x.area, y.area);
}

std::string controlName(const QWidget* control)
{
    QString name = control->objectName();
    if (name.isEmpty()) {
        name = control->accessibleName();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control); name.isEmpty() && button != nullptr) {
        name = button->text();
    }
    if (name.isEmpty() && control->parentWidget() != nullptr) {
        name = QString::fromStdString(controlName(control->parentWidget())) + QLatin1Char('/');
    }
    return (name + QLatin1Char(' ') + QString::fromLatin1(control->metaObject()->className())).toStdString();
}

std::vector<QWidget*> tabStopsAsRead(QWidget& top)
{
    std::vector<QWidget*> stops;
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        if (!widget->isWindow() && widget->isVisibleTo(&top) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->focusProxy() == nullptr) {
            stops.push_back(widget);
        }
    }
    std::stable_sort(stops.begin(), stops.end(), [&top](QWidget* a, QWidget* b) { return readBefore(top, a, b); });
    return stops;
}

namespace {

void showActive(QWidget& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

}  // namespace

void expectFocusOpensOnFirstControl(QWidget& dialog)
{
    showActive(dialog);
    const std::vector<QWidget*> stops = tabStopsAsRead(dialog);
    ASSERT_FALSE(stops.empty());
    const QWidget* focus = QApplication::focusWidget();
    EXPECT_EQ(focus, stops.front()) << (focus != nullptr ? controlName(focus) : "nothing") << " has the focus, not "
                                    << controlName(stops.front());
}

std::vector<QWidget*> tabRound(QWidget& dialog)
{
    showActive(dialog);
    const std::vector<QWidget*> stops = tabStopsAsRead(dialog);
    if (stops.empty()) {
        ADD_FAILURE() << "no control takes the focus by Tab";
        return {};
    }
    QWidget* first = stops.front();
    first->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> round;
    QWidget* at = QApplication::focusWidget();
    // Room for every stop twice: a round that never comes back fails instead of going on.
    for (std::size_t presses = 0; at != nullptr && presses < 2 * stops.size() + 2; ++presses) {
        round.push_back(at);
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        if (at == first) {
            return round;
        }
    }
    ADD_FAILURE() << "Tab does not come back to " << controlName(first) << "; it went to "
                  << ::testing::PrintToString(names(round));
    return round;
}

void expectTabInReadingOrder(QWidget& dialog, const std::vector<QWidget*>& closing)
{
    const std::vector<QWidget*> round = tabRound(dialog);
    // Read after the round: of an exclusive group of option buttons, the one the focus went to
    // stays a stop and the others leave the round.
    const std::vector<QWidget*> stops = tabStopsAsRead(dialog);
    for (std::size_t i = 0; i + 1 < round.size(); ++i) {
        EXPECT_TRUE(readBefore(dialog, round[i], round[i + 1]))
            << "Tab goes from " << controlName(round[i]) << " back to " << controlName(round[i + 1]);
    }
    EXPECT_EQ(names(round), names(stops)) << "Tab misses or repeats a control, or goes out of reading order";
    ASSERT_GE(round.size(), closing.size());
    const std::vector<QWidget*> last(round.end() - static_cast<std::ptrdiff_t>(closing.size()), round.end());
    EXPECT_EQ(names(last), names(closing)) << "the buttons that close the dialog come last";
}

}  // namespace probel::test
