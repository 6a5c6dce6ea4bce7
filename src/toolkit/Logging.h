#pragma once

#include <QLoggingCategory>

// The program's diagnostics: what no window tells the user, such as why a process would not
// start. Shown as warnings; QT_LOGGING_RULES="larkspan=false" silences them.
Q_DECLARE_LOGGING_CATEGORY(lcLarkspan)
