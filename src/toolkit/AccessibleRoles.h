#pragma once

// Gives screen readers what Qt gets wrong for this program's controls: the roles of windows built
// on a plain widget and of option buttons that may all be off, and the names of menu items whose
// captions hold two access-key markers or a trailing blank. Installed once, before any is asked.
void installAccessibleRoles();
