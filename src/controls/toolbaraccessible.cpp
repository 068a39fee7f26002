// SPDX-License-Identifier: MIT
#include "toolbaraccessible.h"

#include "itemlistaccessible.h"

#include "toolbar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace Velloquin {

namespace {

// One button of a Toolbar. Not a QObject: it lives in the accessibility cache and is
// owned by its parent interface.
class ToolbarButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ToolbarButtonAccessible(Toolbar *bar, int index) : m_bar(bar), m_index(index) {}

    bool isValid() const override { return m_bar && m_index <= m_bar->buttonCount(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_bar ? QAccessible::queryAccessibleInterface(m_bar.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        if (t == QAccessible::Name || t == QAccessible::Description)
            return m_bar->buttonToolTip(m_index);
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = m_bar->buttonRect(m_index);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.disabled = !m_bar->isButtonEnabled(m_index);
        s.invisible = !m_bar->isVisible();
        s.hotTracked = m_bar->hotButton() == m_index;
        s.focusable = true;
        s.focused = m_bar->hasFocus() && m_bar->focusButton() == m_index;
        s.pressed = m_bar->buttonLook(m_index) == Toolbar::ButtonLook::Pressed;
        if (m_bar->buttonKind(m_index) != Toolbar::ButtonKind::Push) {
            s.checkable = true;
            s.checked = m_bar->isButtonChecked(m_index);
        }
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    QStringList actionNames() const override
    {
        if (!isValid() || !m_bar->isButtonEnabled(m_index))
            return {};
        if (m_bar->buttonKind(m_index) == Toolbar::ButtonKind::Push)
            return {pressAction()};
        return {toggleAction(), pressAction()};
    }
    void doAction(const QString &name) override
    {
        if (isValid() && (name == pressAction() || name == toggleAction()))
            m_bar->activateButton(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<Toolbar> m_bar;
    int m_index;
};

class ToolbarAccessible : public ItemListAccessible
{
public:
    explicit ToolbarAccessible(Toolbar *bar) : ItemListAccessible(bar, QAccessible::ToolBar) {}

    Toolbar *bar() const { return static_cast<Toolbar *>(widget()); }

    int childCount() const override { return bar()->buttonCount(); }
    QAccessibleInterface *child(int i) const override
    {
        if (i < 0 || i >= childCount())
            return nullptr;
        return item(i, [&] { return new ToolbarButtonAccessible(bar(), i + 1); });
    }
    int indexOfChild(const QAccessibleInterface *child) const override { return keyOf(child); }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint local = bar()->mapFromGlobal(QPoint(x, y));
        for (int i = 1; i <= childCount(); ++i)
            if (bar()->buttonRect(i).contains(local))
                return child(i - 1);
        return nullptr;
    }
};

QAccessibleInterface *toolbarFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(Toolbar::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new ToolbarAccessible(static_cast<Toolbar *>(object));
    return nullptr;
}

} // namespace

void installToolbarAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(toolbarFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace Velloquin
