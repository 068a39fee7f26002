// SPDX-License-Identifier: MIT
// Shows the image toolbars in their band and the progress bar in each of its looks.
//
//   velloquin_demo_toolbar                 opens the window
//   velloquin_demo_toolbar --grab out.png  renders it into a picture and exits
#include "styledprogressbar.h"
#include "toolbar.h"
#include "toolbarband.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

using namespace Velloquin;

namespace {

const QString MainTips = QStringLiteral(
    "Create a New Crossword.|Open a Crossword.|Save the current Crossword.|Copy Crossword "
    "Image to clipboard.|Export to MS Word.|Hide Answers.|Save current settings as default "
    "settings|Reset settings to original values|Outline Mode - don't show grid lines.");
const QString WordTips = QStringLiteral(
    "Store this  word in the dropdown list for inclusion later|Delete this word from the "
    "dropdown list.|Search for locations to place the word.");

QPixmap patternImage()
{
    QPixmap pattern(8, 8);
    pattern.fill(QColor(255, 214, 120));
    QPainter p(&pattern);
    p.fillRect(0, 0, 4, 4, QColor(236, 150, 40));
    p.fillRect(4, 4, 4, 4, QColor(236, 150, 40));
    return pattern;
}

// A band with one toolbar in it, as the main window carries its command strip.
ToolbarBand *bandWith(Toolbar *toolbar, QWidget *parent)
{
    auto *band = new ToolbarBand(parent);
    band->setFixedHeight(29);
    toolbar->setParent(band);
    toolbar->move(4, 2);
    band->setToolbars({toolbar});
    return band;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int grabAt = args.indexOf(QStringLiteral("--grab"));
    const QString grabPath =
        grabAt > 0 && grabAt + 1 < args.size() ? args.at(grabAt + 1) : QString();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Toolbar and progress bar"));
    window.setAutoFillBackground(true);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, QColor(246, 248, 252));
    window.setPalette(pal);
    auto *column = new QVBoxLayout(&window);
    column->setContentsMargins(0, 0, 0, 12);
    column->setSpacing(10);

    auto *tb1 = new Toolbar;
    tb1->setObjectName(QStringLiteral("TB1"));
    tb1->build(QImage(QStringLiteral(":/images/toolbar_main.png")), QColor(0, 255, 0), 16,
               QStringLiteral("NNN|N|NC|NN|C"));
    tb1->setButtonToolTips(MainTips);
    tb1->setButtonChecked(9, !tb1->isButtonChecked(9));
    ToolbarBand *pbar = bandWith(tb1, &window);
    pbar->setObjectName(QStringLiteral("PBar"));
    column->addWidget(pbar);

    auto *tb2 = new Toolbar;
    tb2->setObjectName(QStringLiteral("TB2"));
    tb2->build(QImage(QStringLiteral(":/images/toolbar_word.png")), QColor(0, 255, 0), 16,
               QStringLiteral("NNN"));
    tb2->setButtonToolTips(WordTips);
    tb2->setButtonEnabled(2, false);

    auto *wordRow = new QHBoxLayout;
    wordRow->setContentsMargins(12, 0, 12, 0);
    auto *wordLabel = new QLabel(QStringLiteral("Word toolbar (button 2 disabled), plain:"));
    wordRow->addWidget(wordLabel);
    wordRow->addWidget(tb2);
    auto *tb3 = new Toolbar;
    tb3->build(QImage(QStringLiteral(":/images/toolbar_word.png")), QColor(0, 255, 0), 16,
               QStringLiteral("NNN"));
    tb3->setEdgeVisible(true);
    wordRow->addSpacing(16);
    wordRow->addWidget(new QLabel(QStringLiteral("with BarEdge:")));
    wordRow->addWidget(tb3);
    wordRow->addStretch();
    column->addLayout(wordRow);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(12, 0, 12, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    const char *names[] = {"0 segmented", "1 continuous", "2 searching", "3 flat",   "4 etched",
                           "5 gauge",     "6 dark",       "7 hatched",   "8 pattern"};
    const int values[] = {65, 65, 55, 40, 72, 58, 80, 45, 66};
    for (int look = 0; look <= 8; ++look) {
        auto *label = new QLabel(QString::fromLatin1(names[look]));
        auto *bar = new StyledProgressBar;
        bar->setObjectName(QStringLiteral("XP%1").arg(look));
        bar->setFixedSize(260, 20);
        bar->setLook(StyledProgressBar::Look(look));
        bar->setValue(values[look]);
        bar->setTextVisible(true);
        if (look == 8)
            bar->setPattern(patternImage());
        if (look == 7)
            bar->setColor(QColor(0x2A, 0x8A, 0x2A));
        grid->addWidget(label, look, 0);
        grid->addWidget(bar, look, 1);
    }
    auto *vertical = new StyledProgressBar;
    vertical->setOrientation(Qt::Vertical);
    vertical->setLook(StyledProgressBar::Look(0));
    vertical->setValue(70);
    vertical->setFixedSize(20, 150);
    grid->addWidget(vertical, 0, 2, 7, 1, Qt::AlignTop);
    auto *verticalSmooth = new StyledProgressBar;
    verticalSmooth->setOrientation(Qt::Vertical);
    verticalSmooth->setLook(StyledProgressBar::Look(1));
    verticalSmooth->setValue(35);
    verticalSmooth->setFixedSize(20, 150);
    grid->addWidget(verticalSmooth, 0, 3, 7, 1, Qt::AlignTop);
    grid->setColumnStretch(4, 1);
    column->addLayout(grid);
    column->addStretch();

    window.resize(520, 320);
    if (grabPath.isEmpty()) {
        window.show();
        return app.exec();
    }

    window.show();
    QTimer::singleShot(50, &window, [&] {
        // Light up button 2 of the main strip and hold button 4 down, as under the mouse.
        const QPoint hover = tb1->buttonRect(2).center();
        QMouseEvent move(QEvent::MouseMove, hover, tb1->mapToGlobal(hover), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tb1, &move);
        const QPoint hover2 = tb2->buttonRect(1).center();
        QMouseEvent move2(QEvent::MouseMove, hover2, tb2->mapToGlobal(hover2), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tb2, &move2);
        window.grab().save(grabPath);
        app.quit();
    });
    return app.exec();
}
