#pragma once

#include <QObject>

class QKeyEvent;

// The toggle states of Caps Lock, Num Lock and Insert, so that indicators can keep themselves up
// to date: the locks as the window system holds them, read again at every key and whenever the
// application becomes active, or followed from the keys the application receives where the
// window system does not tell; Insert always followed from the keys.
class KeyboardState : public QObject {
    Q_OBJECT

public:
    // Created on first use; it watches every key event of the application from then on.
    static KeyboardState& instance();

    bool capsLock() const { return m_capsLock; }
    bool numLock() const { return m_numLock; }
    bool insert() const { return m_insert; }
    // Reads the lock states again from the window system, where it tells them.
    void refresh();

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyboardState();
    void set(bool capsLock, bool numLock, bool insert);
    // The lock states as the window system holds them, changed also by keys that other programs
    // received; false where it cannot tell. Each platform's own file reads them.
    static bool readLocks(bool& capsLock, bool& numLock);
    // readLocks, after a key event.
    static bool readLocksAfter(const QKeyEvent& key, bool& capsLock, bool& numLock);

    bool m_capsLock = false;
    bool m_numLock = false;
    bool m_insert = false;
    // The key event last seen: propagation hands the same one on unchanged, while the next real
    // event differs at least in its type or key, since presses and releases alternate.
    struct Delivery {
        const QEvent* event = nullptr;
        int type = 0;
        int key = 0;
        quint64 timestamp = 0;
        bool operator==(const Delivery&) const = default;
    };
    Delivery m_lastDelivery;
};
