// SPDX-License-Identifier: MIT
#pragma once

#include "gradientpanel.h"

class QLabel;
class QPushButton;

namespace Velloquin {

class StyledProgressBar;

// The wait notice over the grid view (pGress) while a long command runs: a caption, a
// progress bar and, for a layout the user may stop, a Cancel button. Hidden otherwise.
class WaitPanel : public GradientPanel
{
    Q_OBJECT

public:
    // The caption while the layout generator works.
    static const QString GenerateCaption;

    explicit WaitPanel(QWidget *parent);

    // Shows the notice over its siblings with the caption; with cancellable the Cancel
    // button is shown beside the bar and takes the focus.
    void start(const QString &caption, bool cancellable = false);
    // Hides the notice and its Cancel button; the caption goes back to GenerateCaption.
    void finish();
    // The bar the command reports its progress on.
    StyledProgressBar &progressBar() const { return *m_bar; }

signals:
    // Cancel (or Esc) was pressed.
    void cancelClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setCancellable(bool cancellable);

    QLabel *m_caption = nullptr;
    StyledProgressBar *m_bar = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace Velloquin
