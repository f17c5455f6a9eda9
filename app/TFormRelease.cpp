#include "app/TFormRelease.h"

#include "app/TFormTitle.h"
#include "pictures/PictureLoader.h"
#include "platform/ModalResult.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QShowEvent>
#include <QTimer>

namespace {

constexpr int kBlinkInterval = 1000;

}  // namespace

TFormRelease::TFormRelease(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormRelease"));
    setWindowTitle(tr("テセラ／リリース情報"));
    setFixedSize(300, 200);

    ImageTitle = new QLabel(this);
    ImageTitle->setObjectName(QStringLiteral("ImageTitle"));
    ImageTitle->setGeometry(0, 0, 300, 200);
    ImageTitle->setAlignment(Qt::AlignCenter);
    ImageTitle->setPixmap(QPixmap::fromImage(TFormTitle::LocalPicture(
        tr("Picture\\Title.jpg", "title picture in the program folder"), "Picture\\Title.jpg")));

    ImageThanks = new QLabel(this);
    ImageThanks->setObjectName(QStringLiteral("ImageThanks"));
    ImageThanks->setGeometry(10, 140, 280, 30);
    ImageThanks->setPixmap(QPixmap::fromImage(TFormTitle::BannerPicture(
        tr("Picture\\Thanks.bmp", "banner picture in the program folder"), "Picture\\Thanks.bmp")));

    ImageRelease = new QLabel(this);
    ImageRelease->setObjectName(QStringLiteral("ImageRelease"));
    ImageRelease->setGeometry(5, 180, 100, 20);
    ImageRelease->setPixmap(QPixmap::fromImage(PictureLoader::LoadStored("Picture\\Release.bmp")));

    Timer = new QTimer(this);
    Timer->setInterval(kBlinkInterval);
    connect(Timer, &QTimer::timeout, this, &TFormRelease::TimerTimer);
}

void TFormRelease::FormShow()
{
    Timer->start(kBlinkInterval);
}

void TFormRelease::TimerTimer()
{
    if (blink_ == 1) {
        ImageThanks->show();
        blink_ = 0;
    } else {
        ImageThanks->hide();
        blink_ = 1;
    }
}

void TFormRelease::FormClick()
{
    Timer->stop();
    done(kModalOk);
}

void TFormRelease::FormKeyPress()
{
    Timer->stop();
    done(kModalOk);
}

void TFormRelease::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
}

void TFormRelease::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    FormClick();
}

void TFormRelease::keyPressEvent(QKeyEvent* event)
{
    if (TFormTitle::IsModifierOnly(event->key())) {
        event->ignore();
        return;
    }
    event->accept();
    FormKeyPress();
}

void TFormRelease::reject()
{
    Timer->stop();
    QDialog::reject();
}
