// SPDX-License-Identifier: MIT
#include "panelparts.h"

#include "gradientbutton.h"
#include "twips.h"

#include <QLabel>

namespace Velloquin {

namespace panel {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), qMax(0, twipsToPixels(width)),
                 qMax(0, twipsToPixels(height)));
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAccessibleName(caption);
    return label;
}

QLabel *makeHeading(QWidget *parent, const QString &name, const QString &caption)
{
    QLabel *label = makeLabel(parent, name, caption);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    return label;
}

GradientButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                           const QString &tip, int style)
{
    auto *button = new GradientButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(tip);
    button->setAccessibleName(caption.isEmpty() ? tip : caption);
    button->setAccessibleDescription(tip);
    button->setLook(GradientButton::Look(style));
    return button;
}

} // namespace panel

} // namespace Velloquin
