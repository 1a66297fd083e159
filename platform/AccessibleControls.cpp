// Accessible interfaces made by one factory, keyed by class name: Qt asks it for each class of an
// object's hierarchy, most derived first.
#include "AccessibleControls.h"

#include "Controls.h"
#include "Panel.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

class AccessibleSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSlider(Slider *slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? slider()->valueText() : QAccessibleWidget::text(t);
    }
    // The value as shown (0.1, not 0.100000001 or a raw step).
    QVariant currentValue() const override { return slider()->valueText().toDouble(); }
    void setCurrentValue(const QVariant &value) override {
        slider()->changeFloatValue(value.toDouble());
    }
    QVariant minimumValue() const override { return slider()->floatMinimum(); }
    QVariant maximumValue() const override { return slider()->floatMaximum(); }
    QVariant minimumStepSize() const override { return slider()->floatStep(); }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        auto *label = slider()->property("valueLabel").value<QLabel *>();
        if (label && (match & QAccessible::Controlled))
            related.append({QAccessible::queryAccessibleInterface(label), QAccessible::Controlled});
        return related;
    }

private:
    Slider *slider() const { return static_cast<Slider *>(widget()); }
};

QAccessibleInterface *describe(const QString &className, QObject *object) {
    if (className == QLatin1String("Slider"))
        return new AccessibleSlider(static_cast<Slider *>(object));
    if (className == QLatin1String("Panel"))
        return new QAccessibleWidget(static_cast<Panel *>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

void describeControlsToScreenReaders() {
    static const bool installed = (QAccessible::installFactory(describe), true);
    Q_UNUSED(installed);
}
