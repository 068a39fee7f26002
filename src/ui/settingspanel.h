// SPDX-License-Identifier: MIT
#pragma once

#include "gradientpanel.h"
#include "puzzledocument.h"
#include "settings.h"

#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;

namespace Velloquin {

class GradientButton;
class ColorButton;

// The "Crossword Settings" panel on the left of the window (picCWEditor): the title,
// topic and size of the puzzle with "Change" to apply them, the layout method, the three
// grid colours and the buttons that move the whole crossword. It shows the document's
// title, topic and size whenever the puzzle changes; what the user types stays in the
// boxes until "Change" applies it.
class SettingsPanel : public GradientPanel
{
    Q_OBJECT

public:
    SettingsPanel(const PuzzleDocument &document, QWidget *parent);

    QString title() const;
    QString topic() const;
    // The texts of the size boxes, as typed.
    QString widthText() const;
    QString heightText() const;
    void setSizeTexts(const QString &width, const QString &height);
    // Shows the puzzle's title, topic and size (a size outside the lists is added to them).
    void showPuzzleFields();

    LayoutMethod layoutMethod() const;
    void setLayoutMethod(LayoutMethod method);

    // The three grid colours and the values "Reset" goes back to.
    QColor background() const;
    QColor gridLines() const;
    QColor squares() const;
    void setColors(const QColor &background, const QColor &gridLines, const QColor &squares);
    QColor defaultBackground() const;
    QColor defaultGridLines() const;
    QColor defaultSquares() const;
    // The Grid Lines picker is hidden in outline mode.
    void setGridLinesPickerShown(bool shown);

    // The controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;

signals:
    // "Change" was pressed.
    void changeRequested();
    // A move button was pressed.
    void moveRequested(MoveDirection direction);
    // The user chose another colour.
    void colorsChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMoveButtons();

    const PuzzleDocument &m_document;
    QLabel *m_heading = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLineEdit *m_titleEdit = nullptr;
    QLabel *m_topicLabel = nullptr;
    QLineEdit *m_topicEdit = nullptr;
    QLabel *m_widthLabel = nullptr;
    QComboBox *m_widthBox = nullptr;
    QLabel *m_heightLabel = nullptr;
    QComboBox *m_heightBox = nullptr;
    GradientButton *m_changeButton = nullptr;
    QLabel *m_methodLabel = nullptr;
    QComboBox *m_methodBox = nullptr; // "Classic" (0), "Thorough" (1) or "Fit" (2)
    ColorButton *m_backgroundPicker = nullptr;
    ColorButton *m_gridLinePicker = nullptr;
    ColorButton *m_squarePicker = nullptr;
    QLabel *m_backgroundLabel = nullptr;
    QLabel *m_gridLineLabel = nullptr;
    QLabel *m_squareLabel = nullptr;
    GradientPanel *m_movePanel = nullptr;
    QList<GradientButton *> m_moveButtons; // in the order of MoveDirection
};

} // namespace Velloquin
