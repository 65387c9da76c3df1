#pragma once
// Registers the control, form and dialog classes, and the names of colours,
// cursors and character sets, for form descriptions. The application object
// calls it; calling it again does no harm.

void RegisterControlClasses();
