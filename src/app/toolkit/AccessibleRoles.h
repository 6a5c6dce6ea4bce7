#pragma once

// Gives screen readers the roles Qt gets wrong for this program's controls: windows built on a
// plain widget, and option buttons that may all be off. Installed once, before any is asked.
void installAccessibleRoles();
