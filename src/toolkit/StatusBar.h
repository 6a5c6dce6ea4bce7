#pragma once

#include <QFrame>
#include <QList>

class QLabel;

// A status bar of panels laid out left to right. Text panels show what they are given, wider
// than their width where their text needs it; indicator panels show their key's state
// themselves, bold while on and dimmed while off.
class StatusBar : public QFrame {
    Q_OBJECT

public:
    enum class PanelKind { Text, CapsLock, NumLock, Insert };

    explicit StatusBar(QWidget* parent = nullptr);

    // Adds a panel at the right end; widths are in twips.
    void addPanel(PanelKind kind, const QString& text, double widthTwips);

    // Panels are numbered from 1.
    int panelCount() const { return int(m_panels.size()); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);
    double panelWidth(int index) const;
    void setPanelWidth(int index, double widthTwips);
    // An indicator panel's key state as it shows it.
    bool panelShowsOn(int index) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Panel {
        PanelKind kind;
        double widthTwips;
        QLabel* label;
    };

    void placePanels();
    void showKeyStates();

    QList<Panel> m_panels;
};
