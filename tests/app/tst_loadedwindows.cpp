#include "LoadedWindows.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// Names of the windows whose load handlers ran, in order.
QStringList loadLog;

class PlainWindow : public QWidget {
public:
    void Form_Load()
    {
        loadLog.append("plain");
        edit->setText("as loaded");
    }
    QLineEdit* edit = new QLineEdit(this);
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
    void unloadedWindowsLeaveTheList();
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
    FrameWindow& frame = windows.form<FrameWindow>();
    DependentWindow& dependent = windows.form<DependentWindow>();
    QCOMPARE(loadLog, (QStringList{"frame", "dependent", "plain"}));
    // The window enters the list before its load handler runs, so one it loads comes after it.
    PlainWindow& plain = *windows.find<PlainWindow>();
    QCOMPARE(windows.windows(), (QList<QWidget*>{&frame, &dependent, &plain}));
    QCOMPARE(plain.edit->text(), QString("as loaded"));

    // Later uses reach the same windows, hidden or not, without loading them again.
    plain.edit->setText("typed by the user");
    plain.show();
    plain.hide();
    QCOMPARE(&windows.form<FrameWindow>(), &frame);
    QCOMPARE(&windows.form<DependentWindow>(), &dependent);
    QCOMPARE(windows.form<PlainWindow>().edit->text(), QString("typed by the user"));
    QCOMPARE(loadLog.size(), 3);
}

void LoadedWindowsTest::unloadedWindowsLeaveTheList()
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

    // A window destroyed elsewhere leaves the list too.
    auto* document = new QWidget;
    document->setAttribute(Qt::WA_DeleteOnClose);
    windows.add(document);
    QCOMPARE(windows.count(), 3);
    document->show();
    document->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(windows.windows(), (QList<QWidget*>{windows.find<FrameWindow>(), &second}));

    QCOMPARE(allGone.count(), 0);
    windows.unload(&second);
    windows.unload(windows.find<FrameWindow>());
    QCOMPARE(allGone.count(), 1);
    QCOMPARE(windows.count(), 0);
}

QTEST_MAIN(LoadedWindowsTest)
#include "tst_loadedwindows.moc"
