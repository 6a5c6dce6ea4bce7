#pragma once

#include "DialogService.h"

#include <QString>

class CommonDialog;
class QLabel;
class QWidget;

// The one place that reaches the GUI toolkit's modal and global services, so that the rest of
// the program can be tested without a person at the screen.
namespace Toolkit {

// The application's short title, the default title of every message box.
QString shortTitle();

MsgBoxResult MsgBox(const QString& text, MsgBoxButtons buttons = MsgBoxButtons::Ok,
                    MsgBoxIcon icon = MsgBoxIcon::None, const QString& title = shortTitle());

// The service that shows dialogs: Qt's real ones unless another was installed.
DialogService& dialogs();
// Installs a service (null restores Qt's) and returns the one it replaces, null for Qt's.
DialogService* setDialogService(DialogService* service);

// The program's one shared common-dialog object, created on first use.
CommonDialog& dlgCommonDialog();

void ClipboardClear();
void ClipboardSetText(const QString& text);
// The clipboard's plain text; empty when it holds none.
QString ClipboardGetText();

// Window geometry is given in twips, fifteen to a device-independent pixel.
constexpr int TwipsPerPixel = 15;
constexpr int twipsToPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// Places a control at a position given in twips within its parent; returns it.
template <class W>
W* placeInTwips(W* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
    return widget;
}

// Holds a window's client area at a size in twips. The size hints keep a window manager that
// heeds them from changing it; a change that gets through anyway is set back.
void holdWindowSize(QWidget* window, int width, int height);

// Makes a label the one that names a control: its buddy, and its text the name a screen reader
// gives the control (a list takes no name from its buddy).
void nameAfterLabel(QLabel* label, QWidget* control);

// Gives a window of fixed layout the small type its positions were made for, and widens each of
// its labels that its text would overflow, keeping the label's alignment.
void fitWindowText(QWidget* window);

} // namespace Toolkit
