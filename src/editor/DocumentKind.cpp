#include "DocumentKind.h"

QString kindCaption(DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::CSource:
        return QStringLiteral("C File - Larkspan");
    case DocumentKind::CHeader:
        return QStringLiteral("C Header File - Larkspan");
    case DocumentKind::RootInf:
        return QStringLiteral("Root.inf - Larkspan");
    }
    return {};
}

QString saveFilter(DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::CSource:
        return QStringLiteral("C File (*.c)|*.c|All Files (*.*)|*.*");
    case DocumentKind::CHeader:
        return QStringLiteral("C Header File (*.h)|*.h|All Files (*.*)|*.*");
    case DocumentKind::RootInf:
        return QStringLiteral("Inf File (*.inf)|*.inf|All Files (*.*)|*.*");
    }
    return {};
}

std::optional<DocumentKind> kindOfCaption(const QString& caption)
{
    for (DocumentKind kind :
         {DocumentKind::CSource, DocumentKind::CHeader, DocumentKind::RootInf}) {
        if (caption == kindCaption(kind))
            return kind;
    }
    return std::nullopt;
}

QString openFilter()
{
    return QStringLiteral("C File (*.c)|*.c|C Header File (*.h)|*.h|Inf File (*.inf)|*.inf|"
                          "All Files (*.*)|*.*");
}
