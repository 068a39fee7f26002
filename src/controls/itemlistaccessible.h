// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace Velloquin {

// Accessible interface of a self-drawn widget whose items (palette cells, say) are not
// widgets of their own. Item interfaces are made when first asked for,
// registered with Qt under a key of the subclass's choosing, and released with the widget's.
class ItemListAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;
    ~ItemListAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(id);
    }

protected:
    // The interface registered under key, made by make() the first time.
    template <typename Make>
    QAccessibleInterface *item(int key, Make make) const
    {
        if (const QAccessible::Id id = m_items.value(key))
            return QAccessible::accessibleInterface(id);
        QAccessibleInterface *iface = make();
        m_items.insert(key, QAccessible::registerAccessibleInterface(iface));
        return iface;
    }

    // The key an item interface was registered under, or -1.
    int keyOf(const QAccessibleInterface *iface) const
    {
        for (auto it = m_items.cbegin(); it != m_items.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == iface)
                return it.key();
        }
        return -1;
    }

private:
    mutable QHash<int, QAccessible::Id> m_items;
};

} // namespace Velloquin
