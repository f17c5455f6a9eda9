#include "support/ScriptedDialogs.h"

#include "platform/FileDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>

ScriptedDialogs::ScriptedDialogs()
{
    ModalHost::SetResponder([this](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            texts.push_back(box->text());
        return answer;
    });
    FileDialogs::SetResponder([this](const QString& caption, const QString&) {
        captions.push_back(caption);
        return picks.isEmpty() ? QString() : picks.takeFirst();
    });
}

ScriptedDialogs::~ScriptedDialogs()
{
    ModalHost::SetResponder({});
    FileDialogs::SetResponder({});
}

void TypeText(QWidget* widget, const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        const int length = text.at(i).isHighSurrogate() ? 2 : 1;
        const int key = text.at(i) == QLatin1Char('\n') ? Qt::Key_Return : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text.mid(i, length));
        QCoreApplication::sendEvent(widget, &press);
        i += length - 1;
    }
}
