#include "LoadedWindows.h"

#include <QtTest>

namespace {

// Names of the windows whose load handlers ran, in order.
QStringList loadLog;

class PlainWindow : public QWidget {
public:
    void Form_Load() { loadLog.append("plain"); }
};

// Its load handler uses another window, as the Project Explorer reads the project folder.
class DependentWindow : public QWidget {
public:
    void Form_Load()
    {
        loadLog.append("dependent");
        LoadedWindows::instance().form<PlainWindow>();
    }
};

class FrameWindow : public QWidget {
public:
    void MDIForm_Load() { loadLog.append("frame"); }
};

} // namespace

class LoadedWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void loadedOnFirstUseUntilUnloaded();
};

void LoadedWindowsTest::loadedOnFirstUseUntilUnloaded()
{
    LoadedWindows& windows = LoadedWindows::instance();
    QSignalSpy allGone(&windows, &LoadedWindows::allUnloaded);
    FrameWindow& frame = windows.form<FrameWindow>();
    DependentWindow& dependent = windows.form<DependentWindow>();
    QCOMPARE(loadLog, (QStringList{"frame", "dependent", "plain"}));
    // The window enters the list before its load handler runs, so one it loads comes after it.
    QPointer<PlainWindow> plain = windows.find<PlainWindow>();
    QCOMPARE(windows.windows(), (QList<QWidget*>{&frame, &dependent, plain}));

    // Later uses reach the same windows, hidden or not, without loading them again.
    plain->show();
    plain->hide();
    QCOMPARE(&windows.form<FrameWindow>(), &frame);
    QCOMPARE(&windows.form<DependentWindow>(), &dependent);
    QCOMPARE(&windows.form<PlainWindow>(), plain);
    QCOMPARE(loadLog.size(), 3);

    // Unloaded, a window is gone; its next use loads a new one at the end of the list.
    windows.unload(plain);
    QCOMPARE(windows.find<PlainWindow>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(plain.isNull());
    PlainWindow& second = windows.form<PlainWindow>();
    QCOMPARE(loadLog, (QStringList{"frame", "dependent", "plain", "plain"}));
    QCOMPARE(windows.windows(), (QList<QWidget*>{&frame, &dependent, &second}));

    // A window destroyed elsewhere leaves the list too.
    auto* document = new QWidget;
    document->setAttribute(Qt::WA_DeleteOnClose);
    windows.add(document);
    QCOMPARE(windows.count(), 4);
    document->show();
    document->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(windows.windows(), (QList<QWidget*>{&frame, &dependent, &second}));

    // The application ends with the last window, not before.
    for (QWidget* window : windows.windows()) {
        QCOMPARE(allGone.count(), 0);
        windows.unload(window);
    }
    QCOMPARE(allGone.count(), 1);
    QCOMPARE(windows.count(), 0);
}

QTEST_MAIN(LoadedWindowsTest)
#include "tst_loadedwindows.moc"
