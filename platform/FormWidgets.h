#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

// The small widgets the windows build their faces from.
class FormWidgets {
public:
    // Light keeps the light side of a sunken edge visible against white panels.
    enum class Edge { Standard, Light };

    // Fills the widget with the colour, text in black.
    static void SetBackground(QWidget* widget, const QColor& colour);

    // A sunken white panel with its text centred; a null name leaves the panel unnamed.
    static QLabel* MakePanel(QWidget* parent, const char* name, const QRect& geometry,
                             const QString& text = QString());
    // A panel for texts read from files, shown as they stand and never as markup.
    static QLabel* MakeFileTextPanel(QWidget* parent, const char* name, const QRect& geometry,
                                     const QString& text = QString());

    // A picture box in a sunken frame just outside it, so the picture keeps its whole area.
    static QLabel* MakePicture(QWidget* parent, const char* name, const QRect& inner, const QColor& background,
                               Edge edge = Edge::Standard);

    static QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                                   bool autoDefault = false);

    // Asks whether to save before closing: kModalYes, kModalNo or kModalCancel.
    static int AskSave(QWidget* parent);

    // Places the window at the centre of the primary screen; call it before the window is shown.
    static void CentreOnScreen(QWidget* window);

    static QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                               Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
};
