// SPDX-License-Identifier: MIT
#include "candybutton.h"
#include "colournumbers.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr qint32 rgbNumber(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

// Records the button's events by name, in order.
struct EventLog
{
    QStringList events;

    void attach(CandyButton *b, QObject *context)
    {
        QObject::connect(b, &CandyButton::mouseDown, context,
                         [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                             events << QStringLiteral("MouseDown");
                         });
        QObject::connect(b, &CandyButton::mouseUp, context,
                         [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                             events << QStringLiteral("MouseUp");
                         });
        QObject::connect(b, &CandyButton::clicked, context,
                         [this] { events << QStringLiteral("Click"); });
        QObject::connect(b, &CandyButton::doubleClicked, context,
                         [this] { events << QStringLiteral("DblClick"); });
        QObject::connect(b, &CandyButton::mouseEnter, context,
                         [this] { events << QStringLiteral("MouseEnter"); });
        QObject::connect(b, &CandyButton::mouseLeave, context,
                         [this] { events << QStringLiteral("MouseLeave"); });
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
QImage render(CandyButton &b)
{
    QImage image(b.size(), QImage::Format_ARGB32);
    image.fill(QColor(1, 2, 3));
    b.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The bounding box of the pixels of exactly this colour.
QRect boxOf(const QImage &image, const QColor &colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == colour)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

QPixmap solidPicture(const QColor &colour, int size = 8)
{
    QPixmap pix(size, size);
    pix.fill(colour);
    return pix;
}

} // namespace

class tst_CandyButton : public QObject
{
    Q_OBJECT

private slots:
    void newButtonHasDocumentedDefaults()
    {
        CandyButton b;
        b.setObjectName(QStringLiteral("cmdDelete"));
        QCOMPARE(b.caption(), QStringLiteral("cmdDelete"));
        QCOMPARE(b.foreColor(), 0);
        QCOMPARE(b.style(), 0);
        QCOMPARE(b.colorScheme(), qint16(0));
        QCOMPARE(b.colorButtonUp(), rgbNumber(80, 153, 233));
        QCOMPARE(b.colorButtonHover(), rgbNumber(144, 192, 255));
        QCOMPARE(b.colorButtonDown(), rgbNumber(80, 153, 233));
        QCOMPARE(b.colorBright(), rgbNumber(176, 237, 255));
        QCOMPARE(b.borderBrightness(), qint16(0));
        QCOMPARE(b.iconHighLiteColor(), rgbNumber(0, 255, 0));
        QCOMPARE(b.captionHighLiteColor(), rgbNumber(0, 255, 0));
        QVERIFY(!b.isChecked());
        QVERIFY(!b.displayHand());
        QCOMPARE(b.state(), CandyButton::Normal);
        b.setCaption(QStringLiteral("&Delete"));
        QCOMPARE(b.caption(), QStringLiteral("&Delete"));
    }

    void pressAndReleaseInsideRaiseDownUpClickInOrder()
    {
        CandyButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QCOMPARE(b.state(), CandyButton::Pressed);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(41, 12));
        QCOMPARE(log.events, QStringList({QStringLiteral("MouseDown"), QStringLiteral("MouseUp"),
                                          QStringLiteral("Click")}));
        QCOMPARE(b.state(), CandyButton::Hover);
    }

    void pressWhoseReleaseWentElsewhereLeavesNoPressedLook()
    {
        CandyButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        QWidget dialog;
        QSignalSpy clicks(&b, &CandyButton::clicked);
        QMouseEvent move(QEvent::MouseMove, QPointF(40, 13), b.mapToGlobal(QPointF(40, 13)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&b, &move);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QTest::mouseRelease(&dialog, Qt::LeftButton); // a dialog took the release
        QApplication::sendEvent(&b, &move);
        QCOMPARE(b.state(), CandyButton::Hover);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QCOMPARE(clicks.count(), 1);
    }

    void releaseOutsideRaisesNoClick()
    {
        CandyButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QTest::mouseMove(&b, QPoint(120, 13));
        QCOMPARE(b.state(), CandyButton::Normal); // dragged out with the button held
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(120, 13));
        QCOMPARE(log.events, QStringList({QStringLiteral("MouseDown"), QStringLiteral("MouseUp")}));
    }

    void dragOutAndReleaseStillPairsEnterWithLeave()
    {
        CandyButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        sendEnter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QTest::mouseMove(&b, QPoint(120, 13));
        QVERIFY(!b.isMouseInside());
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(120, 13));
        sendLeave(&b);
        QCOMPARE(log.events,
                 QStringList({QStringLiteral("MouseEnter"), QStringLiteral("MouseDown"),
                              QStringLiteral("MouseUp"), QStringLiteral("MouseLeave")}));
        QCOMPARE(b.state(), CandyButton::Normal);
    }

    void rightButtonRaisesNoClick()
    {
        CandyButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        QTest::mouseClick(&b, Qt::RightButton, {}, QPoint(40, 13));
        QCOMPARE(log.events, QStringList({QStringLiteral("MouseDown"), QStringLiteral("MouseUp")}));
    }

    void enterOnFocusedButtonClicksIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("keypad enter") << int(Qt::Key_Enter);
    }

    void enterOnFocusedButtonClicksIt()
    {
        QFETCH(int, key);
        QWidget window;
        auto *b = new CandyButton(QStringLiteral("Go"), &window);
        b->resize(80, 26);
        window.show();
        QApplication::setActiveWindow(&window);
        b->setFocus();
        QVERIFY(b->hasFocus());
        QCOMPARE(b->state(), CandyButton::Focused);
        EventLog log;
        log.attach(b, this);
        QTest::keyPress(b, Qt::Key(key));
        QCOMPARE(b->state(), CandyButton::Pressed);
        QTest::keyRelease(b, Qt::Key(key));
        QCOMPARE(log.events, QStringList({QStringLiteral("MouseDown"), QStringLiteral("MouseUp"),
                                          QStringLiteral("Click")}));
        QCOMPARE(b->state(), CandyButton::Focused);
    }

    void otherKeysDoNotClick()
    {
        CandyButton b(QStringLiteral("Go"));
        b.show();
        QSignalSpy clicked(&b, &CandyButton::clicked);
        QTest::keyClick(&b, Qt::Key_A);
        QTest::keyClick(&b, Qt::Key_Tab);
        QCOMPARE(clicked.count(), 0);
    }

    void accessKeyClicksIt()
    {
        QWidget window;
        auto *b = new CandyButton(QStringLiteral("&Update"), &window);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy clicked(b, &CandyButton::clicked);
        QTest::keyClick(&window, Qt::Key_U, Qt::AltModifier);
        QCOMPARE(clicked.count(), 1);
    }

    void mouseEnterAndLeaveChangeTheLook()
    {
        CandyButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        const QImage normal = render(b);
        sendEnter(&b);
        QCOMPARE(b.state(), CandyButton::Hover);
        QVERIFY(b.isMouseInside());
        QVERIFY(render(b) != normal);
        sendLeave(&b);
        QCOMPARE(b.state(), CandyButton::Normal);
        QCOMPARE(log.events,
                 QStringList({QStringLiteral("MouseEnter"), QStringLiteral("MouseLeave")}));
        QCOMPARE(render(b), normal);
    }

    void mouseMoveIntoTheButtonCountsAsEntering()
    {
        CandyButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        QSignalSpy entered(&b, &CandyButton::mouseEnter);
        QSignalSpy moved(&b, &CandyButton::mouseMove);
        QTest::mouseMove(&b, QPoint(10, 10));
        QTest::mouseMove(&b, QPoint(12, 10));
        QCOMPARE(entered.count(), 1);
        QVERIFY(moved.count() >= 1);
        QCOMPARE(b.state(), CandyButton::Hover);
    }

    void checkedButtonKeepsItsLookOnEnterAndLeave()
    {
        CandyButton b(QStringLiteral("Go"));
        b.setStyle(2);
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        const QImage unchecked = render(b);
        b.setChecked(true);
        QCOMPARE(b.state(), CandyButton::CheckedState);
        const QImage checked = render(b);
        QVERIFY(checked != unchecked);
        sendEnter(&b);
        QCOMPARE(b.state(), CandyButton::CheckedState);
        QCOMPARE(render(b), checked);
        sendLeave(&b);
        QCOMPARE(b.state(), CandyButton::CheckedState);
        QCOMPARE(render(b), checked);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QCOMPARE(b.state(), CandyButton::CheckedState);
        // The events still arrive.
        QCOMPARE(log.events.first(), QStringLiteral("MouseEnter"));
        QVERIFY(log.events.contains(QStringLiteral("MouseLeave")));
        QCOMPARE(log.events.last(), QStringLiteral("Click"));
    }

    void uncheckingShowsHoverOnlyWithTheMouseInside_data()
    {
        QTest::addColumn<bool>("inside");
        QTest::addColumn<int>("state");
        QTest::newRow("mouse inside") << true << int(CandyButton::Hover);
        QTest::newRow("mouse outside") << false << int(CandyButton::Normal);
    }

    void uncheckingShowsHoverOnlyWithTheMouseInside()
    {
        QFETCH(bool, inside);
        QFETCH(int, state);
        CandyButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        QSignalSpy toggled(&b, &CandyButton::checkedChanged);
        b.setChecked(true);
        if (inside)
            sendEnter(&b);
        b.setChecked(false);
        QCOMPARE(int(b.state()), state);
        QCOMPARE(toggled.count(), 2);
    }

    void focusChangesTheState()
    {
        QWidget window;
        auto *b = new CandyButton(QStringLiteral("Go"), &window);
        auto *other = new CandyButton(QStringLiteral("Other"), &window);
        other->move(0, 40);
        window.show();
        QApplication::setActiveWindow(&window);
        b->setFocus();
        QCOMPARE(b->state(), CandyButton::Focused);
        other->setFocus();
        QCOMPARE(b->state(), CandyButton::Normal);
        // Gaining the focus under the mouse keeps the hover look.
        sendEnter(b);
        b->setFocus();
        QCOMPARE(b->state(), CandyButton::Hover);
    }

    void doubleClickDrawsPressedAndRaisesDblClick()
    {
        CandyButton b(QStringLiteral("Go"));
        b.resize(80, 26);
        b.show();
        EventLog log;
        log.attach(&b, this);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(40, 13),
                        b.mapToGlobal(QPointF(40, 13)), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(&b, &dbl);
        QCOMPARE(b.state(), CandyButton::Pressed);
        QCOMPARE(log.events, QStringList({QStringLiteral("DblClick")}));
        // Its release raises MouseUp but no second Click.
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(40, 13));
        QCOMPARE(log.events, QStringList({QStringLiteral("DblClick"), QStringLiteral("MouseUp")}));
    }

    void disabledButtonIgnoresMouseAndKeys()
    {
        QWidget window;
        auto *b = new CandyButton(QStringLiteral("Go"), &window);
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
        QCOMPARE(b->state(), CandyButton::Normal);
    }

    void colourSchemeSetsTheFourColours_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<qint32>("up");
        QTest::addColumn<qint32>("hover");
        QTest::addColumn<qint32>("down");
        QTest::addColumn<qint32>("bright");
        QTest::newRow("1") << 1 << rgbNumber(32, 103, 208) << rgbNumber(80, 153, 233)
                           << rgbNumber(16, 103, 160) << rgbNumber(176, 237, 255);
        QTest::newRow("2") << 2 << rgbNumber(96, 144, 208) << rgbNumber(0, 96, 224)
                           << rgbNumber(80, 128, 169) << rgbNumber(250, 250, 255);
        QTest::newRow("3") << 3 << rgbNumber(0, 0, 128) << rgbNumber(0, 0, 160)
                           << rgbNumber(0, 0, 240) << rgbNumber(0, 0, 255);
        QTest::newRow("4") << 4 << rgbNumber(128, 0, 0) << rgbNumber(160, 0, 0)
                           << rgbNumber(240, 0, 0) << rgbNumber(255, 0, 0);
        QTest::newRow("5") << 5 << rgbNumber(0, 128, 0) << rgbNumber(0, 160, 0)
                           << rgbNumber(0, 192, 0) << rgbNumber(0, 255, 0);
        QTest::newRow("6") << 6 << rgbNumber(128, 128, 0) << rgbNumber(160, 160, 0)
                           << rgbNumber(192, 192, 0) << rgbNumber(255, 255, 0);
    }

    void colourSchemeSetsTheFourColours()
    {
        QFETCH(int, scheme);
        QFETCH(qint32, up);
        QFETCH(qint32, hover);
        QFETCH(qint32, down);
        QFETCH(qint32, bright);
        CandyButton b;
        b.setColorScheme(qint16(scheme));
        QCOMPARE(b.colorScheme(), qint16(scheme));
        QCOMPARE(b.colorButtonUp(), up);
        QCOMPARE(b.colorButtonHover(), hover);
        QCOMPARE(b.colorButtonDown(), down);
        QCOMPARE(b.colorBright(), bright);
    }

    void schemeBackToZeroKeepsTheRedColours()
    {
        CandyButton b(QStringLiteral("Go"));
        b.setStyle(6);
        b.resize(80, 26);
        b.setColorScheme(4);
        const QImage red = render(b);
        QCOMPARE(QColor(red.pixel(20, 13)), QColor(128, 0, 0)); // style 6: the plain face
        b.setColorScheme(0);
        QCOMPARE(b.colorScheme(), qint16(0));
        QCOMPARE(b.colorButtonUp(), rgbNumber(128, 0, 0));
        QCOMPARE(b.colorBright(), rgbNumber(255, 0, 0));
        QCOMPARE(render(b), red);
        // Any other number is only stored.
        b.setColorScheme(9);
        QCOMPARE(b.colorScheme(), qint16(9));
        QCOMPARE(b.colorButtonHover(), rgbNumber(160, 0, 0));
    }

    void settingAColourResetsTheScheme_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::newRow("up") << QByteArray("ColorButtonUp");
        QTest::newRow("hover") << QByteArray("ColorButtonHover");
        QTest::newRow("down") << QByteArray("ColorButtonDown");
        QTest::newRow("bright") << QByteArray("ColorBright");
    }

    void settingAColourResetsTheScheme()
    {
        QFETCH(QByteArray, property);
        CandyButton b;
        b.setColorScheme(5);
        QVERIFY(b.setProperty(property.constData(), QVariant::fromValue(rgbNumber(1, 2, 3))));
        QCOMPARE(b.colorScheme(), qint16(0));
        QCOMPARE(b.property(property.constData()).value<qint32>(), rgbNumber(1, 2, 3));
    }

    void blendColors_data()
    {
        QTest::addColumn<qint32>("first");
        QTest::addColumn<qint32>("second");
        QTest::addColumn<int>("percent");
        QTest::addColumn<qint32>("expected");
        const qint32 a = rgbNumber(10, 200, 30);
        const qint32 b = rgbNumber(250, 0, 131);
        QTest::newRow("150 % gives colour 2") << a << b << 150 << b;
        QTest::newRow("-10 % gives colour 1") << a << b << -10 << a;
        QTest::newRow("0 %") << a << b << 0 << a;
        QTest::newRow("100 %") << a << b << 100 << b;
        // 10 + 240 * 33 / 100 = 89; 200 - 200 * 33 / 100 = 134; 30 + 101 * 33 / 100 = 63.
        QTest::newRow("33 %, whole-number division") << a << b << 33 << rgbNumber(89, 134, 63);
        // Toward a smaller value the division truncates toward zero: 200 - 66 = 134.
        QTest::newRow("white to black 50 %")
            << rgbNumber(255, 255, 255) << qint32(0) << 50 << rgbNumber(128, 128, 128);
    }

    void blendColors()
    {
        QFETCH(qint32, first);
        QFETCH(qint32, second);
        QFETCH(int, percent);
        QFETCH(qint32, expected);
        QCOMPARE(CandyButton::BlendColors(first, second, percent), expected);
    }

    void blendColorsTranslatesSystemColours()
    {
        const qint32 face = systemColourNumber(15);
        QCOMPARE(CandyButton::BlendColors(face, 0, 0), plainColourNumber(face));
        QCOMPARE(CandyButton::BlendColors(0, face, 100), plainColourNumber(face));
    }

    void getRGBSplitsAColour_data()
    {
        QTest::addColumn<qint32>("colour");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("plain") << rgbNumber(1, 2, 3) << 1 << 2 << 3;
        QTest::newRow("white") << rgbNumber(255, 255, 255) << 255 << 255 << 255;
        const QColor face = systemColour(15);
        QTest::newRow("system") << systemColourNumber(15) << face.red() << face.green()
                                << face.blue();
    }

    void getRGBSplitsAColour()
    {
        QFETCH(qint32, colour);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        int r = -1, g = -1, b = -1;
        CandyButton::GetRGB(colour, r, g, b);
        QCOMPARE(r, red);
        QCOMPARE(g, green);
        QCOMPARE(b, blue);
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
        CandyButton b{QString()};
        b.setStyle(style);
        b.resize(90, 30);
        const QImage image = render(b);
        const QColor background(1, 2, 3);
        QCOMPARE(QColor(image.pixel(0, 0)) == background, rounded);
        QCOMPARE(QColor(image.pixel(89, 29)) == background, rounded);
        QVERIFY(QColor(image.pixel(45, 15)) != background);
        // A press in a clear corner is not a press on the button.
        b.show();
        QSignalSpy down(&b, &CandyButton::mouseDown);
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
        CandyButton b{QString()};
        b.setStyle(style);
        b.setColorScheme(4);
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

    void borderBrightnessSetsTheEdgeColour_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<qint32>("edge");
        const qint32 face = rgbNumber(100, 40, 200);
        for (int style : {2, 6}) {
            QTest::addRow("style %d, -100", style) << style << -100 << qint32(0);
            QTest::addRow("style %d, 100", style) << style << 100 << rgbNumber(255, 255, 255);
            QTest::addRow("style %d, -50", style)
                << style << -50 << CandyButton::BlendColors(face, 0, 50);
            QTest::addRow("style %d, 30", style)
                << style << 30 << CandyButton::BlendColors(face, rgbNumber(255, 255, 255), 30);
        }
    }

    void borderBrightnessSetsTheEdgeColour()
    {
        QFETCH(int, style);
        QFETCH(int, brightness);
        QFETCH(qint32, edge);
        CandyButton b{QString()};
        b.setStyle(style);
        b.setColorButtonUp(rgbNumber(100, 40, 200));
        b.setBorderBrightness(qint16(brightness));
        b.resize(90, 30);
        const QImage image = render(b);
        QCOMPARE(QColor(image.pixel(45, 0)), colourFromNumber(edge));
        QCOMPARE(QColor(image.pixel(45, 29)), colourFromNumber(edge));
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
        auto *other = new CandyButton(QStringLiteral("Other"), &window);
        auto *b = new CandyButton(QStringLiteral("Go"), &window);
        b->setStyle(style);
        b->setColorScheme(2);
        b->setGeometry(0, 40, 90, 30);
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus();
        const QImage normal = render(*b);
        b->setFocus();
        QCOMPARE(b->state(), CandyButton::Focused);
        QVERIFY(render(*b) != normal);
    }

    void stylesLookDifferent()
    {
        QList<QImage> looks;
        for (int s = 0; s <= 7; ++s) {
            CandyButton b(QStringLiteral("Go"));
            b.setStyle(s);
            b.setColorScheme(1);
            b.resize(90, 30);
            const QImage image = render(b);
            for (const QImage &other : looks)
                QVERIFY(image != other);
            looks << image;
        }
    }

    void statesUseTheirFaceColours_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<qint32>("face");
        QTest::newRow("normal") << 0 << rgbNumber(10, 20, 30);
        QTest::newRow("pressed") << 1 << rgbNumber(50, 60, 70);
        QTest::newRow("hover") << 3 << rgbNumber(90, 100, 110);
        QTest::newRow("checked") << 4 << rgbNumber(50, 60, 70);
    }

    void statesUseTheirFaceColours()
    {
        QFETCH(int, action);
        QFETCH(qint32, face);
        CandyButton b{QString()};
        b.setStyle(6); // a plain face in the state colour
        b.setColorButtonUp(rgbNumber(10, 20, 30));
        b.setColorButtonDown(rgbNumber(50, 60, 70));
        b.setColorButtonHover(rgbNumber(90, 100, 110));
        b.resize(90, 30);
        b.show();
        if (action == 1)
            QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(45, 15));
        else if (action == 3)
            sendEnter(&b);
        else if (action == 4)
            b.setChecked(true);
        QCOMPARE(int(b.state()), action);
        QCOMPARE(QColor(render(b).pixel(45, 20)), colourFromNumber(face));
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
        CandyButton b{QString()};
        b.setPicture(solidPicture(magenta));
        b.setPictureAlignment(alignment);
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
        CandyButton b(QStringLiteral("WWW"));
        b.setStyle(6);
        b.setColorButtonUp(rgbNumber(255, 255, 255));
        b.setBorderBrightness(0);
        b.setPicture(solidPicture(magenta));
        b.setPictureAlignment(alignment);
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
        CandyButton b{QString()};
        b.setPicture(solidPicture(magenta));
        b.setPictureAlignment(2);
        b.setIconHighLite(true);
        b.setIconHighLiteColor(rgbNumber(0, 255, 0));
        b.resize(90, 40);
        b.show();
        QCOMPARE(boxOf(render(b), magenta), QRect(8, 16, 8, 8));
        sendEnter(&b);
        const QImage hovered = render(b);
        QVERIFY(boxOf(hovered, magenta).isEmpty());
        QCOMPARE(boxOf(hovered, QColor(0, 255, 0)), QRect(8, 16, 8, 8));
    }

    void captionHighLiteColoursTheCaptionUnderTheMouse_data()
    {
        QTest::addColumn<bool>("on");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }

    void captionHighLiteColoursTheCaptionUnderTheMouse()
    {
        QFETCH(bool, on);
        CandyButton b(QStringLiteral("WWW"));
        b.setStyle(6);
        b.setCaptionHighLite(on);
        b.setCaptionHighLiteColor(rgbNumber(255, 0, 255));
        b.resize(90, 30);
        b.show();
        QVERIFY(boxOf(render(b), QColor(255, 0, 255)).isEmpty());
        sendEnter(&b);
        QCOMPARE(!boxOf(render(b), QColor(255, 0, 255)).isEmpty(), on);
    }

    void disabledPictureIsGreyed()
    {
        const QColor magenta(255, 0, 255);
        CandyButton b{QString()};
        b.setPicture(solidPicture(magenta));
        b.setPictureAlignment(2);
        b.resize(90, 40);
        b.setEnabled(false);
        QVERIFY(boxOf(render(b), magenta).isEmpty());
    }

    void displayHandSetsThePointingHand()
    {
        CandyButton b;
        b.setDisplayHand(true);
        QCOMPARE(b.cursor().shape(), Qt::PointingHandCursor);
        b.setDisplayHand(false);
        QCOMPARE(b.cursor().shape(), Qt::ArrowCursor);
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
        QTest::newRow("tooltip") << QString() << QStringLiteral("Move left")
                                 << QStringLiteral("Move left");
    }

    void accessibleAsPushButtonNamedByCaption()
    {
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(QString, name);
        CandyButton b(caption);
        b.setToolTip(toolTip);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&b);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QSignalSpy clicked(&b, &CandyButton::clicked);
        QAccessibleActionInterface *actions = iface->actionInterface();
        QVERIFY(actions);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);
        b.setChecked(true);
        QVERIFY(iface->state().checked);
    }
};

QTEST_MAIN(tst_CandyButton)
#include "tst_candybutton.moc"
