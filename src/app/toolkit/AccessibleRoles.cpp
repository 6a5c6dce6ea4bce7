#include "AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QRadioButton>

namespace {

// Qt takes a checkable button that is not auto-exclusive for a check box; these option buttons
// are not auto-exclusive only so that a project file can turn both off.
class OptionButtonAccessible : public QAccessibleWidget {
public:
    explicit OptionButtonAccessible(QRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {
        addControllingSignal(QStringLiteral("toggled(bool)"));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* roleFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* option = qobject_cast<QRadioButton*>(widget); option && !option->autoExclusive())
        return new OptionButtonAccessible(option);
    // Qt gives a window built on a plain widget the role of a client area: a screen reader
    // announced the Explorer, Properties, Import and Convert windows as fillers.
    if (widget->isWindow() && object->metaObject()->superClass() == &QWidget::staticMetaObject) {
        const Qt::WindowType type = widget->windowType();
        return new QAccessibleWidget(widget, type == Qt::Dialog || type == Qt::Tool
                                                 ? QAccessible::Dialog
                                                 : QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFor);
        return true;
    }();
    Q_UNUSED(installed);
}
