#include "Toolkit.h"

#include "CommonDialog.h"
#include "ProgramWide.h"
#include "QtDialogService.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>

namespace {

DialogService* installedService = nullptr;

class SizeHolder : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() != QEvent::Resize || window->size() == window->minimumSize())
            return false;
        window->resize(window->minimumSize());
        return true; // the window has already seen its size come back
    }
};

} // namespace

namespace Toolkit {

QString shortTitle()
{
    return QStringLiteral("LKS");
}

MsgBoxResult MsgBox(const QString& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                    const QString& title)
{
    return dialogs().messageBox({text, title, buttons, icon});
}

DialogService& dialogs()
{
    return installedService ? *installedService
                            : programWide<QtDialogService>([] { return new QtDialogService; });
}

DialogService* setDialogService(DialogService* service)
{
    DialogService* previous = installedService;
    installedService = service;
    return previous;
}

CommonDialog& dlgCommonDialog()
{
    return programWide<CommonDialog>([] { return new CommonDialog; });
}

void ClipboardClear()
{
    QGuiApplication::clipboard()->clear();
}

void ClipboardSetText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString ClipboardGetText()
{
    return QGuiApplication::clipboard()->text();
}

void holdWindowSize(QWidget* window, int width, int height)
{
    window->setFixedSize(twipsToPixels(width), twipsToPixels(height));
    window->installEventFilter(new SizeHolder(window));
}

void nameAfterLabel(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    control->setAccessibleName(label->text());
}

void fitWindowText(QWidget* window)
{
    QFont font = window->font();
    font.setPointSizeF(8);
    window->setFont(font);
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const int needed = label->sizeHint().width();
        const QRect place = label->geometry();
        if (needed <= place.width())
            continue;
        const int extra = needed - place.width();
        int left = label->alignment() & Qt::AlignHCenter ? place.left() - extra / 2 : place.left();
        // A control that stands to the right on the same row pushes the label left.
        for (const QWidget* other :
             label->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect beside = other->geometry();
            if (other != label && !qobject_cast<const QLabel*>(other) &&
                beside.left() >= place.left() && beside.top() < place.bottom() &&
                beside.bottom() > place.top())
                left = std::min(left, beside.left() - needed);
        }
        // So does its parent's right edge, a little clear of the border; a text too long for
        // the parent is cut rather than run over the border.
        const int right = label->parentWidget()->width() - twipsToPixels(60);
        left = std::max(0, std::min(left, right - needed));
        label->setGeometry(left, place.top(), std::min(needed, right - left), place.height());
    }
}

} // namespace Toolkit
