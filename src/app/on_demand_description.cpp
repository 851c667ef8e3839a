// SPDX-License-Identifier: MIT
#include "app/on_demand_description.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <utility>

namespace probel {
namespace {

// Held by the widget as a child, so the description goes with it.
class DescriptionSource : public QObject {
public:
    DescriptionSource(std::function<QString()> describe, QWidget& owner)
        : QObject(&owner), describe_(std::move(describe))
    {
    }
    QString describe() const { return describe_(); }

private:
    std::function<QString()> describe_;
};

const DescriptionSource* sourceOf(const QObject& widget)
{
    for (const QObject* child : widget.children()) {
        if (const auto* source = dynamic_cast<const DescriptionSource*>(child)) {
            return source;
        }
    }
    return nullptr;
}

class DescribedWidget : public QAccessibleWidget {
public:
    explicit DescribedWidget(QWidget* widget) : QAccessibleWidget(widget) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description) {
            if (const DescriptionSource* source = sourceOf(*object())) {
                if (QString described = source->describe(); !described.isEmpty()) {
                    return described;
                }
            }
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* describedWidget(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && sourceOf(*widget) != nullptr ? new DescribedWidget(widget) : nullptr;
}

}  // namespace

void describeOnDemand(QWidget& widget, std::function<QString()> describe)
{
    static const bool installed = [] {
        QAccessible::installFactory(&describedWidget);
        return true;
    }();
    static_cast<void>(installed);
    new DescriptionSource(std::move(describe), widget);
    // With a screen reader running, Qt has made the widget's interface as it was being built,
    // without the description: it goes, and the next question makes one that has it.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
    if (made != nullptr && dynamic_cast<DescribedWidget*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void announceDescriptionChange(QWidget& widget)
{
    QAccessibleEvent event(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace probel
