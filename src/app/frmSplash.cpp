#include "frmSplash.h"

#include "Artwork.h"
#include "LoadedWindows.h"
#include "Toolkit.h"
#include "frmMain.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

void SplashPanel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void SplashPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

void SplashPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break;
        event->accept();
        if (!event->isAutoRepeat())
            emit Click();
        return;
    default:
        break;
    }
    QFrame::keyPressEvent(event);
}

namespace {

QLabel* label(QWidget* parent, const QString& text, qreal points, bool bold)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

frmSplash::frmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(Toolkit::twipsToPixels(7455), Toolkit::twipsToPixels(4710));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Active, QPalette::HighlightedText));
    colours.setColor(QPalette::WindowText, QColor(Qt::black));
    setPalette(colours);
    setAutoFillBackground(true);

    Frame1 = Toolkit::placeInTwips(new SplashPanel(this), 0, 0, 7455, 4695);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Frame1->setFocusPolicy(Qt::StrongFocus);
    Frame1->setAccessibleName(QStringLiteral("Larkspan"));
    Label1 = Toolkit::placeInTwips(label(Frame1, QStringLiteral("Larkspan"), 21.75, true), 360, 720,
                                   3495, 495);
    Label2 = Toolkit::placeInTwips(
        label(Frame1, QStringLiteral("By the Larkspan team."), 8.25, false), 1080, 1320, 1935, 255);
    Label3 = Toolkit::placeInTwips(
        label(Frame1,
              QStringLiteral("Larkspan may be copied and given away freely. It comes with no "
                             "warranty of any kind."),
              8.25, false),
        360, 3000, 3375, 1095);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3->setWordWrap(true);
    Image1 = Toolkit::placeInTwips(new QLabel(Frame1), 4080, 360, 3105, 3810);
    Image1->setPixmap(splashPicture(devicePixelRatioF()));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Image1->setObjectName(QStringLiteral("Image1"));
    // A click on what the panel holds is not a click on the panel.
    for (QLabel* element : {Label1, Label2, Label3, Image1})
        element->installEventFilter(this);
    connect(Frame1, &SplashPanel::Click, this, &frmSplash::Frame1_Click);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void frmSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The keys reach the panel only if the splash has the focus, at start-up as from About.
    activateWindow();
    Frame1->setFocus(Qt::ActiveWindowFocusReason);
}

void frmSplash::Frame1_Click()
{
    frmMain& main = LoadedWindows::instance().form<frmMain>();
    main.setWindowState(main.windowState() & ~Qt::WindowMinimized);
    main.show();
    main.raise();
    main.activateWindow();
    LoadedWindows::instance().unload(this);
}

void Main()
{
    frmSplash& splash = LoadedWindows::instance().form<frmSplash>();
    splash.show();
    splash.repaint();
}
