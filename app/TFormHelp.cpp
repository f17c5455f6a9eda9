#include "app/TFormHelp.h"

#include "platform/FormWidgets.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TFormHelp::TFormHelp(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormHelp"));
    setWindowTitle(tr("テセラ／ヘルプ"));
    resize(760, 600);

    BrowserHelp = new QTextBrowser(this);
    BrowserHelp->setObjectName(QStringLiteral("BrowserHelp"));
    // Places in the document open here; addresses elsewhere go to the desktop.
    BrowserHelp->setOpenLinks(true);
    BrowserHelp->setOpenExternalLinks(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BrowserHelp);
}

void TFormHelp::ShowDocument(const QString& path)
{
    const QFileInfo document(path);
    if (document.isFile()) {
        BrowserHelp->setSource(QUrl::fromLocalFile(document.absoluteFilePath()));
    } else {
        BrowserHelp->clear();
        BrowserHelp->setPlainText(tr("ヘルプの文書が見つかりません: %1").arg(document.absoluteFilePath()));
    }
    if (!isVisible())
        FormWidgets::CentreOnScreen(this);
    show();
    raise();
    activateWindow();
}
