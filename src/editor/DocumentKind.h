#pragma once

#include <QString>
#include <optional>

// The kind of a document that has no file yet. A document window whose caption is exactly a
// kind caption is an untitled document of that kind; any other caption is its file's path.
enum class DocumentKind { CSource, CHeader, RootInf };

QString kindCaption(DocumentKind kind);
QString saveFilter(DocumentKind kind);
// The kind whose caption this is, compared case-sensitively; nothing for a file's path.
std::optional<DocumentKind> kindOfCaption(const QString& caption);

// The filter of the Open dialog: every kind, and all files.
QString openFilter();
