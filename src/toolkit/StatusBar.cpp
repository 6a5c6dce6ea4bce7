#include "StatusBar.h"

#include "KeyboardState.h"
#include "Toolkit.h"

#include <QLabel>

StatusBar::StatusBar(QWidget* parent)
    : QFrame(parent)
{
    // The locks may have changed in another program since the application last looked.
    KeyboardState::instance().refresh();
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
    placePanels();
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
    QList<int> widths;
    for (const Panel& panel : m_panels)
        widths.append(std::max(0, Toolkit::twipsToPixels(int(panel.widthTwips))));
    // A text panel's width is its least: it grows to show its whole text, taking the room from
    // the text panels after it that do not need theirs, so the panels further right stay put.
    for (qsizetype i = 0; i < m_panels.size(); ++i) {
        if (m_panels[i].kind != PanelKind::Text)
            continue;
        int growth = m_panels[i].label->sizeHint().width() - widths[i];
        widths[i] += std::max(0, growth);
        for (qsizetype j = i + 1; j < m_panels.size() && growth > 0; ++j) {
            if (m_panels[j].kind != PanelKind::Text)
                continue;
            const int spare =
                std::clamp(widths[j] - m_panels[j].label->sizeHint().width(), 0, growth);
            widths[j] -= spare;
            growth -= spare;
        }
    }
    int left = 0;
    for (qsizetype i = 0; i < m_panels.size(); ++i) {
        m_panels[i].label->setGeometry(left, 0, widths[i], height());
        left += widths[i];
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
