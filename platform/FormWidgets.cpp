#include "platform/FormWidgets.h"

#include "platform/ModalHost.h"
#include "platform/ModalResult.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScreen>

namespace {

const QColor kPanelBackground(255, 255, 255);

void SetLightEdge(QFrame* frame)
{
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Light, QColor(200, 200, 200));
    frame->setPalette(palette);
}

}  // namespace

void FormWidgets::SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* FormWidgets::MakePanel(QWidget* parent, const char* name, const QRect& geometry, const QString& text)
{
    auto* label = new QLabel(text, parent);
    if (name != nullptr)
        label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    SetBackground(label, kPanelBackground);
    return label;
}

QLabel* FormWidgets::MakeFileTextPanel(QWidget* parent, const char* name, const QRect& geometry, const QString& text)
{
    QLabel* label = MakePanel(parent, name, geometry, text);
    label->setTextFormat(Qt::PlainText);
    SetLightEdge(label);
    return label;
}

QLabel* FormWidgets::MakePicture(QWidget* parent, const char* name, const QRect& inner, const QColor& background,
                                 Edge edge)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    if (edge == Edge::Light)
        SetLightEdge(frame);
    frame->setGeometry(inner.adjusted(-1, -1, 1, 1));
    auto* label = new QLabel(frame);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(1, 1, inner.width(), inner.height());
    label->setAlignment(Qt::AlignCenter);
    SetBackground(label, background);
    return label;
}

QPushButton* FormWidgets::MakeButton(QWidget* parent, const char* name, const QString& caption,
                                     const QRect& geometry, bool autoDefault)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(autoDefault);
    return button;
}

QLabel* FormWidgets::MakeCaption(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                                 Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    if (name != nullptr)
        label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

int FormWidgets::AskSave(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, parent->windowTitle(), QCoreApplication::translate("FormWidgets", "保存しますか？"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    const int result = ModalHost::ShowModal(box);
    if (result == QMessageBox::Yes || result == kModalYes)
        return kModalYes;
    if (result == QMessageBox::No || result == kModalNo)
        return kModalNo;
    return kModalCancel;
}

void FormWidgets::CentreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // Before the first showing a window has the size its layout will give it only once asked.
    if (QLayout* layout = window->layout())
        layout->activate();
    const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    window->move(screen->availableGeometry().center() - QRect(QPoint(), size).center());
}
