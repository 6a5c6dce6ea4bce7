#pragma once

#include "UndoHistory.h"

#include <QMdiSubWindow>

class StatusBar;
class TextEditor;

// A document's window: the editor over a status bar that shows the caret's line and the line
// count, with the document's own undo history.
class frmDocument : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit frmDocument(QWidget* parent = nullptr);

    TextEditor* rtfText;
    StatusBar* StatusBar1;

    // True while Undo or Redo replaces the text, so that the replacement is not recorded.
    bool InUndo = false;
    qsizetype LineCount = 1;
    qsizetype UndoIndex() const { return m_history.UndoIndex(); }
    const UndoHistory& history() const { return m_history; }

    void Undo();
    void Redo();

    // Where Save or Save As last wrote this window's text, empty until then; an untitled
    // document's next save dialog offers it.
    QString lastSavedPath() const { return m_lastSavedPath; }
    void setLastSavedPath(const QString& path) { m_lastSavedPath = path; }

    void Form_Load();
    void Form_Resize();
    void rtfText_KeyDown();
    void rtfText_Click();
    void rtfText_Change(qsizetype position, const QString& removed, qsizetype insertedLength);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshLinePanel();
    void stepHistory(bool forward);

    UndoHistory m_history;
    QString m_lastSavedPath;
};
