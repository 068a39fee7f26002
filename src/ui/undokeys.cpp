// SPDX-License-Identifier: MIT
#include "undokeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace Velloquin {

namespace {

class IdleUndoKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        // An editable combo box hands the key to its line edit itself.
        QLineEdit *edit = qobject_cast<QLineEdit *>(watched);
        if (auto *combo = qobject_cast<QComboBox *>(watched))
            edit = combo->lineEdit();
        if (!edit)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool idle = (key->matches(QKeySequence::Undo) && !edit->isUndoAvailable()) ||
                          (key->matches(QKeySequence::Redo) && !edit->isRedoAvailable());
        if (!idle)
            return false;
        // Not taken: the key goes on to the shortcuts.
        event->ignore();
        return true;
    }
};

} // namespace

void passIdleUndoKeysOn(QWidget *root)
{
    auto *filter = new IdleUndoKeys(root);
    const QList<QWidget *> boxes = root->findChildren<QWidget *>();
    for (QWidget *box : boxes) {
        auto *combo = qobject_cast<QComboBox *>(box);
        if (qobject_cast<QLineEdit *>(box) || (combo && combo->isEditable()))
            box->installEventFilter(filter);
    }
}

} // namespace Velloquin
