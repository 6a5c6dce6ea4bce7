#include "LoadedWindows.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// Names of the windows whose load handlers ran, in order.
QStringList loadLog;

class PlainWindow : public QWidget {
public:
    PlainWindow()
        : edit(new QLineEdit(this))
    {
    }
    void Form_Load()
    {
        loadLog.append("plain");
        edit->setText("as loaded");
    }
    QLineEdit* edit;
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
    void init() { loadLog.clear(); }
    void cleanup();
    void createdOnFirstUseInLoadOrder();
    void hiddenWindowKeepsItsContents();
    void unloadedWindowComesBackFresh();
    void windowDestroyedElsewhereLeavesTheList();
};

void LoadedWindowsTest::cleanup()
{
    LoadedWindows& windows = LoadedWindows::instance();
    while (windows.count() > 0)
        windows.unload(windows.windows().constLast());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void LoadedWindowsTest::createdOnFirstUseInLoadOrder()
{
    LoadedWindows& windows = LoadedWindows::instance();
    QCOMPARE(windows.find<FrameWindow>(), nullptr);

    FrameWindow& frame = windows.form<FrameWindow>();
    DependentWindow& dependent = windows.form<DependentWindow>();
    QCOMPARE(loadLog, (QStringList{"frame", "dependent", "plain"}));
    // The window enters the list before its load handler runs, so one it loads comes after it.
    QCOMPARE(windows.windows(), (QList<QWidget*>{&frame, &dependent, windows.find<PlainWindow>()}));

    // Later uses reach the same windows without loading them again.
    QCOMPARE(&windows.form<FrameWindow>(), &frame);
    QCOMPARE(&windows.form<DependentWindow>(), &dependent);
    QCOMPARE(loadLog.size(), 3);
}

void LoadedWindowsTest::hiddenWindowKeepsItsContents()
{
    LoadedWindows& windows = LoadedWindows::instance();
    PlainWindow& window = windows.form<PlainWindow>();
    QCOMPARE(window.edit->text(), QString("as loaded"));
    window.edit->setText("typed by the user");
    window.show();
    window.hide();
    QCOMPARE(&windows.form<PlainWindow>(), &window);
    QCOMPARE(windows.form<PlainWindow>().edit->text(), QString("typed by the user"));
    QCOMPARE(windows.count(), 1);
}

void LoadedWindowsTest::unloadedWindowComesBackFresh()
{
    LoadedWindows& windows = LoadedWindows::instance();
    QSignalSpy allGone(&windows, &LoadedWindows::allUnloaded);
    windows.form<FrameWindow>();
    PlainWindow* first = &windows.form<PlainWindow>();
    first->edit->setText("changed");
    QPointer<PlainWindow> guard(first);

    windows.unload(first);
    QCOMPARE(windows.count(), 1);
    QCOMPARE(windows.find<PlainWindow>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());

    PlainWindow& second = windows.form<PlainWindow>();
    QCOMPARE(second.edit->text(), QString("as loaded"));
    QCOMPARE(loadLog, (QStringList{"frame", "plain", "plain"}));
    QCOMPARE(windows.windows().constLast(), &second);

    QCOMPARE(allGone.count(), 0);
    windows.unload(&second);
    windows.unload(windows.find<FrameWindow>());
    QCOMPARE(allGone.count(), 1);
    QCOMPARE(windows.count(), 0);
}

void LoadedWindowsTest::windowDestroyedElsewhereLeavesTheList()
{
    LoadedWindows& windows = LoadedWindows::instance();
    windows.form<FrameWindow>();
    auto* document = new QWidget;
    document->setAttribute(Qt::WA_DeleteOnClose);
    windows.add(document);
    QCOMPARE(windows.count(), 2);
    document->show();
    document->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(windows.count(), 1);
    QCOMPARE(windows.windows().constFirst(), windows.find<FrameWindow>());
}

QTEST_MAIN(LoadedWindowsTest)
#include "tst_loadedwindows.moc"
