// SPDX-License-Identifier: MIT
// Shows the colour pickers, an open palette and the gradient buttons in every style and
// colour scheme. With a directory argument it writes PNG pictures there and exits:
//   QT_QPA_PLATFORM=offscreen velloquin_demo_pickers /tmp/shots
#include "colorbutton.h"
#include "colornumbers.h"
#include "colorpalettepopup.h"
#include "gradientbutton.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

using namespace Velloquin;

namespace {

QPixmap samplePicture()
{
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QRectF(5, 5, 2, 2));
    p.drawEllipse(QRectF(9, 5, 2, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 5.5, 7, 6), 200 * 16, 140 * 16);
    return pix;
}

void hover(QWidget *w)
{
    const QPointF centre(w->width() / 2.0, w->height() / 2.0);
    QEnterEvent enter(centre, centre, w->mapToGlobal(centre));
    QApplication::sendEvent(w, &enter);
}

void press(QWidget *w)
{
    const QPointF centre(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent ev(QEvent::MouseButtonPress, centre, w->mapToGlobal(centre), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

bool save(QWidget *w, const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    const bool ok = w->grab().save(path);
    qInfo("%s %s", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Colour pickers and gradient buttons"));
    auto *top = new QVBoxLayout(&window);

    // Pickers.
    auto *pickerBox = new QGroupBox(QStringLiteral("Colour pickers"));
    auto *pickerRow = new QHBoxLayout(pickerBox);
    const char *names[3] = {"Background", "Grid lines", "Squares"};
    const qint32 colors[3] = {0xFFFFFF, 0x000000, 0x80FFFF};
    ColorButton *pickers[3];
    for (int i = 0; i < 3; ++i) {
        pickerRow->addWidget(new QLabel(QString::fromLatin1(names[i])));
        pickers[i] = new ColorButton;
        pickers[i]->setObjectName(QStringLiteral("ColorPicker1_%1").arg(i));
        pickers[i]->setColor(colorFromNumber(colors[i]));
        pickers[i]->setFixedWidth(80);
        pickers[i]->setShowCellToolTips(true);
        pickerRow->addWidget(pickers[i]);
    }
    auto *flat = new ColorButton;
    flat->setFlat(true);
    flat->setColor(systemColor(13));
    flat->setFixedWidth(80);
    pickerRow->addWidget(new QLabel(QStringLiteral("Flat")));
    pickerRow->addWidget(flat);
    auto *pressed = new ColorButton;
    pressed->setColor(colorFromNumber(0x0080FF));
    pressed->setFixedWidth(80);
    pickerRow->addWidget(new QLabel(QStringLiteral("Arrow pressed")));
    pickerRow->addWidget(pressed);
    pickerRow->addStretch();
    top->addWidget(pickerBox);

    // Buttons: one row per style, one column per scheme.
    auto *buttonBox =
        new QGroupBox(QStringLiteral("Gradient buttons: style (rows) by colour scheme (columns)"));
    auto *grid = new QGridLayout(buttonBox);
    for (int scheme = 0; scheme <= 6; ++scheme)
        grid->addWidget(new QLabel(QStringLiteral("Scheme %1").arg(scheme)), 0, scheme + 1,
                        Qt::AlignCenter);
    for (int style = 0; style <= 7; ++style) {
        grid->addWidget(new QLabel(QStringLiteral("Style %1").arg(style)), style + 1, 0);
        for (int scheme = 0; scheme <= 6; ++scheme) {
            auto *b = new GradientButton(QStringLiteral("&Update"));
            b->setLook(GradientButton::Look(style));
            b->setColorScheme(GradientButton::ColorScheme(scheme));
            b->setTextColor(scheme >= 3 || style == 1 ? Qt::white : Qt::black);
            b->setBorderBrightness(-25);
            b->setFixedSize(96, 30);
            grid->addWidget(b, style + 1, scheme + 1);
        }
    }
    top->addWidget(buttonBox);

    // States and pictures.
    auto *stateBox = new QGroupBox(QStringLiteral("States (style 2, scheme 1) and pictures"));
    auto *stateRow = new QGridLayout(stateBox);
    const char *stateNames[6] = {"Normal", "Focused", "Hover", "Pressed", "Checked", "Disabled"};
    GradientButton *states[6];
    for (int i = 0; i < 6; ++i) {
        states[i] = new GradientButton(QString::fromLatin1(stateNames[i]));
        states[i]->setLook(GradientButton::Look(2));
        states[i]->setColorScheme(GradientButton::ColorScheme(1));
        states[i]->setTextColor(Qt::white);
        states[i]->setTextHighlight(i == 2);
        states[i]->setTextHighlightColor(QColor(255, 255, 0));
        states[i]->setFixedSize(96, 30);
        stateRow->addWidget(states[i], 0, i);
    }
    const char *alignNames[5] = {"Above", "Below", "Left", "Right", "Corner"};
    for (int a = 0; a < 5; ++a) {
        auto *b = new GradientButton(QString::fromLatin1(alignNames[a]));
        b->setPicture(samplePicture());
        b->setPicturePosition(GradientButton::PicturePosition(a));
        b->setLook(GradientButton::Look(a == 4 ? 0 : 3));
        b->setColorScheme(GradientButton::ColorScheme(2));
        b->setFixedSize(96, a <= 1 ? 44 : 30);
        stateRow->addWidget(b, 1, a);
    }
    auto *disabledPic = new GradientButton(QStringLiteral("Off"));
    disabledPic->setPicture(samplePicture());
    disabledPic->setPicturePosition(GradientButton::PicturePosition::Left);
    disabledPic->setLook(GradientButton::Look(7));
    disabledPic->setEnabled(false);
    disabledPic->setFixedSize(96, 30);
    stateRow->addWidget(disabledPic, 1, 5);
    // Keyboard focus on the other styles.
    QList<GradientButton *> focused;
    for (int style : {0, 1, 3, 4, 6, 7}) {
        auto *b = new GradientButton(QStringLiteral("Focus %1").arg(style));
        b->setLook(GradientButton::Look(style));
        b->setColorScheme(GradientButton::ColorScheme(style == 6 ? 5 : 1));
        b->setTextColor(Qt::white);
        b->setFixedSize(96, 30);
        stateRow->addWidget(b, 2, int(focused.size()));
        focused << b;
    }
    top->addWidget(stateBox);

    window.show();
    hover(states[2]);
    press(states[3]);
    states[4]->setCheckable(true);
    states[4]->setChecked(true);
    states[5]->setEnabled(false);
    {
        const QPointF at = pressed->arrowRect().center();
        QMouseEvent ev(QEvent::MouseButtonPress, at, pressed->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pressed, &ev);
    }
    QApplication::setActiveWindow(&window);
    states[1]->setFocus(Qt::TabFocusReason);

    if (outDir.isEmpty())
        return app.exec();

    QDir().mkpath(outDir);
    bool ok = save(&window, outDir, QStringLiteral("demo_pickers_window.png"));
    // The keyboard focus, one control at a time: the first picker and the other styles.
    pickers[0]->setFocus(Qt::TabFocusReason);
    ok = save(pickers[0], outDir, QStringLiteral("demo_pickers_focus_picker.png")) && ok;
    for (GradientButton *b : focused) {
        b->setFocus(Qt::TabFocusReason);
        ok = save(b, outDir, QStringLiteral("demo_pickers_focus_%1.png").arg(b->text().back())) &&
             ok;
    }

    // The open palette in its two modes, with a hot cell and filled custom colours.
    ColorPalettePopup::addCustomColor(colorFromNumber(0x3366CC));
    ColorPalettePopup::addCustomColor(colorFromNumber(0x22AA55));
    ColorPalettePopup::addCustomColor(colorFromNumber(0x0080FF));
    pickers[1]->setShowSystemColors(true);
    pickers[1]->showPalette();
    if (ColorPalettePopup *palette = ColorPalettePopup::current()) {
        const QPoint hot = palette->cellRect(20).center();
        QMouseEvent move(QEvent::MouseMove, hot, palette->mapToGlobal(hot), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(palette, &move);
        ok = save(palette, outDir, QStringLiteral("demo_pickers_palette.png")) && ok;
        palette->setMode(ColorPalettePopup::Mode::System);
        ok = save(palette, outDir, QStringLiteral("demo_pickers_palette_system.png")) && ok;
        palette->close();
    } else {
        ok = false;
    }
    pickers[0]->showPalette();
    if (ColorPalettePopup *palette = ColorPalettePopup::current()) {
        const QPoint hot = palette->cellRect(ColorPalettePopup::DefaultCell).center();
        QMouseEvent move(QEvent::MouseMove, hot, palette->mapToGlobal(hot), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(palette, &move);
        ok = save(palette, outDir, QStringLiteral("demo_pickers_palette_default.png")) && ok;
        const QPoint more = palette->cellRect(ColorPalettePopup::MoreColorsCell).center();
        QMouseEvent down(QEvent::MouseButtonPress, more, palette->mapToGlobal(more), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(palette, &down);
        ok = save(palette, outDir, QStringLiteral("demo_pickers_palette_pressed.png")) && ok;
        palette->close();
    }

    // The window at twice the size, to judge edges and gloss.
    const QPixmap big =
        window.grab().scaled(window.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    ok = big.save(QDir(outDir).filePath(QStringLiteral("demo_pickers_window_x2.png"))) && ok;
    return ok ? 0 : 1;
}
