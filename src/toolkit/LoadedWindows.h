#pragma once

#include <QList>
#include <QObject>
#include <QWidget>

// The application's loaded windows, oldest first. A window of which the program has one is
// created on its first use and lives, shown or hidden, until it is unloaded; using it again
// after that creates it afresh.
class LoadedWindows : public QObject {
    Q_OBJECT

public:
    static LoadedWindows& instance();

    // The one window of class W, created on first use: it joins the list, then its load
    // handler (Form_Load or MDIForm_Load) runs before the caller gets it.
    template <class W>
    W& form()
    {
        if (W* existing = find<W>())
            return *existing;
        W* window = new W;
        add(window);
        if constexpr (requires { window->Form_Load(); })
            window->Form_Load();
        else if constexpr (requires { window->MDIForm_Load(); })
            window->MDIForm_Load();
        return *window;
    }

    // The loaded window of class W, or null; never creates one.
    template <class W>
    W* find() const
    {
        for (QWidget* window : m_windows) {
            if (W* match = dynamic_cast<W*>(window))
                return match;
        }
        return nullptr;
    }

    // Enters a window that its owner created, such as a document window.
    void add(QWidget* window);
    // Hides the window, takes it off the list and discards it with its contents.
    void unload(QWidget* window);

    QList<QWidget*> windows() const { return m_windows; }
    qsizetype count() const { return m_windows.size(); }

signals:
    // The last loaded window is gone: the application ends.
    void allUnloaded();

private:
    void remove(QObject* window);

    QList<QWidget*> m_windows;
};
