// The description is asked of the live record each time, so it never lags behind an edit.
#include "LWSineAccessible.h"

#include "LWSineButton.h"
#include "LWSineView.h"

#include <QAccessibleWidget>

namespace {

// The interface may be made while the interface definition is still loading, before the button's
// plot is connected: the plot is looked up on every question.
class AccessibleWave : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override {
        const LWSineView *shown = plot();
        if (t == QAccessible::Description && shown)
            return shown->waveDescription();
        return QAccessibleWidget::text(t);
    }

protected:
    virtual const LWSineView *plot() const { return static_cast<LWSineView *>(widget()); }
};

class AccessibleWaveButton : public AccessibleWave {
public:
    explicit AccessibleWaveButton(LWSineButton *button)
        : AccessibleWave(button, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override {
        if (name == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }

protected:
    const LWSineView *plot() const override { return button()->view; }

private:
    LWSineButton *button() const { return static_cast<LWSineButton *>(widget()); }
};

QAccessibleInterface *describe(const QString &className, QObject *object) {
    if (className == QLatin1String("LWSineButton"))
        return new AccessibleWaveButton(static_cast<LWSineButton *>(object));
    if (className == QLatin1String("LWSineView"))
        return new AccessibleWave(static_cast<LWSineView *>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

void describeWavesToScreenReaders() {
    static const bool installed = (QAccessible::installFactory(describe), true);
    Q_UNUSED(installed);
}
