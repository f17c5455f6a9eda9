#include "app/TFormTitle.h"

#include "pictures/PictureLoader.h"
#include "pictures/Transparency.h"
#include "platform/HostPath.h"
#include "platform/ModalHost.h"
#include "platform/ModalResult.h"
#include "setup/Settings.h"
#include "setup/TFormVersionUp.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QShowEvent>
#include <QTimer>

namespace {

constexpr int kBlinkInterval = 500;
constexpr int kHidesBeforeClosing = 5;

}  // namespace

TFormTitle::TFormTitle(TFormVersionUp& versionUp, QWidget* parent)
    : QDialog(parent)
    , versionUp_(versionUp)
{
    setObjectName(QStringLiteral("FormTitle"));
    setWindowTitle(tr("テセラ"));
    setFixedSize(300, 200);

    ImageTitle = new QLabel(this);
    ImageTitle->setObjectName(QStringLiteral("ImageTitle"));
    ImageTitle->setGeometry(0, 0, 300, 200);
    ImageTitle->setAlignment(Qt::AlignCenter);
    ImageTitle->setPixmap(QPixmap::fromImage(
        LocalPicture(tr("Picture\\Title.jpg", "title picture in the program folder"), "Picture\\Title.jpg")));

    ImageWelcome = new QLabel(this);
    ImageWelcome->setObjectName(QStringLiteral("ImageWelcome"));
    ImageWelcome->setGeometry(10, 140, 280, 30);
    ImageWelcome->setPixmap(QPixmap::fromImage(
        BannerPicture(tr("Picture\\Welcome.bmp", "banner picture in the program folder"), "Picture\\Welcome.bmp")));

    ImageRelease = new QLabel(this);
    ImageRelease->setObjectName(QStringLiteral("ImageRelease"));
    ImageRelease->setGeometry(5, 180, 100, 20);
    ImageRelease->setPixmap(QPixmap::fromImage(PictureLoader::LoadStored("Picture\\Release.bmp")));

    Timer = new QTimer(this);
    Timer->setInterval(kBlinkInterval);
    connect(Timer, &QTimer::timeout, this, &TFormTitle::TimerTimer);
}

QImage TFormTitle::TransparentPicture(const std::string& storedName)
{
    return TransparentCopy(PictureLoader::LoadStored(storedName));
}

QImage TFormTitle::LocalPicture(const QString& translatedName, const std::string& japaneseName)
{
    // Checked first, so a folder seeded before the English pictures existed reports nothing missing.
    const std::string translated = translatedName.toStdString();
    return PictureLoader::LoadStored(QFileInfo::exists(HostPath::ToHostQ(translated)) ? translated : japaneseName);
}

QImage TFormTitle::BannerPicture(const QString& translatedName, const std::string& japaneseName)
{
    return TransparentCopy(LocalPicture(translatedName, japaneseName));
}

bool TFormTitle::IsModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

void TFormTitle::FormShow()
{
    bool migrate = false;
    {
        const WindowsIni settings = Settings::Open();
        release_ = Settings::ReleaseText(settings);
        migrate = Settings::IsOlderRelease(Settings::ParseRelease(release_));
    }
    if (migrate)
        ModalHost::ShowModal(versionUp_);
    Timer->start(kBlinkInterval);
}

void TFormTitle::TimerTimer()
{
    Timer->setInterval(kBlinkInterval);
    if (blink_ == 1) {
        ImageWelcome->show();
        blink_ = 0;
        return;
    }
    ImageWelcome->hide();
    blink_ = 1;
    ++hideCount_;
    if (hideCount_ >= kHidesBeforeClosing) {
        Timer->stop();
        done(kModalOk);
    }
}

void TFormTitle::FormClick()
{
    Timer->stop();
    done(kModalOk);
}

void TFormTitle::FormKeyPress()
{
    Timer->stop();
    done(kModalOk);
}

void TFormTitle::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The migration screen is modal too; it starts once this one is on screen.
    QTimer::singleShot(0, this, &TFormTitle::FormShow);
}

void TFormTitle::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    FormClick();
}

void TFormTitle::keyPressEvent(QKeyEvent* event)
{
    if (TFormTitle::IsModifierOnly(event->key())) {
        event->ignore();
        return;
    }
    event->accept();
    FormKeyPress();
}

void TFormTitle::reject()
{
    Timer->stop();
    QDialog::reject();
}
