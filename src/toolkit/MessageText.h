#pragma once

#include <QString>

// A user's value as a message quotes it: between double quotes and at most about sixty
// characters long, its middle given up for an ellipsis, with each control character shown by
// its symbol. So a huge value cannot swamp the message, nor a line break split it.
QString quotedForMessage(const QString& value, qsizetype shownCharacters = 60);

// A path as a message names it: in native form, and cut only where it could swamp the message.
QString quotedPathForMessage(const QString& path);

// The sentences that tell a failure to read or write the file at path.
QString cannotRead(const QString& path, const QString& reason);
QString cannotWrite(const QString& path, const QString& reason);
