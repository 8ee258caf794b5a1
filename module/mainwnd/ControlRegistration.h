#pragma once
// Registers the window classes of all eleven control libraries, in the order the main window
// needs them: button menu, table, banner, log list, flat button, sample, text edit, dialog
// message, combo box, check box, up/down. False when one cannot be registered.

bool RegisterModuleControls();
