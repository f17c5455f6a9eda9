#include "data/SetFileNotice.h"

#include "platform/HostPath.h"
#include "platform/ModalHost.h"
#include "platform/ModalResult.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <filesystem>

namespace {

QString DroppedText(const WindowsIni::DroppedLines& dropped)
{
    return QCoreApplication::translate("SetFileNotice", "どのセクションにも属さない行が %1 行あります（最初は %2 行目。「[」で始まり「]」のない行の後など）。")
        .arg(dropped.count)
        .arg(dropped.firstLine);
}

}  // namespace

QString SetFileNotice::OnOpen(const std::string& storedFile)
{
    const std::string host = HostPath::ToHost(storedFile);
    std::error_code error;
    if (!std::filesystem::is_regular_file(host, error))
        return QCoreApplication::translate("SetFileNotice", "セットファイル「%1」が見つかりません。\n"
                              "保存すると新しいファイルとして作ります。")
            .arg(TextCodec::ToUi(storedFile));
    const WindowsIni ini(host);
    if (ini.Dropped().count == 0)
        return QString();
    return QCoreApplication::translate("SetFileNotice", "セットファイル「%1」には、%2\nこれらの行は読み込まれず、保存するとファイルから消えます。")
        .arg(TextCodec::ToUi(storedFile), DroppedText(ini.Dropped()));
}

QString SetFileNotice::BeforeSave(const WindowsIni::DroppedLines& dropped)
{
    if (dropped.count == 0)
        return QString();
    return QCoreApplication::translate("SetFileNotice", "このセットファイルには、%1\n保存するとこれらの行は消えます。それでも保存しますか？")
        .arg(DroppedText(dropped));
}

QString SetFileNotice::BeforeSave(const std::string& storedFile)
{
    return BeforeSave(WindowsIni(HostPath::ToHost(storedFile)).Dropped());
}

bool SetFileNotice::AskSaveAnyway(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Warning, parent ? parent->windowTitle() : QString(), question,
                    QMessageBox::Yes | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("SetFileNotice", "保存する"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("SetFileNotice", "キャンセル"));
    box.setDefaultButton(QMessageBox::Cancel);
    const int answer = ModalHost::ShowModal(box);
    // A person answers with the box's own button codes, a test responder with the modal results.
    return answer == kModalYes || answer == QMessageBox::Yes;
}
