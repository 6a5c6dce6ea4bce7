#include "StatusBar.h"

#include "KeyboardState.h"
#include "Toolkit.h"

#include <QLabel>

StatusBar::StatusBar(QWidget* parent)
    : QFrame(parent)
{
    connect(&KeyboardState::instance(), &KeyboardState::changed, this, &StatusBar::showKeyStates);
}

void StatusBar::addPanel(PanelKind kind, const QString& text, double widthTwips)
{
    auto* label = new QLabel(text, this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setContentsMargins(2, 0, 2, 0);
    if (kind != PanelKind::Text)
        label->setAlignment(Qt::AlignCenter);
    m_panels.append({kind, widthTwips, label});
    placePanels();
    showKeyStates();
}

QString StatusBar::panelText(int index) const
{
    return m_panels.at(index - 1).label->text();
}

void StatusBar::setPanelText(int index, const QString& text)
{
    m_panels[index - 1].label->setText(text);
}

double StatusBar::panelWidth(int index) const
{
    return m_panels.at(index - 1).widthTwips;
}

void StatusBar::setPanelWidth(int index, double widthTwips)
{
    m_panels[index - 1].widthTwips = widthTwips;
    placePanels();
}

bool StatusBar::panelShowsOn(int index) const
{
    return m_panels.at(index - 1).label->isEnabled();
}

void StatusBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    placePanels();
}

void StatusBar::placePanels()
{
    int left = 0;
    for (const Panel& panel : m_panels) {
        const int width = std::max(0, Toolkit::twipsToPixels(int(panel.widthTwips)));
        panel.label->setGeometry(left, 0, width, height());
        left += width;
    }
}

void StatusBar::showKeyStates()
{
    const KeyboardState& keys = KeyboardState::instance();
    for (const Panel& panel : m_panels) {
        bool on = false;
        switch (panel.kind) {
        case PanelKind::Text:
            continue;
        case PanelKind::CapsLock:
            on = keys.capsLock();
            break;
        case PanelKind::NumLock:
            on = keys.numLock();
            break;
        case PanelKind::Insert:
            on = keys.insert();
            break;
        }
        QFont font = panel.label->font();
        font.setBold(on);
        panel.label->setFont(font);
        // A disabled label is drawn dimmed.
        panel.label->setEnabled(on);
    }
}
