#pragma once

#include <QDialog>
#include <QImage>

#include <string>

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QShowEvent;
class QTimer;
class TFormVersionUp;

// The title shown once at start-up: migrates older settings first, then blinks
// its welcome banner and closes on the fifth time the banner is hidden, or at
// once on a click or a key.
class TFormTitle : public QDialog {
    Q_OBJECT

public:
    explicit TFormTitle(TFormVersionUp& versionUp, QWidget* parent = nullptr);

    void FormShow();
    void TimerTimer();
    void FormClick();
    void FormKeyPress();

    // The release text read on the last showing, "1.00a" read as "1.00".
    const std::string& ReleaseText() const { return release_; }

    // A picture of the program folder with its bottom-left colour made transparent.
    static QImage TransparentPicture(const std::string& storedName);
    // The picture of the interface's language; the Japanese one when the program folder lacks it.
    static QImage LocalPicture(const QString& translatedName, const std::string& japaneseName);
    // LocalPicture made transparent, for the banners.
    static QImage BannerPicture(const QString& translatedName, const std::string& japaneseName);

    // Shift, Ctrl, Alt and their kin alone (as in Alt+Tab) close neither screen.
    static bool IsModifierOnly(int key);

    QLabel* ImageTitle = nullptr;
    QLabel* ImageWelcome = nullptr;
    QLabel* ImageRelease = nullptr;
    QTimer* Timer = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The close box stops the timer as a click does.
    void reject() override;

private:
    TFormVersionUp& versionUp_;
    std::string release_;
    int blink_ = 0;
    int hideCount_ = 0;
};
