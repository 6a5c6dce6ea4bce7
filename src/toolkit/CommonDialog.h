#pragma once

#include <QString>
#include <memory>

class QPrinter;

// The one common-dialog object that every open, save and printer dialog of the program uses.
// A property that a command does not set keeps the value its previous use left.
class CommonDialog {
public:
    // Option flags of the printer form.
    static constexpr int PD_ALLPAGES = 0;
    static constexpr int PD_SELECTION = 1;
    static constexpr int PD_NOPAGENUMS = 8;
    static constexpr int PD_RETURNDC = 256;

    CommonDialog();
    ~CommonDialog();

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    QString filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    QString initialFolder() const { return m_initialFolder; }
    void setInitialFolder(const QString& folder) { m_initialFolder = folder; }
    // The name last chosen; the next file dialog offers it again.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& name) { m_fileName = name; }
    int options() const { return m_options; }
    void setOptions(int options) { m_options = options; }
    // Off: a cancelled file dialog reports an empty name. On: the caller wants to tell a cancel
    // apart; the printer form reports it as a null printer either way.
    bool cancelError() const { return m_cancelError; }
    void setCancelError(bool on) { m_cancelError = on; }

    // The chosen file's full path, or the empty text when the user cancelled.
    QString ShowOpen();
    QString ShowSave();
    // The chosen printer, or null when the user cancelled. It stays owned by this object.
    QPrinter* ShowPrinter();

private:
    QString showFileDialog(bool save);

    QString m_title;
    QString m_filter;
    QString m_initialFolder;
    QString m_fileName;
    int m_options = 0;
    bool m_cancelError = false;
    std::unique_ptr<QPrinter> m_printer;
};
