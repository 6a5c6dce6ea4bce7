#include "AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
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

// A menu item as Qt shows it, named without the access-key markers and blanks of its caption:
// Qt removes only the first "&", so "&Save P&roject" was read out as "Save P&roject".
class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit MenuItemAccessible(QAction* action)
        : m_action(action)
    {
    }

    bool isValid() const override { return m_action && owner(); }
    QObject* object() const override { return m_action; }
    QWindow* window() const override
    {
        return owner() ? owner()->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(owner());
    }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && childCount() ? QAccessible::queryAccessibleInterface(m_action->menu())
                                          : nullptr;
    }
    int childCount() const override { return m_action && m_action->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return childCount() && child && child->object() == m_action->menu() ? 0 : -1;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (!m_action)
            return {};
        if (kind == QAccessible::Name) {
            QString name = m_action->text();
            name.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(u'&');
            return name.replace(u'\x01', u'&').trimmed();
        }
        if (kind == QAccessible::Accelerator)
            return m_action->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        QWidget* widget = owner();
        QRect area;
        if (auto* menu = qobject_cast<QMenu*>(widget))
            area = menu->actionGeometry(m_action);
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            area = bar->actionGeometry(m_action);
        return widget ? area.translated(widget->mapToGlobal(QPoint())) : area;
    }
    QAccessible::Role role() const override
    {
        return m_action && m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        QWidget* widget = owner();
        if (!m_action || !widget)
            return state;
        state.invisible = !m_action->isVisible() || !widget->isVisible();
        state.disabled = m_action->isSeparator() || !m_action->isEnabled();
        state.checkable = m_action->isCheckable();
        state.checked = m_action->isChecked();
        if (auto* menu = qobject_cast<QMenu*>(widget))
            state.focused = menu->activeAction() == m_action;
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            state.focused = bar->activeAction() == m_action;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override
    {
        if (!m_action || m_action->isSeparator())
            return {};
        return {m_action->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override
    {
        if (!m_action || !m_action->isEnabled() || !actionNames().contains(name))
            return;
        if (auto* menu = qobject_cast<QMenu*>(owner()); menu && m_action->menu())
            menu->setActiveAction(m_action);
        else if (auto* bar = qobject_cast<QMenuBar*>(owner()); bar && m_action->menu())
            bar->setActiveAction(m_action);
        else
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    // The menu or menu bar that shows the item.
    QWidget* owner() const
    {
        if (m_action)
            for (QObject* shown : m_action->associatedObjects())
                if (qobject_cast<QMenu*>(shown) || qobject_cast<QMenuBar*>(shown))
                    return static_cast<QWidget*>(shown);
        return nullptr;
    }

    QPointer<QAction> m_action;
};

QAccessibleInterface* roleFor(const QString& className, QObject* object)
{
    if (auto* action = qobject_cast<QAction*>(object);
        action && className == QLatin1String("QAction"))
        return new MenuItemAccessible(action);
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* option = qobject_cast<QRadioButton*>(widget); option && !option->autoExclusive())
        return new OptionButtonAccessible(option);
    // Qt gives a window built on a plain widget the role of a client area: a screen reader
    // announced the Explorer, Properties, Import and Convert windows as fillers.
    const Qt::WindowType type = widget->windowType();
    if ((type == Qt::Window || type == Qt::Dialog || type == Qt::Tool) &&
        object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, type == Qt::Window ? QAccessible::Window
                                                                : QAccessible::Dialog);
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
