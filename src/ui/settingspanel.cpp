// SPDX-License-Identifier: MIT
#include "settingspanel.h"

#include "colornumbers.h"

#include "colorbutton.h"
#include "gradientbutton.h"
#include "panelparts.h"
#include "pictures.h"
#include "twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace Velloquin {

using namespace panel;

namespace {

constexpr int MoveWidthTwips = 1515;
constexpr int MoveHeightTwips = 1260;

QComboBox *makeBox(QWidget *parent, const QString &name, const QString &caption)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    return box;
}

QLineEdit *makeEdit(QWidget *parent, const QString &name, const QString &caption)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(caption);
    return edit;
}

// Shows value in a size box; a size outside the list (from a file) is added in order, so
// the box always shows the puzzle's real size.
void selectSize(QComboBox *box, int value)
{
    const QString text = QString::number(value);
    int index = box->findText(text);
    if (index < 0) {
        index = 0;
        while (index < box->count() && box->itemText(index).toInt() < value)
            ++index;
        box->insertItem(index, text);
    }
    box->setCurrentIndex(index);
}

} // namespace

SettingsPanel::SettingsPanel(const PuzzleDocument &document, QWidget *parent)
    : GradientPanel(parent), m_document(document)
{
    setObjectName(QStringLiteral("picCWEditor"));
    setAccessibleName(tr("Crossword Settings"));

    m_heading = makeHeading(this, QStringLiteral("Label1"), tr("Crossword Settings"));
    m_titleLabel = makeLabel(this, QStringLiteral("lblTitle"), tr("Title:"));
    m_titleEdit = makeEdit(this, QStringLiteral("txtTitle"), tr("Title:"));
    m_topicLabel = makeLabel(this, QStringLiteral("lblTopic"), tr("Topic:"));
    m_topicEdit = makeEdit(this, QStringLiteral("txtSubject"), tr("Topic:"));
    m_widthLabel = makeLabel(this, QStringLiteral("lblWidth"), tr("Width:"));
    m_widthBox = makeBox(this, QStringLiteral("txtXSize"), tr("Width:"));
    m_heightLabel = makeLabel(this, QStringLiteral("lblHeight"), tr("Height:"));
    m_heightBox = makeBox(this, QStringLiteral("txtYSize"), tr("Height:"));
    m_titleLabel->setBuddy(m_titleEdit);
    m_topicLabel->setBuddy(m_topicEdit);
    m_widthLabel->setBuddy(m_widthBox);
    m_heightLabel->setBuddy(m_heightBox);
    for (QComboBox *box : {m_widthBox, m_heightBox})
        for (int n = 5; n <= 30; ++n)
            box->addItem(QString::number(n));

    m_changeButton = makeButton(this, QStringLiteral("cmdUpdateProperties"), tr("Change"),
                                tr("Change current setting"), 3);
    connect(m_changeButton, &GradientButton::clicked, this, &SettingsPanel::changeRequested);

    // Takes effect at the next "Create / Regenerate Crossword"; saved with the settings.
    m_methodLabel = makeLabel(this, QStringLiteral("lblMethod"), tr("Layout:"));
    m_methodBox = makeBox(this, QStringLiteral("cboMethod"), tr("Layout:"));
    m_methodBox->addItem(tr("Classic"));
    m_methodBox->addItem(tr("Thorough"));
    m_methodBox->addItem(tr("Fit"));
    m_methodBox->setItemData(0, tr("Quick: words cross at random places"), Qt::ToolTipRole);
    m_methodBox->setItemData(1, tr("Searches up to 2 seconds to fit every word"), Qt::ToolTipRole);
    m_methodBox->setItemData(
        2, tr("Searches up to 3 seconds for the smallest grid that holds every word"),
        Qt::ToolTipRole);
    m_methodBox->setToolTip(tr("How the crossword is generated"));
    m_methodLabel->setBuddy(m_methodBox);

    auto picker = [this](int index, const QString &caption, QLabel *&label) {
        label = makeLabel(this, QStringLiteral("Label3_%1").arg(index), caption);
        auto *p = new ColorButton(this);
        p->setObjectName(QStringLiteral("ColorPicker1_%1").arg(index));
        p->setAccessibleName(caption);
        p->setToolTip(caption);
        label->setBuddy(p);
        connect(p, &ColorButton::changed, this, &SettingsPanel::colorsChanged);
        return p;
    };
    m_backgroundPicker = picker(0, tr("Background"), m_backgroundLabel);
    m_gridLinePicker = picker(1, tr("Grid Lines"), m_gridLineLabel);
    m_squarePicker = picker(2, tr("Squares"), m_squareLabel);

    buildMoveButtons();
    connect(&m_document, &PuzzleDocument::puzzleChanged, this, &SettingsPanel::showPuzzleFields);
}

void SettingsPanel::buildMoveButtons()
{
    m_movePanel = new GradientPanel(this);
    m_movePanel->setObjectName(QStringLiteral("pMove"));
    m_movePanel->setAccessibleName(tr("Move the whole crossword"));
    m_movePanel->setBands({{0, -1, PanelMid, PanelLight, 2}});
    const QString tips[4] = {tr("Move the whole crossword left one square"),
                             tr("Move the whole crossword right one square"),
                             tr("Move the whole crossword up one square"),
                             tr("Move the whole crossword down one square")};
    // The cross: left and right in the middle row, up on top, down at the bottom.
    constexpr int bw = 450, bh = 390;
    constexpr int centre = (MoveWidthTwips - bw) / 2;
    const QRect places[4] = {twipsRect(centre - bw - 30, 435, bw, bh),
                             twipsRect(centre + bw + 30, 435, bw, bh),
                             twipsRect(centre, 30, bw, bh), twipsRect(centre, 840, bw, bh)};
    for (int i = 0; i < 4; ++i) {
        GradientButton *button = makeButton(m_movePanel, QStringLiteral("CandyButton1_%1").arg(i),
                                            QString(), tips[i], 3);
        button->setText(QString());
        button->setPicture(movePicture(i));
        button->setGeometry(places[i]);
        m_moveButtons.append(button);
        const auto direction = MoveDirection(i);
        connect(button, &GradientButton::clicked, this,
                [this, direction] { emit moveRequested(direction); });
    }
}

QString SettingsPanel::title() const
{
    return m_titleEdit->text();
}

QString SettingsPanel::topic() const
{
    return m_topicEdit->text();
}

QString SettingsPanel::widthText() const
{
    return m_widthBox->currentText();
}

QString SettingsPanel::heightText() const
{
    return m_heightBox->currentText();
}

void SettingsPanel::setSizeTexts(const QString &width, const QString &height)
{
    m_widthBox->setCurrentText(width);
    m_heightBox->setCurrentText(height);
}

void SettingsPanel::showPuzzleFields()
{
    const CrosswordData &p = m_document.puzzle();
    m_titleEdit->setText(p.title);
    m_topicEdit->setText(p.subject);
    selectSize(m_widthBox, p.width);
    selectSize(m_heightBox, p.height);
}

LayoutMethod SettingsPanel::layoutMethod() const
{
    switch (m_methodBox->currentIndex()) {
    case 1:
        return LayoutMethod::Thorough;
    case 2:
        return LayoutMethod::Fit;
    default:
        return LayoutMethod::Classic;
    }
}

void SettingsPanel::setLayoutMethod(LayoutMethod method)
{
    m_methodBox->setCurrentIndex(int(method));
}

QColor SettingsPanel::background() const
{
    return m_backgroundPicker->color();
}

QColor SettingsPanel::gridLines() const
{
    return m_gridLinePicker->color();
}

QColor SettingsPanel::squares() const
{
    return m_squarePicker->color();
}

void SettingsPanel::setColors(const QColor &background, const QColor &gridLines,
                              const QColor &squares)
{
    m_backgroundPicker->setColor(background);
    m_backgroundPicker->setDefaultColor(colorFromNumber(DefaultBackgroundColor));
    m_gridLinePicker->setColor(gridLines);
    m_gridLinePicker->setDefaultColor(colorFromNumber(DefaultGridLinesColor));
    m_squarePicker->setColor(squares);
    m_squarePicker->setDefaultColor(colorFromNumber(DefaultSquaresColor));
}

QColor SettingsPanel::defaultBackground() const
{
    return m_backgroundPicker->defaultColor();
}

QColor SettingsPanel::defaultGridLines() const
{
    return m_gridLinePicker->defaultColor();
}

QColor SettingsPanel::defaultSquares() const
{
    return m_squarePicker->defaultColor();
}

void SettingsPanel::setGridLinesPickerShown(bool shown)
{
    m_gridLinePicker->setVisible(shown);
    m_gridLineLabel->setVisible(shown);
}

QList<QWidget *> SettingsPanel::tabOrder() const
{
    return {m_titleEdit,
            m_topicEdit,
            m_widthBox,
            m_heightBox,
            m_changeButton,
            m_methodBox,
            m_backgroundPicker,
            m_squarePicker,
            m_gridLinePicker,
            m_moveButtons.at(int(MoveDirection::Up)),
            m_moveButtons.at(int(MoveDirection::Left)),
            m_moveButtons.at(int(MoveDirection::Right)),
            m_moveButtons.at(int(MoveDirection::Down))};
}

void SettingsPanel::resizeEvent(QResizeEvent *event)
{
    GradientPanel::resizeEvent(event);
    // The heading shrinks its font until it fits the narrow panel.
    QFont font = m_heading->font();
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(m_heading->text()) > width() - 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    m_heading->setFont(font);
    const int labelHeight = m_heading->sizeHint().height() + 4;
    m_heading->setGeometry(0, 0, width(), labelHeight);
    setBands({{0, labelHeight, HeadingTop, HeadingBottom, 1},
              {labelHeight, -1, PanelLight, PanelMid, 1}});

    const int top = pixelsToTwips(labelHeight) + 90;
    m_titleLabel->setGeometry(twipsRect(EdLeft, top, EdWidth, EdLabelHeight));
    m_titleEdit->setGeometry(twipsRect(EdLeft, top + 240, EdWidth, EdBoxHeight));
    m_topicLabel->setGeometry(twipsRect(EdLeft, top + 630, EdWidth, EdLabelHeight));
    m_topicEdit->setGeometry(twipsRect(EdLeft, top + 870, EdWidth, EdBoxHeight));
    const int half = (EdWidth - 75) / 2;
    m_widthLabel->setGeometry(twipsRect(EdLeft, top + 1260, half, EdLabelHeight));
    m_heightLabel->setGeometry(twipsRect(EdLeft + half + 75, top + 1260, half, EdLabelHeight));
    m_widthBox->setGeometry(twipsRect(EdLeft, top + 1500, half, EdBoxHeight + 15));
    m_heightBox->setGeometry(twipsRect(EdLeft + half + 75, top + 1500, half, EdBoxHeight + 15));
    m_changeButton->setGeometry(twipsRect(EdLeft, top + 1950, EdWidth, 390));
    m_methodLabel->setGeometry(twipsRect(EdLeft, top + 2460, EdWidth, EdLabelHeight));
    m_methodBox->setGeometry(twipsRect(EdLeft, top + 2700, EdWidth, EdBoxHeight + 15));

    // Pickers top to bottom: Background, Squares, Grid Lines.
    const std::pair<QLabel *, ColorButton *> pickers[3] = {{m_backgroundLabel, m_backgroundPicker},
                                                           {m_squareLabel, m_squarePicker},
                                                           {m_gridLineLabel, m_gridLinePicker}};
    int y = top + 3150;
    for (const auto &[label, picker] : pickers) {
        label->setGeometry(twipsRect(EdLeft, y, EdWidth, EdLabelHeight));
        picker->setGeometry(twipsRect(EdLeft, y + 240, EdWidth, EdBoxHeight));
        y += 660;
    }

    const int innerHeight = pixelsToTwips(height());
    m_movePanel->setGeometry(
        twipsRect(90, innerHeight - MoveHeightTwips - 100, MoveWidthTwips, MoveHeightTwips));
}

} // namespace Velloquin
