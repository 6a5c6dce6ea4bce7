#include "Logging.h"

Q_LOGGING_CATEGORY(lcLarkspan, "larkspan")
