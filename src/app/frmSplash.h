#pragma once

#include <QFrame>
#include <QWidget>

class QLabel;

// The panel that fills the splash: a click on its own surface, not on what it holds, reports;
// so do Enter and Space, for those who start Larkspan without a pointing device.
class SplashPanel : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_pressed = false;
};

// The splash shown at start-up and as the About box; a click on its panel opens the main
// window and closes the splash.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    frmSplash();

    SplashPanel* Frame1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Image1;

    void Frame1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// Start-up: shows the splash and returns.
void Main();
