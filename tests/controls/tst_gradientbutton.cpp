// SPDX-License-Identifier: MIT
#include "gradientbutton.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace Velloquin;

namespace {

GradientButton::Look look(int n)
{
    return GradientButton::Look(n);
}

GradientButton::ColorScheme colorScheme(int n)
{
    return GradientButton::ColorScheme(n);
}

// Records the button's events by name, in order.
struct EventLog
{
    QStringList events;

    void attach(GradientButton *b, QObject *context)
    {
        QObject::connect(b, &GradientButton::pressed, context,
                         [this] { events << QStringLiteral("pressed"); });
        QObject::connect(b, &GradientButton::released, context,
                         [this] { events << QStringLiteral("released"); });
        QObject::connect(b, &GradientButton::clicked, context,
                         [this] { events << QStringLiteral("clicked"); });
        QObject::connect(b, &GradientButton::doubleClicked, context,
                         [this] { events << QStringLiteral("doubleClicked"); });
        QObject::connect(b, &GradientButton::entered, context,
                         [this] { events << QStringLiteral("entered"); });
        QObject::connect(b, &GradientButton::left, context,
                         [this] { events << QStringLiteral("left"); });
    }
};

void sendEnter(QWidget *w)
{
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    QEnterEvent enter(p, p, w->mapToGlobal(p));
    QApplication::sendEvent(w, &enter);
}

void sendLeave(QWidget *w)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}

// The button drawn over a background of a colour it never uses.
QImage render(GradientButton &b)
{
    QImage image(b.size(), QImage::Format_ARGB32);
    image.fill(QColor(1, 2, 3));
    b.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The bounding box of the pixels of exactly this colour.
QRect boxOf(const QImage &image, const QColor &color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == color)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

QPixmap solidPicture(const QColor &color, int size = 8)
{
    QPixmap pix(size, size);
    pix.fill(color);
    return pix;
}

} // namespace

class tst_GradientButton : public QObject
{
    Q_OBJECT

private slots:
    void pressAndReleaseInsideRaisePressedReleasedClickedInOrder()
    {
        GradientButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QCOMPARE(b.state(), GradientButton::State::Pressed);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(41, 12));
        QCOMPARE(log.events, QStringList({QStringLiteral("pressed"), QStringLiteral("released"),
                                          QStringLiteral("clicked")}));
    }

    void pressWhoseReleaseWentElsewhereLeavesNoPressedLook()
    {
        GradientButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        QWidget dialog;
        QSignalSpy clicks(&b, &GradientButton::clicked);
        QMouseEvent move(QEvent::MouseMove, QPointF(40, 13), b.mapToGlobal(QPointF(40, 13)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&b, &move);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QTest::mouseRelease(&dialog, Qt::LeftButton); // a dialog took the release
        QApplication::sendEvent(&b, &move);
        QCOMPARE(b.state(), GradientButton::State::Hover);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QCOMPARE(clicks.count(), 1);
    }

    void dragOutAndReleaseRaisesNoClickAndPairsEnterWithLeave()
    {
        GradientButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        sendEnter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QTest::mouseMove(&b, QPoint(120, 13));
        QCOMPARE(b.state(), GradientButton::State::Normal); // dragged out with the button held
        QVERIFY(!b.isHovered());
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(120, 13));
        sendLeave(&b);
        QVERIFY(!log.events.contains(QStringLiteral("clicked")));
        QCOMPARE(log.events.count(QStringLiteral("entered")), 1);
        QCOMPARE(log.events.count(QStringLiteral("left")), 1);
        QCOMPARE(b.state(), GradientButton::State::Normal);
    }

    void rightButtonRaisesNothing()
    {
        GradientButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        QTest::mouseClick(&b, Qt::RightButton, {}, QPoint(40, 13));
        QVERIFY(!log.events.contains(QStringLiteral("pressed")));
        QVERIFY(!log.events.contains(QStringLiteral("clicked")));
    }

    void keyOnFocusedButtonClicksIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("keypad enter") << int(Qt::Key_Enter);
        QTest::newRow("space") << int(Qt::Key_Space);
    }

    void keyOnFocusedButtonClicksIt()
    {
        QFETCH(int, key);
        QWidget window;
        auto *b = new GradientButton(QStringLiteral("Go"), &window);
        b->resize(80, 26);
        window.show();
        QApplication::setActiveWindow(&window);
        b->setFocus();
        QVERIFY(b->hasFocus());
        QCOMPARE(b->state(), GradientButton::State::Focused);
        EventLog log;
        log.attach(b, this);
        QTest::keyPress(b, Qt::Key(key));
        QCOMPARE(b->state(), GradientButton::State::Pressed);
        QTest::keyRelease(b, Qt::Key(key));
        QCOMPARE(log.events, QStringList({QStringLiteral("pressed"), QStringLiteral("released"),
                                          QStringLiteral("clicked")}));
        QCOMPARE(b->state(), GradientButton::State::Focused);
    }

    void otherKeysDoNotClick()
    {
        GradientButton b(QStringLiteral("Go"));
        b.show();
        QSignalSpy clicked(&b, &GradientButton::clicked);
        QTest::keyClick(&b, Qt::Key_A);
        QTest::keyClick(&b, Qt::Key_Tab);
        QCOMPARE(clicked.count(), 0);
    }

    void accessKeyClicksIt()
    {
        QWidget window;
        auto *b = new GradientButton(QStringLiteral("&Update"), &window);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy clicked(b, &GradientButton::clicked);
        QTest::keyClick(&window, Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(clicked.count(), 1);
    }

    void mouseEnterAndLeaveChangeTheLook()
    {
        GradientButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        const QImage normal = render(b);
        sendEnter(&b);
        QCOMPARE(b.state(), GradientButton::State::Hover);
        QVERIFY(render(b) != normal);
        sendLeave(&b);
        QCOMPARE(b.state(), GradientButton::State::Normal);
        QCOMPARE(log.events, QStringList({QStringLiteral("entered"), QStringLiteral("left")}));
        QCOMPARE(render(b), normal);
    }

    void mouseMoveIntoTheButtonCountsAsEntering()
    {
        GradientButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        QSignalSpy entered(&b, &GradientButton::entered);
        QTest::mouseMove(&b, QPoint(10, 10));
        QTest::mouseMove(&b, QPoint(12, 10));
        QCOMPARE(entered.count(), 1);
        QCOMPARE(b.state(), GradientButton::State::Hover);
    }

    void checkedButtonKeepsItsLookUntilClicked()
    {
        GradientButton b(QStringLiteral("Go"));
        b.setLook(GradientButton::Look::GlossyCapsule);
        b.setCheckable(true);
        b.resize(80, 26);
        b.show();
        const QImage unchecked = render(b);
        b.setChecked(true);
        QCOMPARE(b.state(), GradientButton::State::Checked);
        const QImage checked = render(b);
        QVERIFY(checked != unchecked);
        sendEnter(&b);
        QCOMPARE(render(b), checked);
        sendLeave(&b);
        QCOMPARE(render(b), checked);
        QSignalSpy toggled(&b, &GradientButton::toggled);
        sendEnter(&b);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QCOMPARE(toggled.count(), 1);
        QVERIFY(!b.isChecked());
        QCOMPARE(b.state(), GradientButton::State::Hover);
    }

    void focusChangesTheState()
    {
        QWidget window;
        auto *b = new GradientButton(QStringLiteral("Go"), &window);
        auto *other = new GradientButton(QStringLiteral("Other"), &window);
        other->move(0, 40);
        window.show();
        QApplication::setActiveWindow(&window);
        b->setFocus();
        QCOMPARE(b->state(), GradientButton::State::Focused);
        other->setFocus();
        QCOMPARE(b->state(), GradientButton::State::Normal);
        // Gaining the focus under the mouse keeps the hover look.
        sendEnter(b);
        b->setFocus();
        QCOMPARE(b->state(), GradientButton::State::Hover);
    }

    void doubleClickDrawsPressedAndRaisesNoSecondClick()
    {
        GradientButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(40, 13),
                        b.mapToGlobal(QPointF(40, 13)), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(&b, &dbl);
        QCOMPARE(b.state(), GradientButton::State::Pressed);
        QCOMPARE(log.events, QStringList({QStringLiteral("doubleClicked")}));
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QCOMPARE(log.events,
                 QStringList({QStringLiteral("doubleClicked"), QStringLiteral("released")}));
        QVERIFY(!b.isDown());
    }

    void disabledButtonIgnoresMouseAndKeys()
    {
        QWidget window;
        auto *b = new GradientButton(QStringLiteral("Go"), &window);
        b->resize(80, 26);
        window.show();
        QApplication::setActiveWindow(&window);
        const QImage enabled = render(*b);
        b->setEnabled(false);
        QVERIFY(render(*b) != enabled);
        EventLog log;
        log.attach(b, this);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(40, 13));
        QTest::keyClick(b, Qt::Key_Return);
        b->click();
        QVERIFY(log.events.isEmpty());
        QCOMPARE(b->state(), GradientButton::State::Normal);
    }

    void colorSchemeSetsTheFourColors_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QColor>("up");
        QTest::addColumn<QColor>("hover");
        QTest::addColumn<QColor>("down");
        QTest::addColumn<QColor>("bright");
        QTest::newRow("1") << 1 << QColor(32, 103, 208) << QColor(80, 153, 233)
                           << QColor(16, 103, 160) << QColor(176, 237, 255);
        QTest::newRow("2") << 2 << QColor(96, 144, 208) << QColor(0, 96, 224)
                           << QColor(80, 128, 169) << QColor(250, 250, 255);
        QTest::newRow("3") << 3 << QColor(0, 0, 128) << QColor(0, 0, 160) << QColor(0, 0, 240)
                           << QColor(0, 0, 255);
        QTest::newRow("4") << 4 << QColor(128, 0, 0) << QColor(160, 0, 0) << QColor(240, 0, 0)
                           << QColor(255, 0, 0);
        QTest::newRow("5") << 5 << QColor(0, 128, 0) << QColor(0, 160, 0) << QColor(0, 192, 0)
                           << QColor(0, 255, 0);
        QTest::newRow("6") << 6 << QColor(128, 128, 0) << QColor(160, 160, 0) << QColor(192, 192, 0)
                           << QColor(255, 255, 0);
    }

    void colorSchemeSetsTheFourColors()
    {
        QFETCH(int, scheme);
        QFETCH(QColor, up);
        QFETCH(QColor, hover);
        QFETCH(QColor, down);
        QFETCH(QColor, bright);
        GradientButton b;
        b.setColorScheme(colorScheme(scheme));
        QCOMPARE(b.colorScheme(), colorScheme(scheme));
        QCOMPARE(b.faceColor(), up);
        QCOMPARE(b.hoverColor(), hover);
        QCOMPARE(b.downColor(), down);
        QCOMPARE(b.brightColor(), bright);
    }

    void customSchemeKeepsTheSchemesColors()
    {
        GradientButton b(QStringLiteral("Go"));
        b.setLook(GradientButton::Look::Plain);
        b.resize(80, 26);
        b.setColorScheme(GradientButton::ColorScheme::Red);
        const QImage red = render(b);
        QCOMPARE(QColor(red.pixel(20, 13)), QColor(128, 0, 0)); // the plain face
        b.setColorScheme(GradientButton::ColorScheme::Custom);
        QCOMPARE(b.faceColor(), QColor(128, 0, 0));
        QCOMPARE(b.brightColor(), QColor(255, 0, 0));
        QCOMPARE(render(b), red);
    }

    void settingAColorMakesTheSchemeCustom_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::newRow("face") << QByteArray("faceColor");
        QTest::newRow("hover") << QByteArray("hoverColor");
        QTest::newRow("down") << QByteArray("downColor");
        QTest::newRow("bright") << QByteArray("brightColor");
    }

    void settingAColorMakesTheSchemeCustom()
    {
        QFETCH(QByteArray, property);
        GradientButton b;
        b.setColorScheme(GradientButton::ColorScheme::Green);
        QVERIFY(b.setProperty(property.constData(), QColor(1, 2, 3)));
        QCOMPARE(b.colorScheme(), GradientButton::ColorScheme::Custom);
        QCOMPARE(b.property(property.constData()).value<QColor>(), QColor(1, 2, 3));
    }

    void blendColors_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QColor>("expected");
        const QColor a = QColor(10, 200, 30);
        const QColor b = QColor(250, 0, 131);
        QTest::newRow("150 % gives colour 2") << a << b << 150 << b;
        QTest::newRow("-10 % gives colour 1") << a << b << -10 << a;
        QTest::newRow("0 %") << a << b << 0 << a;
        QTest::newRow("100 %") << a << b << 100 << b;
        // 10 + 240 * 33 / 100 = 89; 200 - 200 * 33 / 100 = 134; 30 + 101 * 33 / 100 = 63.
        QTest::newRow("33 %, whole-number division") << a << b << 33 << QColor(89, 134, 63);
        // Toward a smaller value the division truncates toward zero: 200 - 66 = 134.
        QTest::newRow("white to black 50 %")
            << QColor(255, 255, 255) << QColor(0, 0, 0) << 50 << QColor(128, 128, 128);
    }

    void blendColors()
    {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(int, percent);
        QFETCH(QColor, expected);
        QCOMPARE(GradientButton::blend(first, second, percent), expected);
    }

    void roundedStylesLeaveTheirCornersClear_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("rounded");
        for (int s = 0; s <= 7; ++s)
            QTest::addRow("style %d", s) << s << (s >= 2);
    }

    void roundedStylesLeaveTheirCornersClear()
    {
        QFETCH(int, style);
        QFETCH(bool, rounded);
        GradientButton b{QString()};
        b.setLook(look(style));
        b.resize(90, 30);
        const QImage image = render(b);
        const QColor background(1, 2, 3);
        QCOMPARE(QColor(image.pixel(0, 0)) == background, rounded);
        QCOMPARE(QColor(image.pixel(89, 29)) == background, rounded);
        QVERIFY(QColor(image.pixel(45, 15)) != background);
        // A press in a clear corner is not a press on the button.
        b.show();
        QSignalSpy down(&b, &GradientButton::pressed);
        // (QTest takes the null point (0, 0) for the widget's centre.)
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(down.count(), rounded ? 0 : 1);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(1, 1));
    }

    void glossyStylesAreLighterAtTheTop_data()
    {
        QTest::addColumn<int>("style");
        for (int s : {2, 3, 4, 5, 7})
            QTest::addRow("style %d", s) << s;
    }

    void glossyStylesAreLighterAtTheTop()
    {
        QFETCH(int, style);
        GradientButton b{QString()};
        b.setLook(look(style));
        b.setColorScheme(colorScheme(4));
        b.resize(90, 30);
        const QImage image = render(b);
        const QColor top(image.pixel(45, 4));
        const QColor middle(image.pixel(45, 16));
        // The gloss band runs from near white toward the red face.
        QVERIFY2(top.green() > middle.green() + 30,
                 qPrintable(QStringLiteral("top %1 middle %2").arg(top.name(), middle.name())));
        // The lower glow leans toward the bright colour (pure red): no more green or blue.
        const QColor bottom(image.pixel(45, 26));
        QVERIFY(bottom.red() >= 128);
        QVERIFY(bottom.green() < 40);
    }

    void borderBrightnessSetsTheEdgeColor_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<QColor>("edge");
        const QColor face = QColor(100, 40, 200);
        for (int style : {2, 6}) {
            QTest::addRow("style %d, -100", style) << style << -100 << QColor(0, 0, 0);
            QTest::addRow("style %d, 100", style) << style << 100 << QColor(255, 255, 255);
            QTest::addRow("style %d, -50", style)
                << style << -50 << GradientButton::blend(face, QColor(0, 0, 0), 50);
            QTest::addRow("style %d, 30", style)
                << style << 30 << GradientButton::blend(face, QColor(255, 255, 255), 30);
        }
    }

    void borderBrightnessSetsTheEdgeColor()
    {
        QFETCH(int, style);
        QFETCH(int, brightness);
        QFETCH(QColor, edge);
        GradientButton b{QString()};
        b.setLook(look(style));
        b.setFaceColor(QColor(100, 40, 200));
        b.setBorderBrightness(qint16(brightness));
        b.resize(90, 30);
        const QImage image = render(b);
        QCOMPARE(QColor(image.pixel(45, 0)), edge);
        QCOMPARE(QColor(image.pixel(45, 29)), edge);
    }

    void focusShowsInEveryStyle_data()
    {
        QTest::addColumn<int>("style");
        for (int s = 0; s <= 7; ++s)
            QTest::addRow("style %d", s) << s;
    }

    void focusShowsInEveryStyle()
    {
        QFETCH(int, style);
        QWidget window;
        auto *other = new GradientButton(QStringLiteral("Other"), &window);
        auto *b = new GradientButton(QStringLiteral("Go"), &window);
        b->setLook(look(style));
        b->setColorScheme(colorScheme(2));
        b->setGeometry(0, 40, 90, 30);
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus();
        const QImage normal = render(*b);
        b->setFocus();
        QCOMPARE(b->state(), GradientButton::State::Focused);
        QVERIFY(render(*b) != normal);
    }

    void stylesLookDifferent()
    {
        QList<QImage> looks;
        for (int s = 0; s <= 7; ++s) {
            GradientButton b(QStringLiteral("Go"));
            b.setLook(look(s));
            b.setColorScheme(colorScheme(1));
            b.resize(90, 30);
            const QImage image = render(b);
            for (const QImage &other : looks)
                QVERIFY(image != other);
            looks << image;
        }
    }

    void statesUseTheirFaceColors_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QColor>("face");
        QTest::newRow("normal") << 0 << QColor(10, 20, 30);
        QTest::newRow("pressed") << 1 << QColor(50, 60, 70);
        QTest::newRow("hover") << 3 << QColor(90, 100, 110);
        QTest::newRow("checked") << 4 << QColor(50, 60, 70);
    }

    void statesUseTheirFaceColors()
    {
        QFETCH(int, action);
        QFETCH(QColor, face);
        GradientButton b{QString()};
        b.setLook(look(6)); // a plain face in the state colour
        b.setFaceColor(QColor(10, 20, 30));
        b.setDownColor(QColor(50, 60, 70));
        b.setHoverColor(QColor(90, 100, 110));
        b.resize(90, 30);
        b.show();
        if (action == 1)
            QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(45, 15));
        else if (action == 3)
            sendEnter(&b);
        else if (action == 4) {
            b.setCheckable(true);
            b.setChecked(true);
        }
        QCOMPARE(int(b.state()), action);
        QCOMPARE(QColor(render(b).pixel(45, 20)), face);
    }

    void pictureFollowsItsAlignment_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QRect>("box");
        // A 90 x 40 button, an 8 x 8 picture and no caption.
        QTest::newRow("0 centred") << 0 << QRect(41, 16, 8, 8);
        QTest::newRow("1 centred") << 1 << QRect(41, 16, 8, 8);
        QTest::newRow("2 left") << 2 << QRect(8, 16, 8, 8);
        QTest::newRow("3 right") << 3 << QRect(74, 16, 8, 8);
        QTest::newRow("other: top-left") << 7 << QRect(0, 0, 8, 8);
    }

    void pictureFollowsItsAlignment()
    {
        QFETCH(int, alignment);
        QFETCH(QRect, box);
        const QColor magenta(255, 0, 255);
        GradientButton b{QString()};
        b.setPicture(solidPicture(magenta));
        b.setPicturePosition(GradientButton::PicturePosition(alignment));
        b.resize(90, 40);
        b.show();
        QCOMPARE(boxOf(render(b), magenta), box);
        // Pressed, the picture moves one pixel right and down.
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(45, 30));
        QCOMPARE(boxOf(render(b), magenta), box.translated(1, 1));
    }

    void pictureAboveOrBelowTheCaption_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("pictureFirst");
        QTest::newRow("picture above") << 0 << true;
        QTest::newRow("caption above") << 1 << false;
    }

    void pictureAboveOrBelowTheCaption()
    {
        QFETCH(int, alignment);
        QFETCH(bool, pictureFirst);
        const QColor magenta(255, 0, 255);
        GradientButton b(QStringLiteral("WWW"));
        b.setLook(look(6));
        b.setFaceColor(QColor(255, 255, 255));
        b.setBorderBrightness(0);
        b.setPicture(solidPicture(magenta));
        b.setPicturePosition(GradientButton::PicturePosition(alignment));
        b.resize(90, 60);
        const QImage image = render(b);
        const QRect pic = boxOf(image, magenta);
        QVERIFY(!pic.isEmpty());
        const QRect text = boxOf(image, QColor(0, 0, 0));
        QVERIFY(!text.isEmpty());
        if (pictureFirst)
            QVERIFY(pic.bottom() < text.top());
        else
            QVERIFY(text.bottom() < pic.top());
    }

    void iconHighLiteDrawsASilhouetteUnderTheMouse()
    {
        const QColor magenta(255, 0, 255);
        GradientButton b{QString()};
        b.setPicture(solidPicture(magenta));
        b.setPicturePosition(GradientButton::PicturePosition::Left);
        b.setIconHighlight(true);
        b.setIconHighlightColor(QColor(0, 255, 0));
        b.resize(90, 40);
        b.show();
        QCOMPARE(boxOf(render(b), magenta), QRect(8, 16, 8, 8));
        sendEnter(&b);
        const QImage hovered = render(b);
        QVERIFY(boxOf(hovered, magenta).isEmpty());
        QCOMPARE(boxOf(hovered, QColor(0, 255, 0)), QRect(8, 16, 8, 8));
    }

    void captionHighLiteColorsTheCaptionUnderTheMouse_data()
    {
        QTest::addColumn<bool>("on");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }

    void captionHighLiteColorsTheCaptionUnderTheMouse()
    {
        QFETCH(bool, on);
        GradientButton b(QStringLiteral("WWW"));
        b.setLook(look(6));
        b.setTextHighlight(on);
        b.setTextHighlightColor(QColor(255, 0, 255));
        b.resize(90, 30);
        b.show();
        QVERIFY(boxOf(render(b), QColor(255, 0, 255)).isEmpty());
        sendEnter(&b);
        QCOMPARE(!boxOf(render(b), QColor(255, 0, 255)).isEmpty(), on);
    }

    void disabledPictureIsGreyed()
    {
        const QColor magenta(255, 0, 255);
        GradientButton b{QString()};
        b.setPicture(solidPicture(magenta));
        b.setPicturePosition(GradientButton::PicturePosition::Left);
        b.resize(90, 40);
        b.setEnabled(false);
        QVERIFY(boxOf(render(b), magenta).isEmpty());
    }

    void accessibleAsPushButtonNamedByCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("name");
        QTest::newRow("caption") << QStringLiteral("&Update") << QString()
                                 << QStringLiteral("Update");
        QTest::newRow("double ampersand")
            << QStringLiteral("Save && Go") << QString() << QStringLiteral("Save & Go");
    }

    void accessibleAsPushButtonNamedByCaption()
    {
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(QString, name);
        GradientButton b(caption);
        b.setToolTip(toolTip);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&b);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QSignalSpy clicked(&b, &GradientButton::clicked);
        QAccessibleActionInterface *actions = iface->actionInterface();
        QVERIFY(actions);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicked.count(), 1);
        b.setCheckable(true);
        b.setChecked(true);
        QVERIFY(iface->state().checked);
    }
};

QTEST_MAIN(tst_GradientButton)
#include "tst_gradientbutton.moc"
